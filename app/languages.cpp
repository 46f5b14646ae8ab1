#include "app/languages.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "platform/debug_log.h"
#include "platform/system_language.h"

namespace {

const char* const LANGUAGE_LIST = "data/locale/languages.txt";

bool SameFile(const std::string& a, const std::string& b) {
    return ToLower(ForwardSlashes(a)) == ToLower(ForwardSlashes(b));
}

}  // namespace

std::vector<Language> ShippedLanguages() {
    std::vector<Language> languages;
    StreamPtr stream = OpenAssetFile(LANGUAGE_LIST);
    while (stream && !stream->Eof()) {
        const std::string line = ReadLine(*stream);
        if (line.empty() || line[0] == '\'' || line.find('=') == std::string::npos) {
            continue;
        }
        languages.push_back({ToLower(TrimSpaces(KeyOf(line))), TrimSpaces(ValueOf(line))});
    }
    if (stream) {
        CloseStream(stream);
    }
    if (languages.empty()) {
        DebugLog("***Error: no languages in " + std::string(LANGUAGE_LIST) + "***");
        languages.push_back({"en", settings_keys::LOCALE.defaultValue});
    }
    return languages;
}

std::string LocaleFileForLanguage(const std::string& code) {
    const std::vector<Language> languages = ShippedLanguages();
    for (const Language& language : languages) {
        if (language.code == ToLower(code)) {
            return language.file;
        }
    }
    return languages.front().file;
}

std::string NextLocaleFile(const std::string& file) {
    const std::vector<Language> languages = ShippedLanguages();
    for (size_t i = 0; i < languages.size(); ++i) {
        if (SameFile(languages[i].file, file)) {
            return languages[(i + 1) % languages.size()].file;
        }
    }
    return languages.front().file;
}

bool IsShipped(const std::string& file) {
    for (const Language& language : ShippedLanguages()) {
        if (SameFile(language.file, file)) {
            return true;
        }
    }
    return false;
}

std::string ChosenLocaleFile() {
    AppConstantsManager& settings = AppSettings();
    const std::string chosen = settings.GetConstantValue(settings_keys::LOCALE.name, "", 0);
    if (!chosen.empty() && IsShipped(chosen)) {
        return chosen;
    }
    if (!chosen.empty()) {
        DebugLog("***Error: the game does not speak the locale " + chosen + "***");
    }
    const std::string file = LocaleFileForLanguage(SystemLanguage());
    settings.Set(settings_keys::LOCALE, file, 0);
    return file;
}

void ChooseLocaleFile(const std::string& file) {
    AppSettings().Set(settings_keys::LOCALE, file, 0);
    localeStringManager::loadLocaleStrings(file, 1);
}
