// Player profiles and the high-score tables, kept in the settings store.
#include <charconv>

#include "app/app_module.h"
#include "app/line_helpers.h"
#include "app/settings.h"

std::string _AppModule::currentPlayerName;
std::shared_ptr<highScore> _AppModule::highScores[HIGHSCORE_TABLES][HIGHSCORE_POSITIONS];

namespace {

constexpr int MAX_PROFILES = 9;

bool ValidPosition(int table, int position) {
    return table >= 0 && table < HIGHSCORE_TABLES && position >= 0 &&
           position < HIGHSCORE_POSITIONS;
}

// The leading decimal number of text as a 64-bit integer, 0 when there is none.
int64_t ParseScore(const std::string& text) {
    int64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    std::from_chars(begin, end, value);
    return value;
}

std::shared_ptr<highScore> MakeEntry(const std::string& score, const std::string& name) {
    auto entry = std::make_shared<highScore>();
    entry->score = score;
    entry->name = name;
    return entry;
}

}  // namespace

int _AppModule::UserID() {
    return AppSettings().GetInt(settings_keys::USER_ID);
}

std::string _AppModule::PlayerProfileName(int n) {
    if (n == 0) {
        return "";
    }
    return AppSettings().GetPlayer(n, settings_keys::PLAYER_NAME);
}

int _AppModule::CountUsers() {
    int count = 0;
    for (int n = 1; n <= MAX_PROFILES; ++n) {
        if (!PlayerProfileName(n).empty()) {
            ++count;
        }
    }
    return count;
}

int _AppModule::AddNewUser(const std::string& name) {
    int slot = 1;
    while (slot <= MAX_PROFILES && !PlayerProfileName(slot).empty()) {
        ++slot;
    }
    AppSettings().Set(settings_keys::USER_ID, std::to_string(slot), DEFER_WRITE);
    AppSettings().SetPlayer(slot, settings_keys::PLAYER_NAME, name, WRITE_NOW);
    currentPlayerName = name;
    return slot;
}

void _AppModule::SelectUser(int n) {
    currentPlayerName = PlayerProfileName(n);
    AppSettings().Set(settings_keys::USER_ID, std::to_string(n), WRITE_NOW);
}

void _AppModule::RemoveUser(int n) {
    AppSettings().RemoveConstant(PlayerKey(n, settings_keys::PLAYER_NAME), WRITE_NOW);
}

std::string _AppModule::_scoreString(int table, int position) {
    return ScoreKey(table, position);
}

void _AppModule::ReadHighScores() {
    for (int t = 0; t < HIGHSCORE_TABLES; ++t) {
        for (int p = 0; p < HIGHSCORE_POSITIONS; ++p) {
            const std::string text = AppSettings().GetConstantValue(ScoreKey(t, p), "", 0);
            if (text.empty()) {
                highScores[t][p] = nullptr;
                continue;
            }
            const size_t comma = text.find(',');
            highScores[t][p] = comma == std::string::npos
                                   ? MakeEntry("", text)
                                   : MakeEntry(text.substr(0, comma), text.substr(comma + 1));
        }
    }
}

void _AppModule::WriteHighScores() {
    // Every store is deferred: the file is written once, with the same result.
    for (int t = 0; t < HIGHSCORE_TABLES; ++t) {
        for (int p = 0; p < HIGHSCORE_POSITIONS; ++p) {
            const auto& entry = highScores[t][p];
            if (!entry) {
                continue;
            }
            const std::string text = entry->score + "," + entry->name;
            if (text.size() > 2) {
                AppSettings().SetConstantValue(_scoreString(t, p), text, DEFER_WRITE);
            }
        }
    }
    AppSettings().WriteConstants();
}

int _AppModule::addHighScore(int table, int64_t score) {
    if (!ValidPosition(table, 0)) {
        return -1;
    }
    for (int p = 0; p < HIGHSCORE_POSITIONS; ++p) {
        if (highScores[table][p] && getHighScoreValue(table, p) < score) {
            _insertHighScore(table, p, score);
            WriteHighScores();
            return p;
        }
    }
    return -1;
}

void _AppModule::_insertHighScore(int table, int position, int64_t score) {
    if (!ValidPosition(table, position)) {
        return;
    }
    auto& row = highScores[table];
    for (int i = HIGHSCORE_POSITIONS - 2; i >= position; --i) {
        if (row[i] && row[i + 1]) {
            *row[i + 1] = *row[i];
        }
    }
    if (!row[position]) {
        row[position] = std::make_shared<highScore>();
    }
    row[position]->score = std::to_string(score);
    row[position]->name = currentPlayerName;
}

int64_t _AppModule::getHighScoreValue(int table, int position) {
    if (!ValidPosition(table, position) || !highScores[table][position]) {
        return 0;
    }
    return ParseScore(highScores[table][position]->score);
}

std::string _AppModule::getHighScoreName(int table, int position) {
    if (!ValidPosition(table, position) || !highScores[table][position]) {
        return "";
    }
    return highScores[table][position]->name;
}

void _AppModule::AddDummyHighScores(int table, const std::string& name, int64_t startScore,
                                    int64_t step, int count) {
    if (!ValidPosition(table, 0)) {
        return;
    }
    int64_t score = startScore;
    for (int p = 0; p < count && p < HIGHSCORE_POSITIONS; ++p) {
        if (highScores[table][p]) {
            continue;
        }
        highScores[table][p] = MakeEntry(std::to_string(score), name);
        score -= step;
    }
}
