#include "app/app_run.h"

#include "app/app_module.h"
#include "app/line_helpers.h"
#include "app/settings.h"
#include "platform/system.h"

int ParseStartLevel(int argc, const char* const* argv) {
    // Only a leading digit names a level: " 7" and "+7" start normally.
    if (argc < 2 || argv[1] == nullptr || argv[1][0] < '0' || argv[1][0] > '9') {
        return 0;
    }
    const int level = ToInt(argv[1]);
    return (level >= 1 && level <= MAX_LEVEL_NUMBER) ? level : 0;
}

namespace {
int startLevel = 0;
}  // namespace

void SetStartLevel(int level) {
    startLevel = level;
}

int StartLevel() {
    return startLevel;
}

void RunApp() {
    _AppModule::BeginApp();
    RunFrameLoop(&_AppModule::Tick, [] { AppSettings().WriteConstants(); });
}
