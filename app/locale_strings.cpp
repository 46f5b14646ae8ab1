#include "app/locale_strings.h"

#include <map>
#include <memory>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"

namespace {

using LocaleTable = std::map<std::string, std::string>;

std::unique_ptr<LocaleTable>& Table() {
    static std::unique_ptr<LocaleTable> table;
    return table;
}

void ReadLocaleLine(const std::string& raw, LocaleTable& table) {
    if (!raw.empty() && raw[0] == '\'') {
        return;
    }
    const std::string line = FilterPlatformLine(raw);
    if (line.find('=') == std::string::npos) {
        return;
    }
    table[KeyOf(line)] = ValueOf(line);
}

}  // namespace

void localeStringManager::loadLocaleStrings(const std::string& file, int reload) {
    auto& table = Table();
    if (table && reload == 0) {
        return;
    }
    table = std::make_unique<LocaleTable>();
    StreamPtr stream = OpenAssetFile(file);
    if (!stream) {
        // From the archive the loader has said so already.
        if (GetArchivePrefix().empty()) {
            DebugLog("***Error: cannot open locale file: " + file);
        }
        return;
    }
    while (!stream->Eof()) {
        ReadLocaleLine(ReadLine(*stream), *table);
    }
    CloseStream(stream);
}

std::string localeStringManager::getLocaleString(const std::string& key) {
    const auto& table = Table();
    if (table) {
        const auto found = table->find(key);
        if (found != table->end() && !found->second.empty()) {
            return found->second;
        }
    }
    DebugLog("***Error: Unknown locale: " + key + "***");
    return "unknown locale" + key;
}

void localeStringManager::Reset() {
    Table().reset();
}

std::string LocaleText(const std::string& text) {
    return StartsWithNoCase(text, "##") ? localeStringManager::getLocaleString(text) : text;
}
