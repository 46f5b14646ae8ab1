// Real window events through the event queue, as the system would send them.
#include <SDL2/SDL.h>

#include "graphics_fixture.h"
#include "platform/input.h"

using InputEventsTest = GraphicsTest;

namespace {

void PushButton(Uint8 sdlButton, bool down, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = sdlButton;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushKey(SDL_Keycode key, bool down, bool repeat = false) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = key;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
}

void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
    SDL_PushEvent(&event);
}

}  // namespace

TEST_F(InputEventsTest, ButtonsMapLeftRightMiddle) {
    FlushMouse();
    PushButton(SDL_BUTTON_LEFT, true, 120, 130);
    PushButton(SDL_BUTTON_RIGHT, true, 120, 130);
    PushButton(SDL_BUTTON_MIDDLE, true, 120, 130);
    PushButton(SDL_BUTTON_MIDDLE, false, 120, 130);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(MouseHit(2), 1);
    EXPECT_EQ(MouseHit(3), 1);
    EXPECT_TRUE(MouseDown(2));
    EXPECT_TRUE(MouseDown(3)) << "a click shorter than a frame is held to the frame's end";
    EXPECT_EQ(MouseX(), 120) << "an 800 x 600 window maps one to one";
    EXPECT_EQ(MouseY(), 130);
    Flip();
    EXPECT_FALSE(MouseDown(3));
    EXPECT_TRUE(MouseDown(2));
    PushButton(SDL_BUTTON_RIGHT, false, 120, 130);
    EXPECT_FALSE(MouseDown(2)) << "a release in a later frame than its press is at once";
}

TEST_F(InputEventsTest, KeysBecomeGameCodesAndRepeatsAreNoHits) {
    FlushKeys();
    PushKey(SDLK_q, true);
    PushKey(SDLK_q, true, true);
    PushKey(SDLK_RETURN, true);
    PushKey(SDLK_BACKSPACE, true);
    PushKey(SDLK_5, true);
    EXPECT_EQ(KeyHit('Q'), 1);
    EXPECT_TRUE(KeyDown('Q'));
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);
    EXPECT_EQ(KeyHit('5'), 1);
    EXPECT_EQ(GetChar(), KEY_ENTER);
    EXPECT_EQ(GetChar(), KEY_BACKSPACE);
    PushKey(SDLK_q, false);
    EXPECT_FALSE(KeyDown('Q'));
}

TEST_F(InputEventsTest, TypedTextKeepsLatinOneOnly) {
    FlushKeys();
    PushText("a\xC3\xA9\xE2\x82\xAC!");  // a, e-acute, euro sign, !
    EXPECT_EQ(GetChar(), 'a');
    EXPECT_EQ(GetChar(), 0xE9);
    EXPECT_EQ(GetChar(), '!');
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputEventsTest, TheCloseButtonAsksToQuit) {
    AppTerminate();
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    EXPECT_TRUE(AppTerminate());
    EXPECT_FALSE(AppTerminate());
}
