#include "audio_checks.h"

#include <algorithm>
#include <cmath>

#include "app/assets.h"
#include "platform/stream.h"

namespace content_test {

VorbisFormat ReadVorbisFormat(const std::string& assetPath) {
    const StreamPtr file = OpenAssetFile(assetPath);
    if (!file) {
        return {};
    }
    const std::string bytes = ReadString(*file, 27);
    if (bytes.size() < 27 || bytes.compare(0, 4, "OggS") != 0) {
        return {};
    }
    const int segments = static_cast<unsigned char>(bytes[26]);
    ReadString(*file, segments);
    const std::string packet = ReadString(*file, 16);
    if (packet.size() < 16 || packet[0] != 1 || packet.compare(1, 6, "vorbis") != 0) {
        return {};
    }
    VorbisFormat format;
    format.channels = static_cast<unsigned char>(packet[11]);
    for (int i = 0; i < 4; ++i) {
        format.rate |= static_cast<unsigned char>(packet[12 + i]) << (8 * i);
    }
    return format;
}

double Seconds(const TSound& sound) {
    return sound.Frames() / static_cast<double>(MixerRate());
}

int PeakSample(const TSound& sound) {
    int peak = 0;
    for (const int16_t s : sound.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
}

double PeakDb(const TSound& sound) {
    return 20 * std::log10(std::max(1, PeakSample(sound)) / 32768.0);
}

double RmsDb(const TSound& sound, int first, int count) {
    double sum = 0;
    const size_t begin = static_cast<size_t>(first) * 2,
                 end = static_cast<size_t>(first + count) * 2;
    for (size_t i = begin; i < end && i < sound.samples.size(); ++i) {
        sum += static_cast<double>(sound.samples[i]) * sound.samples[i];
    }
    const double rms = std::sqrt(sum / std::max<size_t>(1, end - begin)) / 32768.0;
    return 20 * std::log10(std::max(rms, 1e-9));
}

double ActiveRmsDb(const TSound& sound) {
    const int window = MixerRate() / 20;
    const double floorDb = PeakDb(sound) - 50;
    double sum = 0;
    long count = 0;
    for (int start = 0; start < sound.Frames(); start += window) {
        const int n = std::min(window, sound.Frames() - start);
        if (RmsDb(sound, start, n) < floorDb) {
            continue;
        }
        for (int i = start * 2; i < (start + n) * 2; ++i) {
            sum += static_cast<double>(sound.samples[static_cast<size_t>(i)]) *
                   sound.samples[static_cast<size_t>(i)];
        }
        count += n * 2;
    }
    if (count == 0) {
        return -200;
    }
    return 20 * std::log10(std::sqrt(sum / count) / 32768.0);
}

}  // namespace content_test
