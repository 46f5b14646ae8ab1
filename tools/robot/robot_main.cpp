// The robot player's command line.
//   tessalune_robot [--full] [--shots DIR] [--log FILE] [--user DIR | --own-folder] [--figures]
//   tessalune_robot [--frames DIR] [--frames-against DIR] ...
//   tessalune_robot --window SECONDS
//   tessalune_robot --first-frame
// Plays the short game (levels 1 and 2, a give-up, the last level, the end
// story, a relaxed game) or with --full all fifty levels; exits 0 when every
// check passed. --first-frame starts the game as it starts for a player and
// prints the milliseconds from the launch (TESS_LAUNCH_NS, the launcher's
// CLOCK_REALTIME in ns) to the first presented intro frame. --own-folder plays
// in the game's own user data folder, as a player's game would, instead of a
// scratch one. --frames saves the first frame of each measured screen (and its
// signature) into DIR; --frames-against fails the run when a measured screen's
// signature differs from the one of the same name in DIR. --window plays the
// densest level for SECONDS on the real clock and prints the presented frames
// per second and the longest frame.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/app_module.h"
#include "app/app_run.h"
#include "app/settings.h"
#include "platform/graphics.h"
#include "platform/music.h"
#include "platform/system.h"
#include "screens/start_up.h"
#include "tools/robot/robot.h"

namespace {

double RealtimeMs() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(sinceEpoch).count();
}

// The start-up of main, on the real clock, up to the first intro frame.
int FirstFrame() {
    const char* launch = std::getenv("TESS_LAUNCH_NS");
    const double launchedMs = launch != nullptr ? std::strtod(launch, nullptr) / 1e6 : RealtimeMs();
    // The game's own start-up sequence.
    SetStartLevel(0);
    StartUp();
    _AppModule::BeginApp();
    _AppModule::Tick();  // draws and presents the intro's first frame
    const double firstFrameMs = RealtimeMs() - launchedMs;
    std::printf("first intro frame %.1f ms after launch (module %d)\n", firstFrameMs,
                _AppModule::currentModule);
    std::fflush(stdout);
    std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    RobotOptions options;
    options.userFolder = (std::filesystem::temp_directory_path() /
                          ("tessalune-robot-" + std::to_string(ProcessId())))
                             .string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--first-frame") {
            return FirstFrame();
        } else if (arg == "--full") {
            options.full = true;
        } else if (arg == "--figures") {
            options.figures = true;
        } else if (arg == "--frames" && hasValue) {
            options.frameFolder = argv[++i];
        } else if (arg == "--frames-against" && hasValue) {
            options.frameReference = argv[++i];
        } else if (arg == "--window" && hasValue) {
            options.windowSeconds = std::max(1, std::atoi(argv[++i]));
            // Every frame drawn on the way, as a player's game draws them, so
            // the rasterizer has compiled its shaders before the level.
            options.drawEveryFrame = true;
        } else if (arg == "--shots" && hasValue) {
            options.shotFolder = argv[++i];
        } else if (arg == "--log" && hasValue) {
            options.logPath = argv[++i];
        } else if (arg == "--user" && hasValue) {
            options.userFolder = argv[++i];
        } else if (arg == "--own-folder") {
            options.userFolder.clear();
        } else {
            std::fprintf(
                stderr,
                "usage: %s [--full] [--shots DIR] [--log FILE] [--user DIR | --own-folder] "
                "[--figures] [--frames DIR] [--frames-against DIR] | --window SECONDS | "
                "--first-frame\n",
                argv[0]);
            return 2;
        }
    }
    const auto started = std::chrono::steady_clock::now();
    Robot robot(options);
    robot.Boot();
    robot.Play();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("robot: passed: %s game, %d levels, %lld frames, %.1f s\n",
                options.full ? "full" : "short", robot.LevelsPlayed(),
                static_cast<long long>(robot.Frames()), seconds);
    if (options.windowSeconds > 0) {
        std::printf("figure window %.1f frames/s, longest frame %.1f ms\n",
                    robot.Window().framesPerSecond, robot.Window().worstFrameMs);
    }
    if (options.figures) {
        std::printf("figure empty-frame %.2f ms\n", robot.EmptyFrameMs());
        std::printf("figure empty-frame-full-screen %.2f ms\n", robot.FullScreenEmptyFrameMs());
        for (const FrameFigure& figure : robot.Figures()) {
            std::printf("figure frame \"%s\" %.2f ms\n", figure.screen.c_str(), figure.msPerFrame);
        }
        std::printf("figure peak-rss %.1f MB\n", PeakResidentBytes() / 1048576.0);
        std::printf("figure songs-kept %.1f MB (decoded they would be %.1f MB)\n",
                    static_cast<double>(robot.KeptSongBytes()) / 1048576.0,
                    static_cast<double>(robot.KeptSongDecodedBytes()) / 1048576.0);
        std::printf("figure run-time %.1f s\n", seconds);
    }
    std::fflush(stdout);
    // Leave without running the destructors of the game's globals, as after a
    // finished module loop nothing is left to save.
    std::_Exit(0);
}
