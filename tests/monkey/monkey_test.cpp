// The monkey: random clicks, drags, keys, typing, window close requests and
// focus changes over the whole game (intro, menu and its forms, the game),
// started as main starts it. It runs wild for a while, then plays like a
// player for a while (starts the story, names a player, plays the hint's pairs
// between wrong clicks), so that every screen and the game's states are met. Nothing may
// crash, hang or pile up; when the monkey quits the game, it starts again. The seed is printed, and
// TESS_MONKEY_SEED replays a run; TESS_MONKEY_FRAMES sets its length.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/app_module.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "forms/gui.h"
#include "forms/window.h"
#include "platform/input.h"
#include "platform/test_seams.h"
#include "screens/game_flow.h"
#include "screens/game_screen.h"
#include "screens/main_menu_sequence.h"
#include "screens/progress_screen.h"
#include "support/shipped_data_test.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"

namespace {

constexpr int DEFAULT_FRAMES = 1000;  // the sanitized run asks for 20 000
// The moods by turns, in frames: wild, a player, wild, a player who lets the
// clock run out in a level (so time runs out and the game is lost).
enum class Mood { Wild, Player, Dawdler };
constexpr int WILD_FRAMES = 500;
constexpr int PLAYER_FRAMES = 1500;
constexpr int DAWDLER_FRAMES = 14000;  // longer than the last level's clock
constexpr int MOOD_CYCLE = 2 * WILD_FRAMES + PLAYER_FRAMES + DAWDLER_FRAMES;

Mood MoodAt(int frame) {
    const int at = frame % MOOD_CYCLE;
    if (at < WILD_FRAMES ||
        (at >= WILD_FRAMES + PLAYER_FRAMES && at < 2 * WILD_FRAMES + PLAYER_FRAMES)) {
        return Mood::Wild;
    }
    return at < WILD_FRAMES + PLAYER_FRAMES ? Mood::Player : Mood::Dawdler;
}
constexpr int LEFT = 1;
constexpr int RIGHT = 2;
const int KEYS[] = {KEY_ESCAPE, KEY_ENTER, KEY_SPACE, KEY_BACKSPACE, 'A', 'Z', '1', 'H', 'U'};

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

std::shared_ptr<myGame> RunningGame() {
    if (_AppModule::currentModule != APP_GAME) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : random(seed) {}

    // One frame's worth of mischief: wild and player-like by turns.
    void Act(int frame) {
        if (!queued.empty()) {
            Move(queued.back().x, queued.back().y);
            queued.pop_back();
            InjectMouseButton(LEFT, true);
            pendingRelease = true;
            return;
        }
        const Mood mood = MoodAt(frame);
        const std::shared_ptr<myGame> game = RunningGame();
        if (mood == Mood::Dawdler && game && game->GameState() == GS_LEVEL_RUNNING &&
            !ModalShowing()) {
            return;  // hands off: the level's clock runs out
        }
        if (mood != Mood::Wild && Pick(0, 9) != 0) {
            ActLikeAPlayer(mood == Mood::Dawdler);
            return;
        }
        const int roll = Pick(0, 999);
        if (dragging && roll < 600) {
            Move(x + Pick(-40, 40), y + Pick(-40, 40));
            if (roll < 60) {
                InjectMouseButton(LEFT, false);
                dragging = false;
            }
        } else if (roll < 250) {
            Move(Pick(0, 799), Pick(0, 599));
        } else if (roll < 550) {
            // Clicks land where the buttons are: the lower half and the middle.
            Move(Pick(0, 799), Pick(0, 599));
            InjectMouseButton(LEFT, true);
            pendingRelease = true;
        } else if (roll < 600) {
            Move(Pick(0, 799), Pick(0, 599));
            InjectMouseButton(LEFT, true);
            dragging = true;
        } else if (roll < 620) {
            InjectMouseButton(RIGHT, true);
            InjectMouseButton(RIGHT, false);
        } else if (roll < 700) {
            const int key = KEYS[Pick(0, static_cast<int>(std::size(KEYS)) - 1)];
            InjectKey(key, true);
            InjectKey(key, false);
        } else if (roll < 780) {
            InjectChar(Pick(32, 126));
        } else if (roll < 784) {
            InjectCloseRequest();
        } else if (roll < 788) {
            InjectFocusLoss();
        } else if (roll < 900) {
            ClickSomeControl();
        }
    }

    // Releases a click pressed in the frame before.
    void Release() {
        if (pendingRelease) {
            InjectMouseButton(LEFT, false);
            pendingRelease = false;
        }
    }

private:
    // A press in the middle of a control of a showing form (of the modal one
    // when it is up), so that every button gets its turn, not only the big ones.
    void ClickSomeControl() {
        const GuiPtr& gui = _qxGUI::Current();
        if (!gui) {
            return;
        }
        std::vector<ControlPtr> showing;
        for (const auto& [name, window] : gui->windows) {
            if (window->isVisible && (!ModalShowing() || window == gui->modalWindow)) {
                for (const ControlPtr& control : window->controls) {
                    if (control->isVisible) {
                        showing.push_back(control);
                    }
                }
            }
        }
        if (showing.empty()) {
            return;
        }
        const ControlPtr& control = showing[Pick(0, static_cast<int>(showing.size()) - 1)];
        Move((control->position.xs + control->position.xe) / 2,
             (control->position.ys + control->position.ye) / 2);
        InjectMouseButton(LEFT, true);
        pendingRelease = true;
    }

    // What a player would do next, now and then.
    void ActLikeAPlayer(bool dawdling) {
        if (Pick(0, 2) != 0) {
            return;  // a player takes a moment
        }
        const std::shared_ptr<myGame> game = RunningGame();
        if (ModalShowing() && !Showing("newuser")) {
            ClickSomeControl();  // a question or the options: answer them
        } else if (game && game->GameState() == GS_LEVEL_RUNNING) {
            if (dawdling) {
                return;
            }
            if (Pick(0, 39) == 0) {
                InjectFocusLoss();  // away to another window: the options open
            } else if (Pick(0, 19) == 0 || game->hintRoute->IsEmpty()) {
                ClickSomeControl();  // the status bar: options, hint, undo, retry, give up
            } else {
                PlayHintPair(*game);
            }
        } else if (Showing("newuser")) {
            InjectChar(Pick('a', 'z'));
            if (Pick(0, 3) == 0) {
                QueueControl("newuser", "newuser_ok");
            }
        } else if (_AppModule::currentModule == APP_MAINMENU && Showing("menu") &&
                   Pick(0, 1) == 0) {
            QueueControl("menu", "start");
        } else if (Pick(0, 1) == 0) {
            queued.push_back({400, 300});  // story pages and the map go on with a click
        } else {
            ClickSomeControl();
        }
    }

    static bool ModalShowing() {
        const GuiPtr& gui = _qxGUI::Current();
        return gui && gui->modalWindow && gui->modalWindow->isVisible;
    }

    static bool Showing(const std::string& form) {
        const GuiPtr& gui = _qxGUI::Current();
        return gui && gui->IsWindowShowing(form) != 0;
    }

    void QueueControl(const std::string& form, const std::string& name) {
        const ControlPtr control = _qxGUI::Current()->GetControl(form, name);
        if (control) {
            queued.push_back({(control->position.xs + control->position.xe) / 2,
                              (control->position.ys + control->position.ye) / 2});
        }
    }

    // Clicks the two tiles of the pair the game would hint, one a frame.
    void PlayHintPair(const myGame& game) {
        for (const std::shared_ptr<Point>& cell :
             {game.hintRoute->Last(), game.hintRoute->First()}) {
            queued.push_back(
                {game.playGrid->_cellCentreX(cell->x), game.playGrid->_cellCentreY(cell->y)});
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    void Move(int nx, int ny) {
        x = std::clamp(nx, 0, 799);
        y = std::clamp(ny, 0, 599);
        InjectMouseMove(x, y);
    }

    std::vector<Point> queued;  // clicks still to make, last first
    std::mt19937 random;
    int x = 400;
    int y = 300;
    bool dragging = false;
    bool pendingRelease = false;
};

// Every other start, the last player is at the last level with a retry, so
// that the monkey may win it and meet the end story, or be asked to retry.
void StartTheGame(int start) {
    const int player = AppSettings().GetInt(settings_keys::LAST_PLAYER);
    if (start % 2 == 0 && player > 0) {
        AppSettings().SetPlayer(player, settings_keys::PLAYER_LEVEL,
                                std::to_string(MAX_LEVEL_NUMBER), 0);
        AppSettings().SetPlayer(player, settings_keys::PLAYER_RETRIES, "1", 0);
    }
    progressScreen::BuildList();
    CreateScreenModules(0);
    _AppModule::BeginApp();
}

}  // namespace

using MonkeyTest = ShippedDataTest;

TEST_F(MonkeyTest, RandomInputOverEveryScreenNeverBreaksTheGame) {
    const unsigned seed = static_cast<unsigned>(
        EnvInt("TESS_MONKEY_SEED",
               static_cast<int>(std::chrono::steady_clock::now().time_since_epoch().count() &
                                0x7fffffff)));
    const int frames = EnvInt("TESS_MONKEY_FRAMES", DEFAULT_FRAMES);
    std::printf("monkey: seed %u, %d frames (TESS_MONKEY_SEED=%u replays)\n", seed, frames, seed);
    RecordProperty("seed", static_cast<int>(seed));

    Monkey monkey(seed);
    StartTheGame(1);
    std::set<int> screens;
    std::set<int> gameStates;
    int starts = 1;
    int mostBitmaps = 0;
    int mostSequences = 0;
    for (int frame = 0; frame < frames; ++frame) {
        monkey.Act(frame);
        StepFrames(1, FRAME_MS);
        monkey.Release();
        screens.insert(_AppModule::currentModule);
        if (const std::shared_ptr<myGame> game = RunningGame()) {
            gameStates.insert(game->GameState());
        }
        if (_AppModule::currentModule < 0) {
            // The monkey quit the game: start it again, as a player would.
            ++starts;
            StartTheGame(starts);
        }
        mostBitmaps = std::max(mostBitmaps, BitmapBank().UsedSlots());
        mostSequences = std::max(mostSequences, AnimationControllerBank().UsedSlots());
        ASSERT_LT(mostBitmaps, BITMAP_BANK_SLOTS / 2) << "seed " << seed << " frame " << frame;
        ASSERT_LT(mostSequences, CONTROLLER_BANK_SLOTS / 2)
            << "seed " << seed << " frame " << frame;
    }
    const auto list = [](const std::set<int>& numbers) {
        std::string text;
        for (const int n : numbers) {
            text += ' ';
            text += std::to_string(n);
        }
        return text;
    };
    std::printf(
        "monkey: %d starts, screens seen:%s, game states seen:%s, at most %d bitmaps and "
        "%d sequences loaded\n",
        starts, list(screens).c_str(), list(gameStates).c_str(), mostBitmaps, mostSequences);
    EXPECT_TRUE(screens.count(APP_MAINMENU)) << "seed " << seed;
}
