#pragma once
// The sound decoders behind LoadSound. Each gives interleaved 16-bit stereo at
// the source's rate, or false (after a debug-log line).
#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedSound {
    int rate = 0;
    std::vector<int16_t> stereo;
};

// Longest sound we decode, in frames at the mixer rate (about 25 minutes).
constexpr int64_t MAX_SOUND_FRAMES = int64_t{64} << 20;

bool DecodeWav(const uint8_t* data, size_t size, DecodedSound& out);
bool DecodeOgg(const uint8_t* data, size_t size, DecodedSound& out);
bool LooksLikeWav(const uint8_t* data, size_t size);
bool LooksLikeOgg(const uint8_t* data, size_t size);

// Linear resampling of interleaved stereo from one rate to another.
std::vector<int16_t> ResampleStereo(const std::vector<int16_t>& stereo, int fromRate, int toRate);
