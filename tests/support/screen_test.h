#pragma once
// The fixture for tests of the game's screens: ShippedDataTest with the
// player's locale loaded and the level list built, as the game has them
// before its first screen.
#include "app/locale_strings.h"
#include "screens/progress_screen.h"
#include "support/shipped_data_test.h"

class ScreenTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        LoadLocaleFromSettings();
        progressScreen::BuildList();
    }
};
