// The sound and music service: named songs, effects and one fading music channel.
#include "platform/music.h"

#include <map>

namespace {

constexpr float FADE_STOPS_BELOW = 0.1f;  // a fade from a quieter volume stops at once

struct MusicService {
    std::map<std::string, SoundPtr> songs;
    SongLoader loader;
    float songVolume = 0.0f;
    float effectVolume = 0.0f;
    SoundPtr currentSong;
    ChannelPtr channel;
    std::string queued;
    float fadeLevel = 0.0f;
};

MusicService& S() {
    static MusicService service;
    return service;
}

SoundPtr LoadWithLoader(const std::string& path) {
    const SongLoader& loader = S().loader;
    return loader ? loader(path) : LoadSound(path, 0);
}

// Ends the fade: the song and its channel go; the queued song, if any, starts.
void FinishFade() {
    MusicService& s = S();
    Stop(s.channel);
    s.channel.reset();
    s.currentSong.reset();
    s.fadeLevel = 0.0f;
    if (!s.queued.empty()) {
        const std::string next = s.queued;
        StartSong(next);
    }
}

}  // namespace

void SetSongLoader(SongLoader loader) {
    S().loader = std::move(loader);
}

void LoadSong(const std::string& name, const std::string& path) {
    if (S().songs.find(name) == S().songs.end()) {
        SoundPtr sound = LoadWithLoader(path);
        S().songs[name] = std::move(sound);
    }
}

void UnloadSong(const std::string& name) {
    S().songs.erase(name);
}

SoundPtr FindSong(const std::string& name) {
    const auto found = S().songs.find(name);
    return found == S().songs.end() ? nullptr : found->second;
}

int CountSongs() {
    int count = 0;
    for (const auto& entry : S().songs) {
        count += entry.second ? 1 : 0;
    }
    return count;
}

void PlayEffect(const SoundPtr& sound, float volume) {
    const ChannelPtr channel = CueSound(sound);
    SetVolume(channel, S().effectVolume * volume);
    Resume(channel);
}

void StartSong(const std::string& name) {
    MusicService& s = S();
    const SoundPtr sound = FindSong(name);
    if (sound == s.currentSong) {
        return;
    }
    if (Playing(s.channel)) {
        Stop(s.channel);
    }
    s.fadeLevel = 0.0f;
    s.channel = CueSound(sound);
    s.currentSong = sound;
    s.queued.clear();
    SetVolume(s.channel, s.songVolume);
    Resume(s.channel);
}

void RequestSong(const std::string& name) {
    MusicService& s = S();
    if (s.channel && Playing(s.channel)) {
        s.fadeLevel = s.songVolume;
        if (s.fadeLevel >= FADE_STOPS_BELOW) {
            s.queued = name;
        } else {
            StopMusic();
        }
        return;
    }
    if (!name.empty()) {
        StartSong(name);
    }
}

void StopMusic() {
    MusicService& s = S();
    Stop(s.channel);
    s.channel.reset();
    s.currentSong.reset();
    s.fadeLevel = 0.0f;
    s.queued.clear();
}

void UpdateMusic(int elapsedMs) {
    MusicService& s = S();
    if (!s.channel) {
        return;
    }
    if (!Playing(s.channel) && s.currentSong) {
        PlaySound(s.currentSong, s.channel);  // songs repeat without end
    }
    if (s.fadeLevel > 0.0f) {
        SetVolume(s.channel, s.fadeLevel);
        s.fadeLevel -= static_cast<float>(elapsedMs) * 0.001f;
        // A fade that lands exactly on 0 ends too, or it would hang silent.
        if (s.fadeLevel <= 0.0f) {
            FinishFade();
        }
    }
}

void SetSongVolume(float volume) {
    MusicService& s = S();
    s.songVolume = volume;
    if (Playing(s.channel)) {
        SetVolume(s.channel, volume);
    }
}

float GetSongVolume() {
    return S().songVolume;
}

void SetEffectVolume(float volume) {
    S().effectVolume = volume;
}

float GetEffectVolume() {
    return S().effectVolume;
}

ChannelPtr MusicChannel() {
    return S().channel;
}

SoundPtr CurrentSong() {
    return S().currentSong;
}

float MusicFadeLevel() {
    return S().fadeLevel;
}

const std::string& QueuedSong() {
    return S().queued;
}

void ResetMusicService() {
    MusicService& s = S();
    Stop(s.channel);
    SongLoader loader = std::move(s.loader);
    s = MusicService();
    s.loader = std::move(loader);
}
