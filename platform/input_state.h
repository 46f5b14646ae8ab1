#pragma once
// The input state that window events and test injections both feed.
#include <deque>

struct InputState {
    static constexpr int KEYS = 256;
    static constexpr int BUTTONS = 4;  // 1 left, 2 right, 3 middle
    static constexpr size_t CHAR_QUEUE = 256;

    int mouseX = 0;
    int mouseY = 0;
    int wheel = 0;
    bool buttonDown[BUTTONS] = {};
    int buttonHits[BUTTONS] = {};
    // A release that came in the frame of its press waits for the frame's end,
    // so a click shorter than a frame is still seen held for one frame.
    bool pressedThisFrame[BUTTONS] = {};
    bool releasePending[BUTTONS] = {};
    bool keyDown[KEYS] = {};
    int keyHits[KEYS] = {};
    std::deque<int> chars;
    bool closeRequested = false;
    bool focusLost = false;  // the window lost the focus or was minimised

    void Button(int button, bool down);
    void ButtonEvent(int button, bool down);  // from the window: quick clicks are held
    void EndFrame();
    void Key(int key, bool down, bool repeat);
    void Char(int character);
};

InputState& Input();
// Our key code for an SDL key code, 0 when it has none.
int KeyCodeOfSdlKey(int sdlKey);
