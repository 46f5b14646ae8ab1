#pragma once
// The sound decoders behind LoadSound. Each gives interleaved 16-bit stereo at
// the source's rate, or false (after a debug-log line).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
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

// An Ogg Vorbis stream decoded a piece at a time from bytes kept in memory.
class OggStream {
public:
    // Null when the bytes are no single seekable Vorbis stream of known length.
    // Logs nothing, so that any thread may open one.
    static std::unique_ptr<OggStream> Open(std::shared_ptr<const std::string> bytes);
    ~OggStream();
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;

    int Rate() const { return rate; }
    int64_t TotalFrames() const { return totalFrames; }
    // Appends up to maxFrames stereo frames to out. Returns the frames added,
    // 0 at the end of the stream and -1 on damaged data. Logs nothing either.
    int64_t Read(std::vector<int16_t>& out, int64_t maxFrames);
    // Back to the first sample; false when the stream cannot seek.
    bool Rewind();

private:
    OggStream() = default;
    struct State;
    std::unique_ptr<State> state;
    int rate = 0;
    int channels = 0;
    int64_t totalFrames = 0;
};
