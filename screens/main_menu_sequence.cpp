#include "screens/main_menu_sequence.h"

#include "screens/intro.h"
#include "screens/main_menu.h"
#include "screens/start_game.h"

void CreateScreenModules(int startLevel) {
    if (startLevel != 0) {
        // The game reads the start level itself; nothing else exists in this run.
        StartGame(0, 1, 1, 1, 1);
        return;
    }
    myMainMenu::Create("data/main/main.txt");
    myIntro::Create("data/intro/intro.txt");
}
