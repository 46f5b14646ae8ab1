// The resource-script reader and the module's resource maps.
#include <algorithm>

#include "app/app_module.h"
#include "app/assets.h"
#include "app/line_helpers.h"
#include "app/loading_profile.h"
#include "app/resource_line.h"
#include "app/locale_strings.h"
#include "forms/gui.h"
#include "platform/debug_log.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/render_state.h"
#include "toolkit/sprite.h"

namespace {

// Deeper RESOURCE nesting than this is taken for a runaway script.
constexpr size_t MAX_RESOURCE_DEPTH = 16;

}  // namespace

int _AppModule::LoadingNotify(const std::string&) {
    return 1;
}

_AppModule::ProfilePtr _AppModule::LoadResources() {
    if (_gotResources != 0) {
        return nullptr;
    }
    Sprites.clear();
    Sounds.clear();
    Constants.clear();
    ParticleEmitters.clear();
    _guiWindows.clear();
    _songs.clear();
    ProfilePtr profile = LoadingProfile::Create(_resourceFile);
    _LoadResources(_resourceFile, profile);
    _gotResources = 1;
    return profile;
}

void _AppModule::_LoadResources(const std::string& file, const ProfilePtr& profile) {
    const std::string key = ToLower(ForwardSlashes(file));
    if (resourceStack.size() >= MAX_RESOURCE_DEPTH ||
        std::find(resourceStack.begin(), resourceStack.end(), key) != resourceStack.end()) {
        DebugLog("***Resource file includes itself: " + file + "***");
        return;
    }
    StreamPtr stream = OpenAssetFile(file);
    if (!stream) {
        DebugLog("***Failed to open resource file: " + file + "***");
        return;
    }
    resourceStack.push_back(key);
    while (!Eof(*stream)) {
        _LoadResourceLine(ReadLine(*stream), profile);
    }
    resourceStack.pop_back();
}

void _AppModule::_LoadResourceLine(const std::string& rawLine, const ProfilePtr& profile) {
    ResourceLine line;
    if (!ParseResourceLine(rawLine, line) || LoadingNotify(line.name) == 0) {
        return;
    }
    const std::string& ident = line.ident;
    if (StartsWithNoCase(ident, "sprite")) {
        // A name given twice (often through a nested script) frees the earlier sprite.
        ReplaceSpriteResource(line.name, line.value);
        _RememberLocaleSprite(line.name, line.rawValue);
    } else if (StartsWithNoCase(ident, "song")) {
        LoadSong(line.name, line.value);
    } else if (StartsWithNoCase(ident, "sound")) {
        Sounds[line.name] = LoadAssetSound(line.value, 0);
    } else if (StartsWithNoCase(ident, "window")) {
        if (appGUI) {
            _guiWindows.push_back(ToLower(appGUI->LoadWindow(line.name)));
        }
    } else if (StartsWithNoCase(ident, "emitter")) {
        ParticleEmitters[line.name] = _kwa_ParticleEmitter::Create(line.name, line.value, 0);
    } else if (StartsWithNoCase(ident, "const")) {
        // Kept as written: a locale key is read in the language of the moment.
        Constants[line.name] = line.rawValue;
        return;
    } else if (StartsWithNoCase(ident, "resource")) {
        DebugLog("resource: " + line.name);
        _LoadResources(line.name, profile);
    } else {
        DebugLog("***Invalid resource Ident :" + ident + "***");
    }
    if (profile && _modID != APP_LOADINGSCREEN) {
        UpdateLoadingProgress(profile->Update());
    }
}

void _AppModule::_RememberLocaleSprite(const std::string& name, const std::string& rawValue) {
    if (StartsWithNoCase(rawValue, "##")) {
        localeSprites[ToLower(name)] = rawValue;
    } else {
        localeSprites.erase(ToLower(name));
    }
}

void _AppModule::RefreshLocaleSprites() {
    if (!_gotResources) {
        return;
    }
    for (const auto& [name, key] : localeSprites) {
        ReplaceSpriteResource(name, LocaleText(key));
    }
}

void _AppModule::UnloadSprites() {
    for (auto& [name, sprite] : Sprites) {
        if (sprite) {
            sprite->Destroy();
        }
    }
    Sprites.clear();
    localeSprites.clear();
}

void _AppModule::UnloadResources() {
    if (!_gotResources) {
        return;
    }
    UnloadSprites();
    if (appGUI) {
        for (const std::string& name : _guiWindows) {
            appGUI->UnloadWindow(name);
        }
    }
    for (auto& [name, emitter] : ParticleEmitters) {
        if (emitter) {
            emitter->Destroy();
        }
    }
    if (!KeepSongsInMemory) {
        for (const std::string& name : _songs) {
            UnloadSong(name);
        }
        _songs.clear();
    }
    _guiWindows.clear();
    Constants.clear();
    Sounds.clear();
    ParticleEmitters.clear();
    _gotResources = 0;
}

void _AppModule::ReplaceSpriteResource(const std::string& name, const std::string& file) {
    const std::string key = ToLower(name);
    auto found = Sprites.find(key);
    if (found != Sprites.end() && found->second) {
        found->second->Destroy();
    }
    Sprites[key] = _kwa_MasterSprite::Create(file);
}

std::string _AppModule::getConstant(const std::string& name) const {
    auto found = Constants.find(ToLower(name));
    return found == Constants.end() ? std::string() : LocaleText(found->second);
}

std::string _AppModule::constString(const std::string& name) const {
    return getConstant(name);
}

float _AppModule::constFloat(const std::string& name) const {
    return ToFloat(getConstant(name));
}

int _AppModule::constInt(const std::string& name) const {
    return ToInt(getConstant(name));
}

int _AppModule::guiButtonHit(const std::string& name) const {
    return appGUI && appGUI->ButtonHit(name) ? 1 : 0;
}

_AppModule::SpritePtr _AppModule::GetSprite(const std::string& name) const {
    if (Sprites.count(ToLower(name)) == 0) {
        DebugLog("***Error: App module cannot find sprite :" + name + "***");
        return nullptr;
    }
    return OptionalSprite(name);
}

_AppModule::SpritePtr _AppModule::OptionalSprite(const std::string& name) const {
    const auto found = Sprites.find(ToLower(name));
    return found != Sprites.end() ? found->second : nullptr;
}

_AppModule::EmitterPtr _AppModule::OptionalEmitter(const std::string& name) const {
    const auto found = ParticleEmitters.find(name);
    return found != ParticleEmitters.end() ? found->second : nullptr;
}

SoundPtr _AppModule::GetSound(const std::string& name) const {
    auto found = Sounds.find(ToLower(name));
    if (found == Sounds.end()) {
        DebugLog("***Error: App module cannot find sound :" + name + "***");
        return nullptr;
    }
    return found->second;
}

void _AppModule::PlaySound(const SoundPtr& sound, float volume) {
    if (sound) {
        PlayEffect(sound, volume);
    }
}

void _AppModule::PlaySoundByName(const std::string& name) {
    PlaySound(GetSound(name), 1.0f);
}

_AppModule::EmitterPtr _AppModule::GetEmitter(const std::string& name) const {
    if (ParticleEmitters.count(name) == 0) {
        DebugLog("***Error: App module cannot find emitter ID :" + name + "***");
        return nullptr;
    }
    return OptionalEmitter(name);
}

void _AppModule::Update(int ms) {
    for (auto& [name, emitter] : ParticleEmitters) {
        if (emitter) {
            emitter->Update(ms * 0.001f);
        }
    }
}

void _AppModule::DrawParticleEmitters() {
    if (appRenderState) {
        appRenderState->Grab();
    }
    for (auto& [name, emitter] : ParticleEmitters) {
        if (emitter) {
            emitter->Draw();
        }
    }
    if (appRenderState) {
        appRenderState->Restore();
    }
}

void _AppModule::ParticleEmitOverControlCaptionRegion(const std::string& window,
                                                      const std::string& control, int count,
                                                      const std::string& emitterName) {
    __Rect region;
    if (appGUI) {
        region = appGUI->GetControlCaptionRegion(window, control);
    }
    EmitterPtr emitter = GetEmitter(emitterName);
    if (!emitter) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        emitter->DoBurst(static_cast<float>(Rand(region.xs, region.xe)),
                         static_cast<float>(Rand(region.ys, region.ye)), 0);
    }
}

int _AppModule::ParticleCount() const {
    int count = 0;
    for (const auto& [name, emitter] : ParticleEmitters) {
        if (emitter) {
            count += emitter->LiveCount();
        }
    }
    return count;
}
