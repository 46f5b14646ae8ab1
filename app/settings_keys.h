#pragma once
// Every key the game keeps in app.dat, named once with its default and
// whether reading it stores the default when it is missing.
#include <string>

struct SettingKey {
    const char* name;
    const char* defaultValue;
    int storeDefault;
};

namespace settings_keys {

// The profile last chosen: start-up reads it with "-1", UserID() with "0".
inline constexpr SettingKey LAST_PLAYER{"lastplayer", "-1", 1};
inline constexpr SettingKey USER_ID{"lastplayer", "0", 1};
inline constexpr SettingKey SOUND_VOLUME{"soundvolume", "0.70", 1};
inline constexpr SettingKey MUSIC_VOLUME{"musicvolume", "0.70", 1};
// The screen mode: read as "1" at start-up (in a page "0", see IsFullscreen),
// as "0" by the screen-mode switch.
inline constexpr SettingKey FULLSCREEN{"Fullscreen", "1", 1};
inline constexpr SettingKey FULLSCREEN_TOGGLE{"Fullscreen", "0", 1};
inline constexpr SettingKey LOCALE{"locale", "data\\locale\\english.txt", 1};
inline constexpr SettingKey HIGH_SCORE{"highscore", "0", 1};
inline constexpr SettingKey LAST_SCORE{"lastscore", "0", 0};

// Per-player keys are "player" + profile number + suffix.
inline constexpr SettingKey PLAYER_NAME{"name", "", 0};
inline constexpr SettingKey PLAYER_LEVEL{"level", "1", 1};
// The level as the menu looks at it: a missing key is not written.
inline constexpr SettingKey PLAYER_LEVEL_SEEN{"level", "1", 0};
inline constexpr SettingKey PLAYER_HINTS{"hints", "0", 1};
inline constexpr SettingKey PLAYER_RETRIES{"retries", "0", 1};
inline constexpr SettingKey PLAYER_UNDOS{"undos", "0", 1};
inline constexpr SettingKey PLAYER_COMPLETE{"complete", "0", 0};

}  // namespace settings_keys

// The start of every per-player key of profile n: "player" + n.
inline std::string PlayerKeyPrefix(int player) {
    return "player" + std::to_string(player);
}

// The key of a per-player setting: "player" + n + the key's suffix.
inline std::string PlayerKey(int player, const SettingKey& key) {
    return PlayerKeyPrefix(player) + key.name;
}

// The key of high-score table T, position P ("score,name"; no default, not
// stored when missing): "score" + T + "-" + P.
inline std::string ScoreKey(int table, int position) {
    return "score" + std::to_string(table) + "-" + std::to_string(position);
}
