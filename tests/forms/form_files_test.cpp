// Reading the GUI file, form files and control blocks, including broken ones.
#include "forms_fixture.h"

#include <cmath>

#include "forms/block_lines.h"
#include "forms/button.h"
#include "forms/input_line.h"
#include "forms/label.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"
#include "platform/stream.h"
#include "support/scratch_folder.h"
#include "toolkit/bitmap_bank.h"

namespace {

std::vector<std::string> BlockOf(const std::string& text, const std::string& endTag,
                                 std::string* rest) {
    const StreamPtr stream = CreateMemoryStream(text);
    std::vector<std::string> lines = ReadBlockLines(*stream, endTag);
    *rest = ReadAll(*stream);
    return lines;
}

}  // namespace

TEST(BlockLines, EndAtTheTagAnEmptyLineAPartialTagOrTheEnd) {
    std::string rest;
    EXPECT_EQ(BlockOf("a=1\nb=2\n</Button>\nafter\n", "</button>", &rest),
              (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(rest, "after\n");
    EXPECT_EQ(BlockOf("a=1\n\nb=2\n", "</button>", &rest), (std::vector<std::string>{"a=1"}));
    EXPECT_EQ(rest, "b=2\n");
    EXPECT_EQ(BlockOf("a=1\n</\nb=2\n", "</button>", &rest), (std::vector<std::string>{"a=1"}));
    EXPECT_EQ(BlockOf("a=1\r\nb=2", "</button>", &rest), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(BlockOf("a=1\n</button> \n", "</button>", &rest).size(), 2u)
        << "a longer line is not the tag";
    EXPECT_TRUE(BlockOf("", "</button>", &rest).empty());
}

TEST_F(FormsTest, GuiFileReadsFontsAndClones) {
    const GuiPtr gui = MakeGui(
        "' the game's controls\n[MB_YESNO]\n<fonts>\ndesyrel24.fnt\ndesyrel18.fnt\n</FONTS>\n"
        "<CLONE>\nname=SmallButton\nnormal=a.png\nover=b.png\ndown=c.png\noff_normal=d.png\n"
        "off_over=e.png\noff_down=f.png\nwidth=120\nheight=40\nsoundover=h.ogg\nsoundclick=k.ogg\n"
        "font=desyrel24.fnt\ncaptioncolor=10,20,30,40\ncaptionhjust=2\ncaptionvjust=0\n"
        "colour=nonsense\n</clone>\n");
    EXPECT_EQ(gui->fonts.size(), 2u);
    EXPECT_EQ(gui->defaultFont, gui->fonts["desyrel24.fnt"]);
    EXPECT_EQ(gui->mouseImg, nullptr) << "no [MOUSE] line, no cursor sprite";
    const ClonePtr clone = _qxGUI::getClone("SMALLBUTTON");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->images,
              (std::array<std::string, 6>{"a.png", "b.png", "c.png", "d.png", "e.png", "f.png"}));
    EXPECT_EQ(clone->position, (__Rect{0, 0, 120, 40}));
    EXPECT_EQ(clone->overSound, "h.ogg");
    EXPECT_EQ(clone->clickSound, "k.ogg");
    EXPECT_EQ(clone->font, "desyrel24.fnt");
    EXPECT_EQ(clone->captionR + clone->captionG + clone->captionB + clone->captionA, 100);
    EXPECT_EQ(clone->captionHJust, 2);
    EXPECT_EQ(clone->captionVJust, 0);
}

TEST_F(FormsTest, CloneWithoutEndTagEndsAtTheFirstEmptyLineOrTheEnd) {
    MakeGui("<clone>\nname=first\nwidth=10\n\n<clone>\nname=second\nwidth=20\n");
    ASSERT_NE(_qxGUI::getClone("first"), nullptr);
    ASSERT_NE(_qxGUI::getClone("second"), nullptr);
    EXPECT_EQ(_qxGUI::getClone("second")->position.xe, 20);
}

TEST_F(FormsTest, FormFileTagsAreCaseInsensitiveAndEveryKindIsRead) {
    const GuiPtr gui = MakeGui("");
    const std::string name = LoadForm(
        *gui, "form.txt",
        "' a comment\nname=Options\nmodal=TRUE\nbordercolor=0,0,0,210\n</button>\n"
        "<bUtton>\nname=b\n</button>\n<INPUT>\nname=i\nmaxwidth=90\nonenter=i_done\n</input>\n"
        "<image>\nname=p\n</image>\n<Label>\nname=l\ncaptiontext=plain\n</label>\n");
    EXPECT_EQ(name, "Options");
    const WindowPtr window = gui->GetWindow("Options");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->isModalWindow, 1);
    EXPECT_EQ(window->borderA, 210);
    EXPECT_EQ(window->isVisible, 0) << "loaded hidden";
    ASSERT_EQ(window->controls.size(), 4u);
    EXPECT_NE(std::dynamic_pointer_cast<_qxButton>(gui->GetControl("Options", "b")), nullptr);
    const auto input = std::dynamic_pointer_cast<_qxInputLine>(gui->GetControl("Options", "i"));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->maxWidth, 90);
    EXPECT_EQ(input->onEnter, "i_done");
    EXPECT_NE(std::dynamic_pointer_cast<_qxLabel>(gui->GetControl("Options", "l")), nullptr);
    EXPECT_EQ(gui->GetControlCaptionText("Options", "l"), "plain");
}

TEST_F(FormsTest, EmptyLineInsideABlockEndsItAndTheRestAreFormLines) {
    const GuiPtr gui = MakeGui("");
    LoadForm(*gui, "form.txt", "<button>\nname=b\n\nx=50\nname=late\n</button>\n");
    const WindowPtr window = gui->GetWindow("late");
    ASSERT_NE(window, nullptr) << "the name line after the gap names the form";
    ASSERT_EQ(window->controls.size(), 1u);
    EXPECT_EQ(window->controls.front()->name, "b");
    EXPECT_EQ(window->controls.front()->position.xs, 0);
}

TEST_F(FormsTest, BlockWithoutEndTagReadsToTheEndOfTheFile) {
    const GuiPtr gui = MakeGui("");
    LoadForm(*gui, "form.txt", "name=cut\n<button>\nname=b\nx=5");
    const ControlPtr button = gui->GetControl("cut", "b");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->position.xs, 5);
}

TEST_F(FormsTest, NameOnTheLastLineAndSameNameReplaces) {
    const GuiPtr gui = MakeGui("");
    LoadForm(*gui, "a.txt", ButtonBlock("first", 0, 0, 1, 1) + "name=twin");
    LoadForm(*gui, "b.txt", ButtonBlock("second", 0, 0, 1, 1) + "name=twin\n");
    ASSERT_EQ(gui->windows.size(), 1u);
    EXPECT_NE(gui->GetControl("twin", "second"), nullptr);
    EXPECT_EQ(gui->GetControl("twin", "first"), nullptr);
}

TEST_F(FormsTest, UnopenableFormFileGivesAnEmptyFormNamedEmpty) {
    const GuiPtr gui = MakeGui("");
    DebugLogCapture log;
    const std::string missing = (scratch / "missing.txt").string();
    EXPECT_EQ(gui->LoadWindow(missing), "");
    EXPECT_TRUE(log.Contains("***Error: Failed to load window: " + missing + "***"));
    ASSERT_NE(gui->GetWindow(""), nullptr);
    EXPECT_TRUE(gui->GetWindow("")->controls.empty());
    gui->ShowWindow("", 1);
    Frame(*gui);
    gui->Draw();
}

TEST_F(FormsTest, ControlKeysApplyInLineOrder) {
    MakeGui(
        "<clone>\nname=pad\nnormal=clone_normal.png\nwidth=120\nheight=40\ncaptionhjust=0\n</"
        "clone>\n");
    const GuiPtr gui = _qxGUI::Current();
    DebugLogCapture log;
    LoadForm(*gui, "form.txt",
             "name=f\n<button>\nname=after\nx=10\nclone=pad\ny=7\ncaptionhjust=2\nbogus=1\nx=abc\n<"
             "/button>\n"
             "<button>\nname=before\nclone=pad\nx=10\nwidth=50\n</button>\n"
             "<button>\nname=lost\nclone=nosuchclone\nwidth=30\nheight=ten\nsliderMin=5\n"
             "sliderMax=9\nsliderDirection=1\ntogglebutton=1\nfont=nosuch.fnt\n</button>\n"
             "<label>\nname=hidden\ninvisible=1\n</label>\n<label>\nname=shown\ninvisible=0\n</"
             "label>\n");
    EXPECT_EQ(gui->GetControl("f", "after")->position, (__Rect{0, 7, 120, 47})) << "clone resets x";
    EXPECT_EQ(gui->GetControl("f", "after")->captionHJust, 2);
    EXPECT_EQ(gui->GetControl("f", "before")->position, (__Rect{10, 0, 60, 40}));
    EXPECT_NE(gui->GetControl("f", "before")->images[STATE_NORMAL], nullptr);
    EXPECT_EQ(gui->GetControl("f", "before")->images[STATE_OVER], nullptr);
    const auto lost = std::dynamic_pointer_cast<_qxButton>(gui->GetControl("f", "lost"));
    EXPECT_EQ(lost->position, (__Rect{0, 0, 30, 0}));
    EXPECT_EQ(lost->sliderMin + lost->sliderMax + lost->sliderDirection + lost->toggleButton, 16);
    EXPECT_TRUE(log.Contains("*** Missing clone control: nosuchclone***"));
    EXPECT_TRUE(log.Contains("*** Missing font: nosuch.fnt***"));
    EXPECT_EQ(gui->IsControlShowing("f", "hidden"), 0);
    EXPECT_EQ(gui->IsControlShowing("f", "shown"), 1);
}

TEST_F(FormsTest, LaterPictureLineReplacesTheClonesPictureWithoutALeak) {
    MakeGui("<clone>\nname=pad\nnormal=clone_one.png\n</clone>\n");
    const GuiPtr gui = _qxGUI::Current();
    const int slotsBefore = BitmapBank().UsedSlots();
    LoadForm(*gui, "form.txt",
             "name=f\n<image>\nname=p\nclone=pad\nnormal=clone_two.png\n</image>\n");
    EXPECT_EQ(BitmapBank().UsedSlots(), slotsBefore + 1) << "the clone's picture was released";
    gui->UnloadWindow("f");
    EXPECT_EQ(BitmapBank().UsedSlots(), slotsBefore);
}

TEST_F(FormsTest, ExtremeNumbersInAFormStayInRange) {
    const GuiPtr gui = MakeGuiWithFont();
    LoadForm(*gui, "form.txt",
             "name=f\n<button>\nname=big\nx=2147483647\nwidth=10\nx=99999999999\ny=-2147483648\n"
             "height=-50\ny=-5\ncaptiontext=Wide\ncaptionvjust=2\ncaptionhjust=2\nsliderMin=-"
             "2147483648\n"
             "sliderMax=2147483647\nsliderDirection=1\n</button>\n");
    gui->ShowWindow("f", 1);
    const auto button = std::dynamic_pointer_cast<_qxButton>(gui->GetControl("f", "big"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->position.xs, 2147483647);
    EXPECT_EQ(button->position.ys, -2147483648);
    button->SetSliderValue(0.5f, 1.0f);
    EXPECT_NEAR(button->GetSliderValue(1.0f), 0.5f, 0.01f);
    MoveMouse(400, 300);
    Frame(*gui);
    EXPECT_TRUE(std::isfinite(button->CaptionX()));
    EXPECT_TRUE(std::isfinite(button->CaptionY()));
    DrawFrame(*gui);
}

// Windows are recorded and hidden by their names lower-cased, so a shipped form
// whose "name=" line has a capital would never be found again by its own name.
TEST(ShippedForms, EveryFormNameIsLowerCase) {
    namespace fs = std::filesystem;
    int forms = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(TESS_SOURCE_DIR) / "data")) {
        if (!entry.is_regular_file() || entry.path().parent_path().filename() != "forms") {
            continue;
        }
        const StreamPtr stream = CreateMemoryStream(ReadFileBytes(entry.path().string()));
        std::string name;
        while (!Eof(*stream)) {
            const std::string line = ReadLine(*stream);
            if (StartsWithNoCase(line, "<")) {
                // A control's block, with the control's own name: read past it.
                ReadBlockLines(*stream, "</" + line.substr(1));
            } else if (StartsWithNoCase(line, "name")) {
                name = ValueOf(line);
            }
        }
        ++forms;
        EXPECT_FALSE(name.empty()) << entry.path() << " names no form";
        EXPECT_EQ(name, ToLower(name)) << entry.path();
    }
    EXPECT_GT(forms, 5);
}
