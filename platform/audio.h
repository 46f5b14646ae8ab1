#pragma once
// Sounds and channels on our own software mixer fed to the SDL audio device.
// When no device opens every call still succeeds, silently.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;

// A decoded sample in the mixer's format (interleaved signed 16-bit stereo at
// MixerRate()), or a streamed one: its compressed Ogg Vorbis bytes, which the
// mixer decodes a little ahead of the playing position. A streamed sound loops
// on its channel without a gap until the channel is stopped.
struct TSound {
    std::vector<int16_t> samples;
    std::shared_ptr<const std::string> encoded;
    int64_t encodedFrames = 0;
    bool Streamed() const { return encoded != nullptr; }
    int Frames() const {
        return Streamed() ? static_cast<int>(encodedFrames) : static_cast<int>(samples.size() / 2);
    }
    // Bytes this sound holds in memory.
    size_t MemoryBytes() const {
        return samples.size() * sizeof(int16_t) + (encoded ? encoded->size() : 0);
    }
};
using SoundPtr = std::shared_ptr<TSound>;

struct TChannel;
using ChannelPtr = std::shared_ptr<TChannel>;

int MixerRate();  // 44100

// LoadSound flag: keep an Ogg Vorbis sound at the mixer rate compressed and
// stream it (songs). Other sounds are decoded whole as without it.
constexpr int SOUND_STREAMED = 0x100;

// WAV (PCM 8/16 bit) or Ogg Vorbis, decoded whole; null on failure.
SoundPtr LoadSound(const std::string& path, int flags);
SoundPtr LoadSound(TStream& stream, int flags);
SoundPtr DecodeSound(const uint8_t* data, size_t size);
// The bytes as a streamed sound when they are Ogg Vorbis at the mixer rate,
// else decoded whole; null on failure.
SoundPtr StreamSound(std::string bytes);

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
