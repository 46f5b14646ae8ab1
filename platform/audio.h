#pragma once
// Sounds and channels on our own software mixer fed to the SDL audio device.
// When no device opens every call still succeeds, silently.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;

// A decoded sample in the mixer's format (interleaved signed 16-bit stereo at
// MixerRate()).
struct TSound {
    std::vector<int16_t> samples;
    int Frames() const { return static_cast<int>(samples.size() / 2); }
};
using SoundPtr = std::shared_ptr<TSound>;

struct TChannel;
using ChannelPtr = std::shared_ptr<TChannel>;

int MixerRate();  // 44100

// WAV (PCM 8/16 bit) or Ogg Vorbis, decoded whole; null on failure.
SoundPtr LoadSound(const std::string& path, int flags);
SoundPtr LoadSound(TStream& stream, int flags);
SoundPtr DecodeSound(const uint8_t* data, size_t size);

// A new channel holding the sound paused at its start.
ChannelPtr CueSound(const SoundPtr& sound);
// Starts the sound from its beginning on the channel (a new channel when null).
ChannelPtr PlaySound(const SoundPtr& sound, const ChannelPtr& channel = nullptr);
void SetVolume(const ChannelPtr& channel, float volume);
void PauseChannel(const ChannelPtr& channel);
void Resume(const ChannelPtr& channel);
void Stop(const ChannelPtr& channel);
// True while the channel is neither stopped nor finished.
bool Playing(const ChannelPtr& channel);
// Stops every channel (paused ones too).
void StopAllChannels();

// Opens the audio device (done by OpenAudio at start; harmless to repeat).
bool OpenAudio();
void CloseAudio();
// Mixes frames of stereo output into out (2 * frames values). The device
// callback uses it; tests call it directly.
void MixAudio(int16_t* out, int frames);
