// Player profiles and high-score tables on the program's settings store.
#include <gtest/gtest.h>

#include "app/app_module.h"
#include "app/settings.h"
#include "support/program_state.h"
#include "support/scratch_folder.h"

namespace {

class Profiles : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }  // the scratch folder has no file yet
    void TearDown() override { ResetProgramState(); }

    static AppConstantsManager& Store() { return AppSettings(); }
    static void ClearTables() {
        for (auto& table : _AppModule::highScores) {
            for (auto& entry : table) {
                entry = nullptr;
            }
        }
    }
    static std::vector<std::string> Table(int table, int count) {
        std::vector<std::string> rows;
        for (int p = 0; p < count; ++p) {
            rows.push_back(std::to_string(_AppModule::getHighScoreValue(table, p)) + " " +
                           _AppModule::getHighScoreName(table, p));
        }
        return rows;
    }

    ScratchUserFolder scratch;
};

}  // namespace

TEST_F(Profiles, CreationFillsNineSlotsThenGivesTen) {
    EXPECT_EQ(_AppModule::CountUsers(), 0);
    EXPECT_EQ(_AppModule::UserID(), 0);
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(_AppModule::AddNewUser("P" + std::to_string(n)), n);
        EXPECT_EQ(_AppModule::UserID(), n);
    }
    EXPECT_EQ(_AppModule::CountUsers(), 9);
    EXPECT_EQ(_AppModule::AddNewUser("Tenth"), 10);
    EXPECT_EQ(_AppModule::CountUsers(), 9);
    EXPECT_EQ(_AppModule::currentPlayerName, "Tenth");
    EXPECT_EQ(_AppModule::PlayerProfileName(0), "");
}

TEST_F(Profiles, RemovedSlotIsReusedAndKeepsItsProgress) {
    _AppModule::AddNewUser("Ann");
    _AppModule::AddNewUser("Bob");
    Store().SetConstantValue("player1level", "12", 0);
    _AppModule::RemoveUser(1);
    EXPECT_EQ(_AppModule::CountUsers(), 1);
    EXPECT_EQ(_AppModule::AddNewUser("Cid"), 1);
    EXPECT_EQ(Store().GetConstantValue("player1level", "", 0), "12");

    _AppModule::SelectUser(2);
    EXPECT_EQ(_AppModule::currentPlayerName, "Bob");
    AppConstantsManager reread;
    reread.ReadConstants();
    EXPECT_EQ(reread.GetConstantValue("lastplayer", "", 0), "2");
    EXPECT_EQ(reread.GetConstantValue("player1name", "", 0), "Cid");
}

TEST_F(Profiles, NewScoresGoBelowEqualOnesAndTheLastFallsOff) {
    _AppModule::AddDummyHighScores(0, "AAA", 300, 10, 20);
    EXPECT_EQ(_AppModule::getHighScoreValue(0, 19), 110);
    EXPECT_EQ(_AppModule::getHighScoreValue(0, 20), 0);  // empty position

    _AppModule::currentPlayerName = "Ann";
    EXPECT_EQ(_AppModule::addHighScore(0, 290), 2);  // below the equal 290
    EXPECT_EQ(Table(0, 4), (std::vector<std::string>{"300 AAA", "290 AAA", "290 Ann", "280 AAA"}));
    EXPECT_EQ(_AppModule::getHighScoreValue(0, 19), 120);
    EXPECT_EQ(_AppModule::getHighScoreName(0, 20), "");

    _AppModule::currentPlayerName = "Top";
    EXPECT_EQ(_AppModule::addHighScore(0, 5000), 0);
    EXPECT_EQ(_AppModule::addHighScore(0, 100), -1);  // lower than every entry
    EXPECT_EQ(_AppModule::addHighScore(1, 100), -1);  // empty table never grows
    EXPECT_EQ(_AppModule::addHighScore(7, 100), -1);
    EXPECT_EQ(_AppModule::getHighScoreValue(-1, 500), 0);
}

TEST_F(Profiles, HighScoresSurviveTheFile) {
    _AppModule::AddDummyHighScores(2, "AAA", 50, 20, 4);  // 50 30 10 -10
    _AppModule::currentPlayerName = "Ann, the second";
    _AppModule::addHighScore(2, 40);
    EXPECT_EQ(Store().GetConstantValue(_AppModule::_scoreString(2, 1), "", 0),
              "40,Ann, the second");

    Store().ReadConstants();
    Store().SetConstantValue("score3-0", "no comma", 1);
    ClearTables();
    _AppModule::ReadHighScores();
    EXPECT_EQ(Table(2, 4),
              (std::vector<std::string>{"50 AAA", "40 Ann, the second", "30 AAA", "10 AAA"}));
    EXPECT_EQ(_AppModule::getHighScoreName(3, 0), "no comma");
    EXPECT_EQ(_AppModule::getHighScoreValue(3, 0), 0);
    EXPECT_EQ(_AppModule::getHighScoreValue(2, 4), 0);
}
