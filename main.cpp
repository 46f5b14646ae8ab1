// Tessalune: the start-up sequence, then the module loop.
#include "app/app_run.h"
#include "screens/start_up.h"

int main(int argc, char** argv) {
    SetStartLevel(ParseStartLevel(argc, argv));
    if (!StartUp()) {
        return 1;
    }
    RunApp();
    return 0;
}
