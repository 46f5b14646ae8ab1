#pragma once
// The screens a run starts with: intro and main menu, or with a command-line
// start level the game alone.
void CreateScreenModules(int startLevel);
