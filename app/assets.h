#pragma once
// Asset loaders: try the archive (prefix + path with "/" separators, names
// matched without regard to case), then the plain file of the same path.
#include <string>

#include "platform/audio.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/stream.h"

void SetArchivePrefix(const std::string& prefix);
const std::string& GetArchivePrefix();

StreamPtr OpenAssetFile(const std::string& name);
ImagePtr LoadAssetImage(const std::string& name, int flags);
PixmapPtr LoadAssetPixmap(const std::string& name);
SoundPtr LoadAssetSound(const std::string& name, int flags);
