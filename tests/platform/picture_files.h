#pragma once
// Builds small picture files in memory for the decoder tests.
#include <string>

#include "platform/pixmap.h"
#include "support/scratch_folder.h"

std::string EncodeJpeg(const TPixmap& pixmap, int quality);
std::string EncodePng(const TPixmap& pixmap);
// 24- or 32-bit TGA, raw or run-length packed, bottom-up or top-down.
std::string EncodeTga(const TPixmap& pixmap, int bits, bool packed, bool topDown);
// 24- or 32-bit BMP, bottom-up or top-down.
std::string EncodeBmp(const TPixmap& pixmap, int bits, bool topDown);
// A path in the process's scratch folder (tests/support); write with WriteFileBytes.
std::string TempPath(const std::string& name);
