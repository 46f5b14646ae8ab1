// The window as the desktop sees it: resized with its picture letterboxed,
// Alt+Enter typing nothing, title and icon, and the display kept on reopening.
#include <SDL2/SDL.h>

#include "graphics_fixture.h"
#include "platform/input.h"

using DesktopWindowTest = GraphicsTest;

namespace {

void PushClick(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushEnter(Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_RETURN;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

}  // namespace

TEST_F(DesktopWindowTest, AResizedWindowKeepsTheGameSpaceAndMapsTheMouseThroughTheBars) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    SDL_SetWindowSize(window, 1000, 500);
    PollSystem();
    // 1000 x 500 holds a 666 x 500 picture with bars of 167 on both sides.
    PushClick(500, 250);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(MouseX(), 400);
    EXPECT_EQ(MouseY(), 300);
    PushClick(167, 0);
    EXPECT_EQ(MouseX(), 0);
    EXPECT_EQ(MouseY(), 0);
    PushClick(832, 499);
    EXPECT_EQ(MouseX(), 798);
    EXPECT_EQ(MouseY(), 598);

    // Drawing still fills the whole 800 x 600 back buffer.
    EXPECT_EQ(GraphicsWidth(), 800);
    SetColor(0, 255, 0);
    DrawRect(0, 0, 800, 600);
    SetColor(255, 0, 0);
    DrawRect(0, 0, 800, 60);
    EXPECT_EQ(ScreenPixel(799, 599), 0x00FF00u);
    Flip();
    // The window shows it scaled between black bars, top side up.
    const PixmapPtr shown = ReadPresentedFrame();
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->width, 1000);
    ASSERT_EQ(shown->height, 500);
    const auto shownAt = [&](int x, int y) { return ReadPixel(*shown, x, y) & 0xFFFFFFu; };
    EXPECT_EQ(shownAt(100, 250), 0x000000u);
    EXPECT_EQ(shownAt(900, 250), 0x000000u);
    EXPECT_EQ(shownAt(500, 10), 0xFF0000u);
    EXPECT_EQ(shownAt(500, 400), 0x00FF00u);
    EXPECT_EQ(shownAt(170, 490), 0x00FF00u);
    SDL_SetWindowSize(window, 800, 600);
    PollSystem();
    FlushMouse();
}

TEST_F(DesktopWindowTest, AltEnterIsAKeyButTypesNothing) {
    FlushKeys();
    PushEnter(KMOD_LALT);
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);
    EXPECT_EQ(GetChar(), 0);
    PushEnter(KMOD_NONE);
    EXPECT_EQ(GetChar(), KEY_ENTER);
}

TEST_F(DesktopWindowTest, TitleIconAndDisplayCarryOverToAReopenedWindow) {
    const std::string title = AppTitle();
    SetAppTitle("Tessalune (reopened)");
    const PixmapPtr icon = CreatePixmap(16, 16, PF_BGRA8888);
    ClearPixels(*icon, 0xFF336699u);
    SetAppIcon(icon);
    SetAppIcon(CreatePixmap(16, 16, PF_A8));  // not a window icon: ignored
    const int display = WindowDisplay();
    ASSERT_GE(display, 0);

    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60));
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Tessalune (reopened)");
    EXPECT_EQ(WindowDisplay(), display);
    SDL_Rect bounds{};
    SDL_GetDisplayBounds(display, &bounds);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    const SDL_Point centre{x + 400, y + 300};
    EXPECT_TRUE(SDL_PointInRect(&centre, &bounds)) << "centred on its display";
    SetAppTitle(title);
    SetAppIcon(nullptr);
}
