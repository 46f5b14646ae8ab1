// Locale files: any bytes give a table; every lookup answers with text.
#include "app/locale_strings.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("locale.txt", data, size);
    localeStringManager::loadLocaleStrings("locale.txt", 1);
    for (const char* key : {"##", "##title", "##OK", "plain"}) {
        const std::string text = LocaleText(key);
        FUZZ_CHECK(!text.empty());
        FUZZ_CHECK(text.size() <= size + 64);
    }
    localeStringManager::Reset();
    return 0;
}
