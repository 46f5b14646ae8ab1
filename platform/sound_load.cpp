// LoadSound: reads a source, picks the decoder and converts to the mixer rate.
#include <cmath>

#include "platform/audio.h"
#include "platform/debug_log.h"
#include "platform/sound_codecs.h"
#include "platform/stream.h"

std::vector<int16_t> ResampleStereo(const std::vector<int16_t>& stereo, int fromRate, int toRate) {
    const int64_t frames = static_cast<int64_t>(stereo.size() / 2);
    if (fromRate == toRate || frames == 0 || fromRate <= 0 || toRate <= 0) {
        return stereo;
    }
    const int64_t outFrames = frames * toRate / fromRate;
    std::vector<int16_t> out(static_cast<size_t>(outFrames) * 2);
    const double step = static_cast<double>(fromRate) / toRate;
    for (int64_t i = 0; i < outFrames; ++i) {
        const double at = static_cast<double>(i) * step;
        const int64_t first = static_cast<int64_t>(at);
        const int64_t second = first + 1 < frames ? first + 1 : first;
        const double t = at - static_cast<double>(first);
        for (int c = 0; c < 2; ++c) {
            const double a = stereo[static_cast<size_t>(first * 2 + c)];
            const double b = stereo[static_cast<size_t>(second * 2 + c)];
            out[static_cast<size_t>(i * 2 + c)] =
                static_cast<int16_t>(std::lround(a + (b - a) * t));
        }
    }
    return out;
}

SoundPtr DecodeSound(const uint8_t* data, size_t size) {
    DecodedSound decoded;
    bool ok = false;
    if (data == nullptr || size == 0) {
        DebugLog("sound: empty source");
    } else if (LooksLikeWav(data, size)) {
        ok = DecodeWav(data, size, decoded);
    } else if (LooksLikeOgg(data, size)) {
        ok = DecodeOgg(data, size, decoded);
    } else {
        DebugLog("sound: unknown sound format");
    }
    if (!ok) {
        return nullptr;
    }
    if (int64_t{static_cast<int64_t>(decoded.stereo.size() / 2)} * MixerRate() / decoded.rate >
        MAX_SOUND_FRAMES) {
        DebugLog("sound: too long");
        return nullptr;
    }
    auto sound = std::make_shared<TSound>();
    sound->samples = ResampleStereo(decoded.stereo, decoded.rate, MixerRate());
    return sound;
}

SoundPtr StreamSound(std::string bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (!LooksLikeOgg(data, bytes.size())) {
        return DecodeSound(data, bytes.size());
    }
    auto encoded = std::make_shared<const std::string>(std::move(bytes));
    const std::unique_ptr<OggStream> stream = OggStream::Open(encoded);
    // Streams are not resampled on the fly, and a damaged one plays what decodes.
    if (!stream || stream->Rate() != MixerRate()) {
        return DecodeSound(reinterpret_cast<const uint8_t*>(encoded->data()), encoded->size());
    }
    auto sound = std::make_shared<TSound>();
    sound->encoded = std::move(encoded);
    sound->encodedFrames = stream->TotalFrames();
    return sound;
}

SoundPtr LoadSound(TStream& stream, int flags) {
    std::string bytes = ReadAll(stream);
    if ((flags & SOUND_STREAMED) != 0) {
        return StreamSound(std::move(bytes));
    }
    return DecodeSound(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

SoundPtr LoadSound(const std::string& path, int flags) {
    StreamPtr stream = ReadStream(path);
    if (!stream) {
        DebugLog("sound: cannot open " + path);
        return nullptr;
    }
    SoundPtr sound = LoadSound(*stream, flags);
    if (!sound) {
        DebugLog("sound: cannot decode " + path);
    }
    return sound;
}
