// Ogg sounds: any bytes decode to whole stereo frames within the length limit, or fail.
#include "fuzz/sound_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSound(data, size, DecodeOgg);
    return 0;
}
