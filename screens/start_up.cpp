#include "screens/start_up.h"

#include "app/app_module.h"
#include "app/app_run.h"
#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/loading_screen.h"
#include "app/settings.h"
#include "app/user_folder.h"
#include "app/zip_archive.h"
#include "platform/graphics.h"
#include "platform/music.h"
#include "screens/main_menu_sequence.h"
#include "screens/progress_screen.h"

namespace {

// The window's title: the name, the year and who made it (UTF-8).
const char* const APP_TITLE = "Tessalune \xC2\xA9 2026 The Tessalune developers";
// The name of the desktop entry, icons and metainfo (packaging/).
const char* const DESKTOP_ID = "org.tessalune.Tessalune";
const char* const WINDOW_ICON = "data/gui/images/icon.png";
const char* const USER_FOLDER = "Tessalune/";

}  // namespace

bool StartUp() {
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    AppConstantsManager::SetScrambling(true);
    SetAppTitle(APP_TITLE);
    SetAppId(DESKTOP_ID);
    SetUserFolderName(USER_FOLDER);
    // A command-line start level reads the data tree as plain files.
    SetArchivePrefix(StartLevel() != 0 ? LevelStartPrefix() : SHIPPED_ARCHIVE_PREFIX);
    SetAppIcon(LoadAssetPixmap(WINDOW_ICON));
    SetSongLoader([](const std::string& path) { return LoadAssetSound(path, SOUND_STREAMED); });
    AppSettings();
    LoadLocaleFromSettings();
    loadingScreen::Create("data/loadingScreen/loadingscreen.txt");
    progressScreen::BuildList();
    CreateScreenModules(StartLevel());
    if (!OpenAppGraphics(AppDisplay::width, AppDisplay::height, AppDisplay::depth)) {
        return false;
    }
    _AppModule::LoadGUI("data/gui/gui.txt");
    SetMouseVisible(false);
    return true;
}
