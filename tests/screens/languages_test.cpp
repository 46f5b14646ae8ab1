// The four languages: every locale file holds exactly the English keys, with
// a glyph for every character and a picture behind every picture key; the
// first start follows the system's language, the options switch it at once
// and a restart keeps it; names take the letters these languages use; and no
// caption, status text or dialog text is wider than its control.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "app/assets.h"
#include "app/languages.h"
#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "forms/window.h"
#include "game_screen_test_support.h"
#include "menu_test_support.h"
#include "platform/clock.h"
#include "platform/stream.h"
#include "support/program_state.h"
#include "toolkit/bmfont.h"

namespace {

namespace fs = std::filesystem;

using LocaleFile = std::map<std::string, std::string>;

// The "##" lines of a locale file in the archive, as the game reads them.
LocaleFile ReadLocale(const std::string& file) {
    LocaleFile texts;
    StreamPtr stream = OpenAssetFile(file);
    EXPECT_TRUE(stream) << file;
    while (stream && !stream->Eof()) {
        const std::string line = ReadLine(*stream);
        if (!line.empty() && line[0] != '\'' && line.find('=') != std::string::npos) {
            EXPECT_FALSE(texts.contains(KeyOf(line))) << file << " twice: " << KeyOf(line);
            texts[KeyOf(line)] = ValueOf(line);
        }
    }
    return texts;
}

std::set<std::string> KeysOf(const LocaleFile& texts) {
    std::set<std::string> keys;
    for (const auto& [key, text] : texts) {
        keys.insert(key);
    }
    return keys;
}

// Every form file the game ships, as the archive names it.
std::vector<std::string> ShippedForms() {
    std::vector<std::string> forms;
    const fs::path data = fs::path(TESS_SOURCE_DIR) / "data";
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
        const fs::path relative = fs::relative(entry.path(), data);
        if (entry.is_regular_file() && relative.parent_path().filename() == "forms") {
            forms.push_back("data/" + ToLower(relative.generic_string()));
        }
    }
    return forms;
}

int Width(const _qxControl& control) {
    return control.position.xe - control.position.xs;
}

float TextWidth(const ControlPtr& control, const std::string& text) {
    return control && control->font ? control->font->TextWidth(text, -1) : 0.0f;
}

const char* const FONTS[] = {"desyrel18.fnt", "desyrel24.fnt", "desyrel32.fnt"};

}  // namespace

class LanguagesTest : public MenuTest {
protected:
    void TearDown() override {
        unsetenv("LANG");
        MenuTest::TearDown();
    }

    static std::string Caption(const std::string& form, const std::string& control) {
        return _AppModule::appGUI->GetControlCaptionText(form, control);
    }
};

TEST_F(LanguagesTest, EveryLocaleHasTheEnglishKeysAGlyphForEveryLetterAndItsPictures) {
    const std::vector<Language> languages = ShippedLanguages();
    ASSERT_EQ(languages.size(), 4u);
    const LocaleFile english = ReadLocale(languages.front().file);
    ASSERT_GT(english.size(), 100u);
    for (const Language& language : languages) {
        SCOPED_TRACE(language.file);
        const LocaleFile texts = ReadLocale(language.file);
        EXPECT_EQ(KeysOf(texts), KeysOf(english));
        for (const auto& [key, text] : texts) {
            EXPECT_FALSE(text.empty()) << key;
            for (const char c : text) {
                const int code = static_cast<unsigned char>(c);
                for (const char* font : FONTS) {
                    EXPECT_TRUE(_qxGUI::getFont(font)->HasGlyph(code))
                        << key << ": " << font << " lacks character " << code;
                }
            }
            if (key.starts_with("##Picture_")) {
                EXPECT_TRUE(OpenAssetFile(text)) << key << " names " << text;
            }
        }
    }
}

TEST_F(LanguagesTest, FirstStartSpeaksTheSystemsLanguageTheOptionsSwitchAtOnceARestartKeeps) {
    setenv("LANG", "de_DE.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    AppSettings().SetConstantValue("locale", "", 0);  // as before the first start
    localeStringManager::Reset();
    LoadLocaleFromSettings();
    MakePlayer("J\xF6rg", 1);
    StartMenu();
    EXPECT_EQ(Caption("menu", "start"), "Spielen");
    EXPECT_EQ(Caption("menu", "username"), "Hallo, J\xF6rg");
    EXPECT_EQ(Stored("locale"), "data\\locale\\german.txt");
    SaveFrame("languages_menu_german");
    // The other forms of the menu, in German, for a look by eye.
    for (const auto& [button, form, back] : {std::tuple{"login", "login", "login_back"},
                                             {"highscores", "highscores", "hs1_next"},
                                             {"freeplay", "relaxed", "relaxed_back"}}) {
        ClickControl("menu", button);
        ASSERT_TRUE(Showing(form)) << form;
        StepFrames(40);
        SaveFrame(std::string("languages_german_") + form);
        ClickControl(form, back);
        StepFrames(40);
    }

    ClickControl("menu", "options");
    EXPECT_EQ(Caption("options", "language"), "Deutsch");
    ClickControl("options", "language");
    EXPECT_EQ(Caption("options", "language"), "Fran\xE7\x61is");
    EXPECT_EQ(Caption("options", "options_title"), "R\xE9glages");
    EXPECT_EQ(Caption("menu", "start"), "Jouer");
    EXPECT_EQ(Caption("menu", "login"), "Tu n'es pas J\xF6rg\xA0? Choisis un autre joueur");
    StepFrames(40);
    SaveFrame("languages_options_french");
    ClickControl("options", "options_cancel");  // the language stays, as the screen mode does
    EXPECT_EQ(Stored("locale"), "data\\locale\\french.txt");

    // A restart, on a system that speaks German still.
    ResetProgramState();
    MountShippedArchive();
    _AppModule::lastTickMS = MilliSecs();
    _AppModule::LoadGUI("data/gui/gui.txt");
    LoadLocaleFromSettings();
    progressScreen::BuildList();
    StartMenu();
    EXPECT_EQ(Caption("menu", "start"), "Jouer");
}

TEST_F(LanguagesTest, AnUnknownSystemLanguageOrLocaleSettingGivesEnglish) {
    setenv("LANG", "ja_JP.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    AppSettings().SetConstantValue("locale", "", 0);
    localeStringManager::Reset();
    LoadLocaleFromSettings();
    EXPECT_EQ(Stored("locale"), "data\\locale\\english.txt");
    AppSettings().SetConstantValue("locale", "data\\locale\\klingon.txt", 0);
    setenv("LANG", "es_ES.UTF-8", 1);
    localeStringManager::Reset();
    LoadLocaleFromSettings();
    EXPECT_EQ(localeStringManager::getLocaleString("##Menu_Start"), "Jugar");
}

TEST_F(LanguagesTest, ANameWithSharpSAndAccentsIsStoredAndShownBack) {
    StartMenu();
    ClickControl("menu", "start");
    ASSERT_TRUE(Showing("newuser"));
    // Typed as the window system delivers it: UTF-8, one character an event,
    // with an emoji and a euro sign the font cannot show in between.
    for (const char* typed : {"R", "e", "n", "é", "\xF0\x9F\x99\x82", " ", "\xE2\x82\xAC", "S", "t",
                              "r", "a", "ß", "e"}) {
        InjectText(typed);
        StepFrames(1, FRAME_MS);
    }
    EXPECT_EQ(Caption("newuser", "newuser_name"), "Ren\xE9 Stra\xDF\x65");
    ClickControl("newuser", "newuser_ok");
    EXPECT_EQ(_AppModule::currentPlayerName, "Ren\xE9 Stra\xDF\x65");
    EXPECT_EQ(Stored("player1name"), "Ren\xE9 Stra\xDF\x65");
}

// Every caption of every form, every status text and dialog text, in each
// language and its control's font, fits its control.
TEST_F(LanguagesTest, EveryTextFitsItsControlInEveryLanguage) {
    const std::string name = "Alexandra";
    for (const Language& language : ShippedLanguages()) {
        SCOPED_TRACE(language.file);
        ChooseLocaleFile(language.file);
        for (const std::string& file : ShippedForms()) {
            const std::string form = _AppModule::appGUI->LoadWindow(file);
            const WindowPtr window = _AppModule::appGUI->GetWindow(form);
            ASSERT_TRUE(window) << file;
            for (const ControlPtr& control : window->controls) {
                if (!control->captionText.empty()) {
                    EXPECT_LE(TextWidth(control, control->captionText), Width(*control))
                        << file << " " << control->name << ": " << control->captionText;
                    EXPECT_LE(control->font->TextHeight(control->captionText),
                              control->position.ye - control->position.ys + 4)
                        << file << " " << control->name << " is too low for its caption";
                }
            }
        }
        // The texts the screens put into captions.
        struct Shown {
            const char* form;
            const char* control;
            std::string text;
        };
        std::vector<Shown> shown = {
            {"menu", "username", LocaleText("##Welcome") + " " + name},
            {"menu", "login", LocaleText("##Login1") + " " + name + LocaleText("##Login2")},
            {"progress", "time_bonus", "12345"},
        };
        for (const char* status : {"##SelectFirst", "##SelectNext", "##NoMatch", "##NoRoute",
                                   "##NoMoreMoves", "##UseUndoOrRetry", "##TimeUp", "##Finished"}) {
            shown.push_back({"statusbar", "sb_status", LocaleText(status)});
        }
        for (int n = 1; n <= 5; ++n) {
            const std::string place = LocaleText("##LocName" + std::to_string(n));
            shown.push_back({"mapscreen", "next_level", LocaleText("##Level") + " 50. " + place});
            shown.push_back(
                {"progress", "picture_complete", LocaleText("##PicComplete" + std::to_string(n))});
        }
        for (const Shown& text : shown) {
            const ControlPtr control = _AppModule::appGUI->GetControl(text.form, text.control);
            ASSERT_TRUE(control) << text.form << " " << text.control;
            EXPECT_LE(TextWidth(control, text.text), Width(*control))
                << text.form << " " << text.control << ": " << text.text;
        }
    }
}

using GameLanguageTest = GameScreenTest;

// In a running level the options switch the status line, the status bar's
// captions and the tutorial picture to the next language at once.
TEST_F(GameLanguageTest, TheGamesOptionsSwitchItsTextsAtOnce) {
    const std::shared_ptr<myGame> game = StartStory(1);
    EnterLevel();
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->statusText, "Pick a tile");
    const ImagePtr englishTutorial = game->tutorialImg;
    ASSERT_TRUE(englishTutorial);
    ClickControl("statusbar", "sb_options");
    ASSERT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
    ClickControl("options", "language");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("options", "options_title"),
              "Einstellungen");
    StepFrames(40);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("mapscreen", "next_level"),
              "Level 1. Trautes Heim");
    SaveFrame("languages_game_options_german");
    ClickControl("options", "options_accept");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    StepFrames(2);
    EXPECT_EQ(game->statusText, "W\xE4hle einen Stein");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_status"),
              "W\xE4hle einen Stein");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_giveup"), "Aufgeben");
    EXPECT_TRUE(game->tutorialImg);
    EXPECT_NE(game->tutorialImg, englishTutorial);
    EXPECT_EQ(Stored("locale"), "data\\locale\\german.txt");
    InjectMouseMove(0, 0);
    StepFrames(20);
    SaveFrame("languages_game_german");
}
