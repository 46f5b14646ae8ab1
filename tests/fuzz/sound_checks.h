#pragma once
// What every sound decoder promises about a decoded sound.
#include "fuzz/fuzz_support.h"
#include "platform/audio.h"
#include "platform/sound_codecs.h"

// One decoder, then the whole load (format pick and resampling) over the same bytes.
template <typename Decode>
void FuzzSound(const uint8_t* data, size_t size, Decode decode) {
    DecodedSound decoded;
    if (decode(data, size, decoded)) {
        FUZZ_CHECK(decoded.rate > 0);
        FUZZ_CHECK(decoded.stereo.size() % 2 == 0);
        FUZZ_CHECK(static_cast<int64_t>(decoded.stereo.size() / 2) <= MAX_SOUND_FRAMES);
    }
    const SoundPtr sound = DecodeSound(data, size);
    if (sound) {
        FUZZ_CHECK(sound->samples.size() % 2 == 0);
        FUZZ_CHECK(sound->Frames() <= MAX_SOUND_FRAMES);
    }
}
