#pragma once
// The settings store: every persistent value of the game as text keys and
// values, kept in "app.dat" in the user data folder, one "key=value" a line,
// key and value scrambled ("@@" + substituted text) when scrambling is on.
#include <map>
#include <memory>
#include <string>

#include "app/settings_keys.h"

// The deferWrite argument of the setters: write app.dat at once, or leave it
// to a later write.
constexpr int WRITE_NOW = 0;
constexpr int DEFER_WRITE = 1;

class AppConstantsManager {
public:
    // Scrambled file format: off until start-up switches it on.
    static void SetScrambling(bool on);
    static bool IsScrambling();

    void ReadConstants();
    void WriteConstants();
    void CheckMap();
    void AddConstant(const std::string& key, const std::string& value, int deferWrite);
    void RemoveConstant(const std::string& key, int deferWrite);
    std::string GetConstantValue(const std::string& key, const std::string& defaultValue,
                                 int storeDefault);
    void SetConstantValue(const std::string& key, const std::string& value, int deferWrite);

    // Named keys: the key's own default, stored when the key says so.
    std::string Get(const SettingKey& key);
    int GetInt(const SettingKey& key);
    void Set(const SettingKey& key, const std::string& value, int deferWrite);
    std::string GetPlayer(int player, const SettingKey& key);
    int GetPlayerInt(int player, const SettingKey& key);
    void SetPlayer(int player, const SettingKey& key, const std::string& value, int deferWrite);

    // Every entry in key order (empty before the first read or store).
    const std::map<std::string, std::string>& Constants() const;
    // The full path of the settings file.
    static std::string FilePath();

    static std::string _encrypt(const std::string& text);
    static std::string _decrypt(const std::string& text);

private:
    void _readLine(const std::string& line);

    std::unique_ptr<std::map<std::string, std::string>> _appConstants;
    bool saidCannotSave = false;  // until a save succeeds again
};

// The program's one store, read from the settings file on first use.
AppConstantsManager& AppSettings();
// Forgets the store, so that the next AppSettings() reads the file again.
void ResetAppSettings();
