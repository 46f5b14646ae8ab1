#include "app/settings.h"

#include <array>

#include "app/line_helpers.h"
#include "app/user_folder.h"
#include "platform/debug_log.h"

namespace {

const char* const SETTINGS_FILE = "app.dat";
const std::string SCRAMBLE_MARK = "@@";
// A real store is a few kilobytes; anything far larger is not ours.
constexpr int64_t SETTINGS_FILE_LIMIT = 16LL * 1024 * 1024;
constexpr size_t SETTINGS_LINE_LIMIT = 64 * 1024;

// The cipher alphabet is a permutation of the plain one; neither holds "=".
const std::string PLAIN_ALPHABET =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-_:;!?()[]{}#/\\+*";
const std::string CIPHER_ALPHABET =
    "i4XED*vt(zsd-w{?VncpMr5Y].+xm0CSKB_,RjT#}/g[8AOaZWIHyl1bh;3oq 9uGFQP:J!UL72kNef)6\\";

using Table = std::array<char, 256>;

Table MakeTable(const std::string& from, const std::string& to) {
    Table table;
    for (size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<char>(i);
    }
    for (size_t i = 0; i < from.size(); ++i) {
        table[static_cast<unsigned char>(from[i])] = to[i];
    }
    return table;
}

std::string Substitute(const std::string& text, const Table& table) {
    std::string out(text);
    for (char& c : out) {
        c = table[static_cast<unsigned char>(c)];
    }
    return out;
}

// Line breaks and zero bytes would split an entry over two lines.
std::string OneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n' && c != '\0') {
            out.push_back(c);
        }
    }
    return out;
}

bool& Scrambling() {
    static bool on = false;
    return on;
}

std::unique_ptr<AppConstantsManager>& SharedStore() {
    static std::unique_ptr<AppConstantsManager> store;
    return store;
}

}  // namespace

AppConstantsManager& AppSettings() {
    auto& store = SharedStore();
    if (!store) {
        store = std::make_unique<AppConstantsManager>();
        store->ReadConstants();
    }
    return *store;
}

void ResetAppSettings() {
    SharedStore().reset();
}

void AppConstantsManager::SetScrambling(bool on) {
    Scrambling() = on;
}

bool AppConstantsManager::IsScrambling() {
    return Scrambling();
}

std::string AppConstantsManager::FilePath() {
    return SettingsFolder(GetUserFolderName()) + SETTINGS_FILE;
}

std::string AppConstantsManager::_encrypt(const std::string& text) {
    static const Table table = MakeTable(PLAIN_ALPHABET, CIPHER_ALPHABET);
    return SCRAMBLE_MARK + Substitute(text, table);
}

std::string AppConstantsManager::_decrypt(const std::string& text) {
    static const Table table = MakeTable(CIPHER_ALPHABET, PLAIN_ALPHABET);
    if (text.compare(0, SCRAMBLE_MARK.size(), SCRAMBLE_MARK) != 0) {
        return text;
    }
    return Substitute(text.substr(SCRAMBLE_MARK.size()), table);
}

void AppConstantsManager::CheckMap() {
    if (!_appConstants) {
        _appConstants = std::make_unique<std::map<std::string, std::string>>();
    }
}

const std::map<std::string, std::string>& AppConstantsManager::Constants() const {
    static const std::map<std::string, std::string> none;
    return _appConstants ? *_appConstants : none;
}

void AppConstantsManager::_readLine(const std::string& line) {
    if (line.size() > SETTINGS_LINE_LIMIT) {
        DebugLog("***Error: settings line too long (" + std::to_string(line.size()) +
                 " bytes), ignored");
        return;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
        return;
    }
    const std::string key = _decrypt(line.substr(0, eq));
    if (key.empty()) {
        return;
    }
    (*_appConstants)[key] = _decrypt(line.substr(eq + 1));
}

void AppConstantsManager::ReadConstants() {
    _appConstants = std::make_unique<std::map<std::string, std::string>>();
    StreamPtr stream = OpenSettingsFile(GetUserFolderName(), SETTINGS_FILE);
    if (!stream) {
        DebugLog("cannot open constants file");
        return;
    }
    if (stream->Size() > SETTINGS_FILE_LIMIT) {
        DebugLog("***Error: settings file too large, ignored");
        CloseStream(stream);
        return;
    }
    while (!stream->Eof()) {
        _readLine(ReadLine(*stream));
    }
    CloseStream(stream);
}

void AppConstantsManager::WriteConstants() {
    CheckMap();
    const bool scrambled = IsScrambling();
    // Plain text that begins with the mark would lose it on reading: such
    // text is written scrambled, which reads back as itself.
    const auto stored = [scrambled](const std::string& plain) {
        return scrambled || plain.compare(0, SCRAMBLE_MARK.size(), SCRAMBLE_MARK) == 0
                   ? _encrypt(plain)
                   : plain;
    };
    std::string text;
    for (const auto& [rawKey, rawValue] : *_appConstants) {
        const std::string key = OneLine(rawKey);
        if (key.empty() || key.find('=') != std::string::npos) {
            DebugLog("***Error: settings key cannot be stored: " + key);
            continue;
        }
        const std::string value = OneLine(rawValue);
        text += stored(key);
        text += '=';
        text += stored(value);
        text += "\r\n";
    }
    if (!PrepareSettingsFolder(GetUserFolderName()) || !ReplaceFileSafely(FilePath(), text)) {
        // Said once: a full disk or a read-only folder fails every save alike.
        if (!saidCannotSave) {
            DebugLog("Cannot open config file for writing: " + FilePath() +
                     " (the game goes on; what was saved before stays)");
            saidCannotSave = true;
        }
        return;
    }
    saidCannotSave = false;
}

void AppConstantsManager::AddConstant(const std::string& key, const std::string& value,
                                      int deferWrite) {
    CheckMap();
    (*_appConstants)[key] = value;
    if (deferWrite == 0) {
        WriteConstants();
    }
}

void AppConstantsManager::RemoveConstant(const std::string& key, int deferWrite) {
    CheckMap();
    _appConstants->erase(key);
    if (deferWrite == 0) {
        WriteConstants();
    }
}

std::string AppConstantsManager::GetConstantValue(const std::string& key,
                                                  const std::string& defaultValue,
                                                  int storeDefault) {
    CheckMap();
    const auto found = _appConstants->find(key);
    const std::string value = found != _appConstants->end() ? found->second : std::string();
    if (!value.empty()) {
        return value;
    }
    if (storeDefault != 0) {
        AddConstant(key, defaultValue, 0);
    }
    return defaultValue;
}

void AppConstantsManager::SetConstantValue(const std::string& key, const std::string& value,
                                           int deferWrite) {
    AddConstant(key, value, deferWrite);
}

std::string AppConstantsManager::Get(const SettingKey& key) {
    return GetConstantValue(key.name, key.defaultValue, key.storeDefault);
}

int AppConstantsManager::GetInt(const SettingKey& key) {
    return ToInt(Get(key));
}

void AppConstantsManager::Set(const SettingKey& key, const std::string& value, int deferWrite) {
    SetConstantValue(key.name, value, deferWrite);
}

std::string AppConstantsManager::GetPlayer(int player, const SettingKey& key) {
    return GetConstantValue(PlayerKey(player, key), key.defaultValue, key.storeDefault);
}

int AppConstantsManager::GetPlayerInt(int player, const SettingKey& key) {
    return ToInt(GetPlayer(player, key));
}

void AppConstantsManager::SetPlayer(int player, const SettingKey& key, const std::string& value,
                                    int deferWrite) {
    SetConstantValue(PlayerKey(player, key), value, deferWrite);
}
