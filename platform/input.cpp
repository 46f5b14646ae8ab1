// Polled mouse and keyboard over SDL events, and the injections of tests.
#include <SDL2/SDL.h>

#include <string_view>

#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/input_state.h"
#include "platform/latin1.h"
#include "platform/test_seams.h"
#include "platform/window_events.h"

namespace {

bool ValidButton(int button) {
    return button >= 1 && button < InputState::BUTTONS;
}

bool ValidKey(int key) {
    return key > 0 && key < InputState::KEYS;
}

int ButtonOfSdl(int sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

// Latin-1 characters of a UTF-8 text, one character at a time; a character
// Latin-1 lacks is dropped whole, never a byte of it.
void QueueText(const char* text) {
    const std::string_view utf8(text);
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = start + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        if (const auto latin1 = Utf8ToLatin1(utf8.substr(start, end - start))) {
            Input().Char(static_cast<unsigned char>(latin1->front()));
        }
        start = end;
    }
}

void HandleKey(const SDL_KeyboardEvent& event, bool down) {
    const int key = KeyCodeOfSdlKey(event.keysym.sym);
    Input().Key(key, down, event.repeat != 0);
    // Alt+Enter is a shortcut; it types nothing.
    const bool alt = (event.keysym.mod & KMOD_ALT) != 0;
    if (down && (key == KEY_BACKSPACE || (key == KEY_ENTER && !alt))) {
        Input().Char(key);
    }
}

void HandleEvent(const SDL_Event& event) {
    InputState& input = Input();
    switch (event.type) {
        case SDL_QUIT:
            input.closeRequested = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                input.closeRequested = true;
            } else if ((event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                        event.window.event == SDL_WINDOWEVENT_MINIMIZED) &&
                       SDL_GetWindowFromID(event.window.windowID) != nullptr) {
                input.focusLost = true;  // a window closed for a screen-mode change does not count
            }
            break;
        case SDL_MOUSEMOTION:
            WindowToGame(event.motion.x, event.motion.y, input.mouseX, input.mouseY);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            WindowToGame(event.button.x, event.button.y, input.mouseX, input.mouseY);
            input.ButtonEvent(ButtonOfSdl(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
            break;
        case SDL_MOUSEWHEEL:
            input.wheel += event.wheel.y;
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            HandleKey(event.key, event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            QueueText(event.text.text);
            break;
        default:
            break;
    }
}

}  // namespace

InputState& Input() {
    static InputState state;
    return state;
}

void InputState::Button(int button, bool down) {
    if (!ValidButton(button)) {
        return;
    }
    if (down) {
        ++buttonHits[button];
    }
    buttonDown[button] = down;
}

void InputState::ButtonEvent(int button, bool down) {
    if (!ValidButton(button)) {
        return;
    }
    if (down) {
        pressedThisFrame[button] = true;
        releasePending[button] = false;
    } else if (pressedThisFrame[button]) {
        releasePending[button] = true;
        return;
    }
    Button(button, down);
}

void InputState::EndFrame() {
    for (int button = 0; button < BUTTONS; ++button) {
        if (releasePending[button]) {
            buttonDown[button] = false;
        }
        releasePending[button] = false;
        pressedThisFrame[button] = false;
    }
}

void EndInputFrame() {
    Input().EndFrame();
}

void InputState::Key(int key, bool down, bool repeat) {
    if (!ValidKey(key)) {
        return;
    }
    if (down && !repeat) {
        ++keyHits[key];
    }
    keyDown[key] = down;
}

void InputState::Char(int character) {
    if (character > 0 && character < 256 && chars.size() < CHAR_QUEUE) {
        chars.push_back(character);
    }
}

void PollSystem() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        HandleEvent(event);
    }
}

int MouseX() {
    PollSystem();
    return Input().mouseX;
}

int MouseY() {
    PollSystem();
    return Input().mouseY;
}

bool MouseDown(int button) {
    PollSystem();
    return ValidButton(button) && Input().buttonDown[button];
}

int MouseHit(int button) {
    PollSystem();
    if (!ValidButton(button)) {
        return 0;
    }
    const int hits = Input().buttonHits[button];
    Input().buttonHits[button] = 0;
    return hits;
}

bool KeyDown(int key) {
    PollSystem();
    return ValidKey(key) && Input().keyDown[key];
}

int KeyHit(int key) {
    PollSystem();
    if (!ValidKey(key)) {
        return 0;
    }
    const int hits = Input().keyHits[key];
    Input().keyHits[key] = 0;
    return hits;
}

int GetChar() {
    PollSystem();
    auto& chars = Input().chars;
    if (chars.empty()) {
        return 0;
    }
    const int character = chars.front();
    chars.pop_front();
    return character;
}

void FlushKeys() {
    PollSystem();
    InputState& input = Input();
    std::fill(std::begin(input.keyDown), std::end(input.keyDown), false);
    std::fill(std::begin(input.keyHits), std::end(input.keyHits), 0);
    input.chars.clear();
}

void FlushMouse() {
    PollSystem();
    InputState& input = Input();
    std::fill(std::begin(input.buttonDown), std::end(input.buttonDown), false);
    std::fill(std::begin(input.buttonHits), std::end(input.buttonHits), 0);
    std::fill(std::begin(input.releasePending), std::end(input.releasePending), false);
    input.wheel = 0;
}

bool AppTerminate() {
    PollSystem();
    const bool requested = Input().closeRequested;
    Input().closeRequested = false;
    return requested;
}

bool FocusLost() {
    PollSystem();
    const bool lost = Input().focusLost;
    Input().focusLost = false;
    return lost;
}

void InjectFocusLoss() {
    Input().focusLost = true;
}

void InjectMouseMove(int x, int y) {
    Input().mouseX = x;
    Input().mouseY = y;
}

void InjectMouseButton(int button, bool down) {
    Input().Button(button, down);
}

void InjectKey(int key, bool down) {
    Input().Key(key, down, false);
}

void InjectChar(int character) {
    Input().Char(character);
}

void InjectText(const char* utf8) {
    QueueText(utf8);
}

void InjectCloseRequest() {
    Input().closeRequested = true;
}
