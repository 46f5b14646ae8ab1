#include "forms/gui_sound.h"

#include "app/assets.h"
#include "platform/debug_log.h"
#include "platform/music.h"

std::map<std::string, GuiSoundPtr>& guiSound::Table() {
    static std::map<std::string, GuiSoundPtr> table;
    return table;
}

GuiSoundPtr guiSound::Create(const std::string& path) {
    auto& table = Table();
    if (const auto found = table.find(path); found != table.end()) {
        ++found->second->refCount;
        return found->second;
    }
    SoundPtr loaded = LoadAssetSound(path, 0);
    if (!loaded) {
        DebugLog("***Failed to load gui sound:" + path + "***");
        return nullptr;
    }
    auto entry = std::make_shared<guiSound>();
    entry->name = path;
    entry->sound = std::move(loaded);
    entry->refCount = 1;
    table[path] = entry;
    return entry;
}

void guiSound::Free(const GuiSoundPtr& sound) {
    if (!sound) {
        return;
    }
    --sound->refCount;
    if (sound->refCount < 0) {
        DebugLog("gui sound unloaded: " + sound->name);
        auto& table = Table();
        if (const auto found = table.find(sound->name);
            found != table.end() && found->second == sound) {
            table.erase(found);
        }
    }
}

void guiSound::Play() const {
    PlayEffect(sound, 1.0f);
}
