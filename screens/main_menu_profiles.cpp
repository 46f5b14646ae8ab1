// The main menu's players: the name on the menu, choosing, creating and
// deleting profiles.
#include <vector>

#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"

namespace {

constexpr int MAX_STORED_PROFILES = 9;

// Every key of profile n: "player" + n, then anything that is not a digit
// (so profile 1 never takes the keys of a profile 10).
std::vector<std::string> PlayerKeys(int n) {
    const std::string prefix = PlayerKeyPrefix(n);
    std::vector<std::string> keys;
    for (const auto& [key, value] : AppSettings().Constants()) {
        if (key.size() > prefix.size() && key.compare(0, prefix.size(), prefix) == 0 &&
            (key[prefix.size()] < '0' || key[prefix.size()] > '9')) {
            keys.push_back(key);
        }
    }
    return keys;
}

}  // namespace

void myMainMenu::SetPlayerMenuName() {
    if (!appGUI) {
        return;
    }
    if (currentPlayerName.empty()) {
        // Nobody is chosen (the current player was deleted): the others stay in reach.
        const bool anyone = CountUsers() > 0;
        appGUI->SetControlCaptionText(menu_forms::MENU, "username", "");
        appGUI->SetControlCaptionText(menu_forms::MENU, "login",
                                      anyone ? LocaleText("##Login_Choose") : "");
        appGUI->ShowControl(menu_forms::MENU, "login", anyone ? 1 : 0);
        return;
    }
    appGUI->SetControlCaptionText(menu_forms::MENU, "username",
                                  LocaleText("##Welcome") + " " + currentPlayerName);
    appGUI->SetControlCaptionText(
        menu_forms::MENU, "login",
        LocaleText("##Login1") + " " + currentPlayerName + LocaleText("##Login2"));
    appGUI->ShowControl(menu_forms::MENU, "login", 1);
}

void myMainMenu::ShowMainMenu() {
    SetPlayerMenuName();
    if (appGUI) {
        appGUI->ShowWindow(menu_forms::MENU, 1);
    }
}

void myMainMenu::SelectPlayerProfile(int n) {
    appGUI->HideWindow(menu_forms::LOGIN);
    SelectUser(n);
    SetPlayerMenuName();
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::ShowLoginDialog() {
    appGUI->ShowControl(menu_forms::LOGIN, "login_new",
                        CountUsers() < menu_forms::MAX_LOGIN_PROFILES ? 1 : 0);
    PopulatePlayerProfileList();
    appGUI->ShowWindow(menu_forms::LOGIN, 1);
}

void myMainMenu::ConfirmDeletePlayerProfile(int n) {
    appGUI->HideWindow(menu_forms::LOGIN);
    appGUI->SetControlCaptionText(menu_forms::CONFIRM_DELETE, "name", PlayerProfileName(n));
    appGUI->ShowWindow(menu_forms::CONFIRM_DELETE, 1);
    pendingDeletion = n;
}

void myMainMenu::_OnLogin(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::MENU);
    ShowLoginDialog();
}

void myMainMenu::_OnLoginNew(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::LOGIN);
    _ShowNewUserForm(true);
}

void myMainMenu::_ShowNewUserForm(bool canCancel) {
    const ControlPtr ok = appGUI->GetControl(menu_forms::NEW_USER, "newuser_ok");
    const ControlPtr panel = appGUI->GetControl(menu_forms::NEW_USER, "newuser_panel");
    if (ok && panel) {
        // The form file places OK beside Cancel; alone it moves to the middle and back.
        if (newUserOkX < 0) {
            newUserOkX = ok->position.xs;
        }
        const int width = ok->position.xe - ok->position.xs;
        const int x =
            canCancel ? newUserOkX : (panel->position.xs + panel->position.xe - width) / 2;
        ok->position.xs = x;
        ok->position.xe = x + width;
    }
    appGUI->ShowControl(menu_forms::NEW_USER, "newuser_cancel", canCancel ? 1 : 0);
    appGUI->SetControlCaptionText(menu_forms::NEW_USER, "newuser_name", "");
    appGUI->ShowWindow(menu_forms::NEW_USER, 1);
}

void myMainMenu::_OnLoginBack(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::LOGIN);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnNewUserCancel(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::NEW_USER);
    startAfterNewUser = 0;
    ShowLoginDialog();
}

void myMainMenu::_OnNewUserOk(int /*n*/) {
    beginFadeImage();
    const std::string name =
        TrimSpaces(appGUI->GetControlCaptionText(menu_forms::NEW_USER, "newuser_name"));
    if (name.empty()) {
        return;
    }
    if (CountUsers() >= MAX_STORED_PROFILES) {
        // Every slot of the store is taken (only a hand-edited file gets here).
        appGUI->HideWindow(menu_forms::NEW_USER);
        startAfterNewUser = 0;
        ShowLoginDialog();
        return;
    }
    AddNewUser(name);
    appGUI->HideWindow(menu_forms::NEW_USER);
    appGUI->SetControlCaptionText(menu_forms::NEW_USER, "newuser_name", "");
    if (startAfterNewUser == 0) {
        ShowMainMenu();
        return;
    }
    // A profile made for "start" goes on into the story; the flag is used up
    // either way, so a later new player from the login form stays in the menu.
    startAfterNewUser = 0;
    if (config.NumberStoryScreens() < 1) {
        _BeginFadeToGame();
        return;
    }
    SetPlayerMenuName();
    _ShowFirstStoryPicture();
}

void myMainMenu::_OnDelete(int n) {
    beginFadeImage();
    ConfirmDeletePlayerProfile(n);
}

void myMainMenu::_OnConfirmDeleteYes(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::CONFIRM_DELETE);
    const int n = pendingDeletion;
    const bool current = n == UserID();
    RemoveUser(n);
    AppConstantsManager& store = AppSettings();
    store.RemoveConstant(PlayerKey(n, settings_keys::PLAYER_LEVEL), DEFER_WRITE);
    store.RemoveConstant(PlayerKey(n, settings_keys::PLAYER_HINTS), DEFER_WRITE);
    store.RemoveConstant(PlayerKey(n, settings_keys::PLAYER_UNDOS), DEFER_WRITE);
    store.RemoveConstant(PlayerKey(n, settings_keys::PLAYER_COMPLETE), DEFER_WRITE);
    // Whatever else the game keeps for this player goes too.
    for (const std::string& key : PlayerKeys(n)) {
        store.RemoveConstant(key, DEFER_WRITE);
    }
    store.RemoveConstant(PlayerKey(n, settings_keys::PLAYER_RETRIES), WRITE_NOW);
    if (current) {
        SelectUser(0);
        SetPlayerMenuName();
    }
    ShowLoginDialog();
}

void myMainMenu::_OnConfirmDeleteNo(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::CONFIRM_DELETE);
    ShowLoginDialog();
}

void myMainMenu::_OnSelect(int n) {
    // Choosing profile 0 ("nobody") is instant; a real profile dissolves in.
    if (n != 0) {
        beginFadeImage();
    }
    SelectPlayerProfile(n);
}
