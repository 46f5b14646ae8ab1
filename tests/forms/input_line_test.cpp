// Input lines: the allowed characters (Latin-1 letters too), one per frame,
// the width limit and the order of Backspace and Enter.
#include "forms_fixture.h"

#include "forms/input_line.h"
#include "toolkit/bmfont.h"

class InputLineTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        gui = MakeGuiWithFont();
        ASSERT_NE(gui->defaultFont, nullptr);
        gui->ShowWindow(
            LoadForm(*gui, "f.txt",
                     "name=f\n<input>\nname=who\nx=100\ny=100\nmaxwidth=100\ncursorwidth=2\n"
                     "cursorheight=18\nonenter=who_done\n</input>\n"),
            1);
        input = std::dynamic_pointer_cast<_qxInputLine>(gui->GetControl("f", "who"));
        ASSERT_NE(input, nullptr);
    }
    void Type(const std::string& text) {
        for (const char c : text) {
            InjectChar(static_cast<unsigned char>(c));
            Frame(*gui);
        }
    }

    GuiPtr gui;
    std::shared_ptr<_qxInputLine> input;
};

TEST_F(InputLineTest, OnlyTheAllowedCharactersAreTaken) {
    Type("Ab9 .!$'-");
    EXPECT_EQ(input->captionText, "Ab9 .!$'-");
    Type("@#%_,\t");
    for (const int sign : {0xA4, 0xD7, 0xF7}) {  // currency, times and division signs
        InjectChar(sign);
        Frame(*gui);
    }
    EXPECT_EQ(input->captionText, "Ab9 .!$'-");
    input->captionText.clear();
    for (const int letter : {0xE9, 0xDF, 0xF1, 0xC7}) {  // the letters of other languages
        InjectChar(letter);
        Frame(*gui);
    }
    EXPECT_EQ(input->captionText, "\xE9\xDF\xF1\xC7");
}

TEST_F(InputLineTest, OneCharacterPerFrame) {
    InjectChar('a');
    InjectChar('b');
    InjectChar('c');
    Frame(*gui);
    EXPECT_EQ(input->captionText, "a");
    Frame(*gui);
    Frame(*gui);
    EXPECT_EQ(input->captionText, "abc");
}

TEST_F(InputLineTest, RefusesACharacterThatMakesTheTextTooWide) {
    std::string typed;
    for (int i = 0; i < 40; ++i) {
        Type("W");
        typed += "W";
        if (input->captionText != typed) {
            break;
        }
    }
    const std::string kept = input->captionText;
    ASSERT_FALSE(kept.empty());
    ASSERT_LT(kept.size(), typed.size()) << "the limit was never reached";
    EXPECT_LE(gui->defaultFont->TextWidth(kept, -1), 100.0f);
    EXPECT_GT(gui->defaultFont->TextWidth(kept + "W", -1), 100.0f);
}

TEST_F(InputLineTest, EnterReportsOnlyWithText) {
    TapKey(KEY_ENTER);
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("who_done"), 0);
    Type("x");
    EXPECT_EQ(gui->ButtonHit("who_done"), 0) << "the Enter on the empty line was used up";
    TapKey(KEY_ENTER);
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("who_done"), 1);
}

TEST_F(InputLineTest, BackspaceWinsAndEnterWaitsForTheNextFrame) {
    Type("ab");
    TapKey(KEY_BACKSPACE);
    TapKey(KEY_ENTER);
    Frame(*gui);
    EXPECT_EQ(input->captionText, "a");
    EXPECT_EQ(gui->ButtonHit("who_done"), 0);
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("who_done"), 1);
    TapKey(KEY_BACKSPACE);
    Frame(*gui);
    TapKey(KEY_BACKSPACE);
    Frame(*gui);
    EXPECT_EQ(input->captionText, "");
}

TEST_F(InputLineTest, BlockedLineTakesNothing) {
    LoadForm(*gui, "modal.txt", "name=top\nmodal=true\n");
    gui->ShowWindow("top", 1);
    Type("abc");
    EXPECT_EQ(input->captionText, "");
}

TEST_F(InputLineTest, CursorBlinksEveryHalfSecond) {
    Type("a");
    const int textRight = 100 + static_cast<int>(gui->defaultFont->TextWidth("a", -1));
    UseManualClock(true, 500);
    DrawFrame(*gui);
    EXPECT_EQ(ScreenPixel(textRight, 105), 0xFFFFFFu);
    UseManualClock(true, 1000);
    DrawFrame(*gui);
    EXPECT_EQ(ScreenPixel(textRight, 105), 0x000000u);
}
