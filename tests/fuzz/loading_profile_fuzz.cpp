// Loading profiles: one value per line, handed out in order, then 100 for ever.
#include <algorithm>

#include "app/loading_profile.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("script.txt.load", data, size);
    const auto profile = LoadingProfile::Create("script.txt");
    FUZZ_CHECK(profile != nullptr);
    // A line ends at a line feed or a zero byte.
    const size_t lines = static_cast<size_t>(std::count(data, data + size, '\n') +
                                             std::count(data, data + size, '\0')) +
                         1;
    FUZZ_CHECK(profile->items.size() <= lines);
    const size_t count = profile->items.size();
    for (size_t i = 0; i < count; ++i) {
        profile->Update();
    }
    FUZZ_CHECK(profile->items.empty());
    FUZZ_CHECK(profile->Update() == 100);
    return 0;
}
