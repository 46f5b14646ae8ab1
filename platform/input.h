#pragma once
// Polled mouse and keyboard. Every query first lets pending window events in.
// Key codes: 8 Backspace, 13 Enter, 27 Escape, 32 Space, letters by their
// upper-case character code, digits by theirs.
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_LEFT_ALT = 164;
constexpr int KEY_RIGHT_ALT = 165;
constexpr int KEY_TAB = 9;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_LEFT_SHIFT = 160;
constexpr int KEY_RIGHT_SHIFT = 161;

void PollSystem();
// Called once a frame, when the frame is presented.
void EndInputFrame();
int MouseX();  // in the game's 800 x 600 space
int MouseY();
bool MouseDown(int button);
int MouseHit(int button);  // presses since the last call for that button
bool KeyDown(int key);
int KeyHit(int key);
int GetChar();  // next typed character, 0 when the queue of 256 is empty
void FlushKeys();
void FlushMouse();
// True once after the window lost the focus or was minimised.
bool FocusLost();
