// Where captions land: justification, the pressed offset, and the drawn text.
#include "forms_fixture.h"

#include "forms/label.h"
#include "toolkit/bmfont.h"

class CaptionTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        gui = MakeGuiWithFont();
        ASSERT_NE(gui->defaultFont, nullptr);
    }
    ControlPtr Label(const std::string& keys) {
        LoadForm(
            *gui, "f.txt",
            "name=f\n<label>\nname=l\nx=200\ny=100\nwidth=100\nheight=40\n" + keys + "</label>\n");
        gui->ShowWindow("f", 1);
        return gui->GetControl("f", "l");
    }
    int Width(const std::string& text) const {
        return static_cast<int>(gui->defaultFont->TextWidth(text, -1));
    }
    float LineHeight() const { return gui->defaultFont->TextHeight("A"); }

    GuiPtr gui;
};

TEST_F(CaptionTest, HorizontalJustification) {
    ControlPtr label = Label("captiontext=Menu\ncaptionhjust=0\n");
    EXPECT_EQ(label->CaptionX(), 200.0f);
    label = Label("captiontext=Menu\n");
    EXPECT_EQ(label->CaptionX(), static_cast<float>(200 + 50 - Width("Menu") / 2));
    label = Label("captiontext=Menu\ncaptionhjust=2\n");
    EXPECT_EQ(label->CaptionX(), static_cast<float>(200 + 100 - Width("Menu")));
}

TEST_F(CaptionTest, VerticalJustification) {
    ControlPtr label = Label("captiontext=Menu\ncaptionvjust=0\n");
    EXPECT_EQ(label->CaptionY(), 100.0f);
    label = Label("captiontext=Menu\n");
    EXPECT_FLOAT_EQ(label->CaptionY(), 100.0f + 20.0f - LineHeight() / 2.0f);
    label = Label("captiontext=Menu\ncaptionvjust=2\n");
    EXPECT_FLOAT_EQ(label->CaptionY(), 140.0f - LineHeight());
}

TEST_F(CaptionTest, PressedCaptionMovesOnePixelRightAndDown) {
    const ControlPtr label = Label("captiontext=Menu\ncaptionhjust=0\ncaptionvjust=0\n");
    label->state = STATE_DOWN;
    EXPECT_EQ(label->CaptionX(), 201.0f);
    EXPECT_EQ(label->CaptionY(), 101.0f);
}

TEST_F(CaptionTest, LocaleKeysAreLookedUp) {
    const ControlPtr label = Label("captiontext=##NoSuchKeyForForms\n");
    EXPECT_EQ(label->captionText, "unknown locale##NoSuchKeyForForms");
}

TEST_F(CaptionTest, CaptionIsDrawnInItsColourWhereItIsPlaced) {
    Label("captiontext=IIII\ncaptionhjust=2\ncaptioncolor=255,0,0,255\n");
    DrawFrame(*gui);
    const PixmapPtr region = Region(150, 100, 200, 40);
    int lit = 0;
    int leftmost = 800;
    int rightmost = 0;
    for (int y = 100; y < 140; ++y) {
        for (int x = 150; x < 350; ++x) {
            const uint32_t rgb = At(region, x - 150, y - 100);
            if ((rgb >> 16) > 128) {
                ++lit;
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
            ASSERT_EQ(rgb & 0xFFFFu, 0u) << "only red at " << x << "," << y;
        }
    }
    EXPECT_GT(lit, 20);
    EXPECT_GE(leftmost, 300 - Width("IIII") - 2);
    EXPECT_LE(rightmost, 301);
}

TEST_F(CaptionTest, InvisibleControlIsNotDrawn) {
    Label("captiontext=IIII\ncaptionhjust=0\ninvisible=1\n");
    DrawFrame(*gui);
    const PixmapPtr region = Region(200, 100, 100, 40);
    int lit = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            lit += At(region, x, y) != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(lit, 0);
}
