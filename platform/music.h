#pragma once
// The game's sound and music service: a table of named songs, effects with an
// effects volume, and one music channel with fade-out, a queued song and
// endless repeat.
#include <functional>
#include <string>

#include "platform/audio.h"

// How LoadSong reads a sound (the shell plugs in the asset loader).
using SongLoader = std::function<SoundPtr(const std::string& path)>;
void SetSongLoader(SongLoader loader);

void LoadSong(const std::string& name, const std::string& path);
void UnloadSong(const std::string& name);
SoundPtr FindSong(const std::string& name);
int CountSongs();
void PlayEffect(const SoundPtr& sound, float volume);
void RequestSong(const std::string& name);
void StartSong(const std::string& name);
void StopMusic();
void UpdateMusic(int elapsedMs);
void SetSongVolume(float volume);
float GetSongVolume();
void SetEffectVolume(float volume);
float GetEffectVolume();

// Read-outs for tests and the game.
ChannelPtr MusicChannel();
SoundPtr CurrentSong();
float MusicFadeLevel();
const std::string& QueuedSong();
// Drops every song and resets the service to its initial state.
void ResetMusicService();
