// Per-frame costs of the forms: updating and drawing a menu under a modal
// dialog built from the shipped control templates.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/zip_archive.h"
#include "forms/gui.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"

namespace {

std::string WriteForm(const std::string& name, const std::string& text) {
    const auto dir = std::filesystem::temp_directory_path() / "tessalune-bench-forms";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

std::string Button(const std::string& clone, const std::string& name, int x, int y) {
    return "<button>\nclone=" + clone + "\nname=" + name + "\nx=" + std::to_string(x) +
           "\ny=" + std::to_string(y) + "\ncaptiontext=" + name + "\n</button>\n";
}

// The menu with eight big buttons and a dialog with a panel and two small ones.
GuiPtr BenchGui() {
    static GuiPtr gui;
    if (gui) {
        return gui;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    OpenGraphics(800, 600, 0, 60);
    UseManualClock(true, 0);
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    SetArchivePrefix(SHIPPED_ARCHIVE_PREFIX);
    gui = _qxGUI::Create("data/gui/gui.txt", 1024, 768);
    std::string menu = "name=menu\n";
    for (int i = 0; i < 8; ++i) {
        menu += Button("bigButton", "menu" + std::to_string(i), 270, 40 + i * 66);
    }
    const std::string dialog =
        "name=dialog\nmodal=true\nbordercolor=0,0,0,210\n"
        "<image>\nclone=dialogPanel\nx=160\ny=150\n</image>\n" +
        Button("smallButton", "yes", 250, 356) + Button("smallButton", "no", 418, 356);
    gui->ShowWindow(gui->LoadWindow(WriteForm("menu.txt", menu)), 1);
    gui->ShowWindow(gui->LoadWindow(WriteForm("dialog.txt", dialog)), 1);
    InjectMouseMove(300, 378);
    return gui;
}

void BM_FormsUpdate(benchmark::State& state) {
    const GuiPtr gui = BenchGui();
    for (auto _ : state) {
        gui->Update(16);
        benchmark::DoNotOptimize(gui->ButtonHit("yes"));
    }
}
BENCHMARK(BM_FormsUpdate);

void BM_FormsDraw(benchmark::State& state) {
    const GuiPtr gui = BenchGui();
    for (auto _ : state) {
        Cls();
        gui->Draw();
        Flip();
    }
}
BENCHMARK(BM_FormsDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
