// WAV: uncompressed PCM, 8 or 16 bit, mono or stereo, any rate.
#include <cstring>
#include <string>

#include "platform/byte_reader.h"
#include "platform/debug_log.h"
#include "platform/sound_codecs.h"

namespace {

constexpr uint32_t PCM = 1;
constexpr uint32_t EXTENSIBLE = 0xFFFE;

struct WavFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    bool found = false;
};

bool ChunkIs(const ByteReader& in, size_t at, const char* id) {
    return in.Has(at, 4) && std::memcmp(in.data + at, id, 4) == 0;
}

bool ReadFormat(const ByteReader& in, size_t at, size_t size, WavFormat& format) {
    if (size < 16 || !in.Has(at, 16)) {
        return false;
    }
    uint32_t tag = in.U16(at);
    if (tag == EXTENSIBLE && size >= 26 && in.Has(at, 26)) {
        tag = in.U16(at + 24);  // the sub-format's first two bytes
    }
    format.channels = static_cast<int>(in.U16(at + 2));
    format.rate = static_cast<int>(in.U32(at + 4));
    format.bits = static_cast<int>(in.U16(at + 14));
    format.found = true;
    return tag == PCM && (format.channels == 1 || format.channels == 2) &&
           (format.bits == 8 || format.bits == 16) && format.rate >= 1000 && format.rate <= 192000;
}

int16_t SampleAt(const uint8_t* p, int bits) {
    if (bits == 8) {
        return static_cast<int16_t>((static_cast<int>(p[0]) - 128) * 256);
    }
    return static_cast<int16_t>(p[0] | (p[1] << 8));
}

bool Fail(const std::string& why) {
    DebugLog("sound: bad WAV: " + why);
    return false;
}

}  // namespace

bool LooksLikeWav(const uint8_t* data, size_t size) {
    return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

bool DecodeWav(const uint8_t* data, size_t size, DecodedSound& out) {
    const ByteReader in{data, size};
    WavFormat format;
    size_t at = 12;
    while (in.Has(at, 8)) {
        const size_t chunkSize = in.U32(at + 4);
        const size_t body = at + 8;
        if (ChunkIs(in, at, "fmt ")) {
            if (!ReadFormat(in, body, chunkSize, format)) {
                return Fail("unsupported format");
            }
        } else if (ChunkIs(in, at, "data")) {
            if (!format.found) {
                return Fail("data before format");
            }
            if (!in.Has(body, chunkSize)) {
                return Fail("data ends early");
            }
            const size_t frameBytes = static_cast<size_t>(format.channels) * (format.bits / 8);
            const size_t frames = chunkSize / frameBytes;
            if (static_cast<int64_t>(frames) > MAX_SOUND_FRAMES) {
                return Fail("too long");
            }
            out.rate = format.rate;
            out.stereo.resize(frames * 2);
            const size_t sampleBytes = static_cast<size_t>(format.bits / 8);
            for (size_t i = 0; i < frames; ++i) {
                const uint8_t* frame = data + body + i * frameBytes;
                out.stereo[i * 2] = SampleAt(frame, format.bits);
                out.stereo[i * 2 + 1] =
                    SampleAt(frame + (format.channels == 2 ? sampleBytes : 0), format.bits);
            }
            return true;
        }
        if (chunkSize > size) {
            break;
        }
        at = body + chunkSize + (chunkSize & 1);
    }
    return Fail("no sound data");
}
