#pragma once
// Hover and click sounds of controls, shared by path with reference counts.
#include <map>
#include <memory>
#include <string>

#include "platform/audio.h"

class guiSound;
using GuiSoundPtr = std::shared_ptr<guiSound>;

class guiSound {
public:
    std::string name;  // the sound's path
    SoundPtr sound;
    int refCount = 0;

    // The table's entry for path (one more user), or a new one; null when the
    // sound cannot be loaded.
    static GuiSoundPtr Create(const std::string& path);
    // One user fewer; the entry leaves the table when the count drops below 0.
    static void Free(const GuiSoundPtr& sound);
    void Play() const;

    // The program-wide table, keyed by path.
    static std::map<std::string, GuiSoundPtr>& Table();
};
