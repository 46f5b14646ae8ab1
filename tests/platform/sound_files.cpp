#include "sound_files.h"

namespace {

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::string EncodeWav(const std::vector<int>& samples, int channels, int rate, int bits) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * (bits / 8));
    std::string out = "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);
    PutLE(out, static_cast<uint32_t>(channels), 2);
    PutLE(out, static_cast<uint32_t>(rate), 4);
    PutLE(out, static_cast<uint32_t>(rate * channels * bits / 8), 4);
    PutLE(out, static_cast<uint32_t>(channels * bits / 8), 2);
    PutLE(out, static_cast<uint32_t>(bits), 2);
    out += "data";
    PutLE(out, dataBytes, 4);
    for (int sample : samples) {
        PutLE(out, static_cast<uint32_t>(bits == 8 ? sample + 128 : sample), bits / 8);
    }
    return out;
}

SoundPtr ConstantSound(int frames, int16_t value) {
    auto sound = std::make_shared<TSound>();
    sound->samples.assign(static_cast<size_t>(frames) * 2, value);
    return sound;
}
