#pragma once
// The game's start-up: global services in their fixed order, the screen
// modules for StartLevel(), the display and the form manager. False when the
// display cannot be opened.
bool StartUp();
