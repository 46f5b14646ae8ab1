#pragma once
// Builds WAV files and sounds in memory for the mixer and decoder tests.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"

// PCM WAV of the given samples (interleaved when stereo), 8 or 16 bit.
std::string EncodeWav(const std::vector<int>& samples, int channels, int rate, int bits);
// A sound of frames stereo frames, every sample value.
SoundPtr ConstantSound(int frames, int16_t value);
