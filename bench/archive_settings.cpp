// Figures for the settings file and the asset archive: one write of a store
// with 500 keys (through the temporary file, fsync and rename), and 10,000
// look-ups of small entries in the archive linked into the program.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/settings.h"
#include "app/zip_archive.h"

namespace {

void UseScratchSettingsFolder() {
    static std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tess-bench-XXXXXX").string();
        return std::string(mkdtemp(pattern.data()) != nullptr ? pattern : "/tmp");
    }();
    setenv("TESSALUNE_DATA_DIR", folder.c_str(), 1);
}

void BM_SettingsWrite500Keys(benchmark::State& state) {
    UseScratchSettingsFolder();
    AppConstantsManager::SetScrambling(true);
    AppConstantsManager store;
    for (int i = 0; i < 500; ++i) {
        store.SetConstantValue("player" + std::to_string(i % 9) + "key" + std::to_string(i),
                               "value number " + std::to_string(i * 7919), 1);
    }
    for (auto _ : state) {
        store.WriteConstants();
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(AppConstantsManager::FilePath()));
}
BENCHMARK(BM_SettingsWrite500Keys)->Unit(benchmark::kMillisecond);

void BM_ArchiveLookups10000(benchmark::State& state) {
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    SetArchivePrefix(SHIPPED_ARCHIVE_PREFIX);
    const std::vector<std::string> names = {"data/locale/english.txt", "DATA\\Locale\\English.txt",
                                            "data/fonts/desyrel18.fnt"};
    int64_t bytes = 0;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const StreamPtr stream = OpenAssetFile(names[static_cast<size_t>(i) % names.size()]);
            bytes += stream ? stream->Size() : 0;
        }
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["lookups/s"] = benchmark::Counter(
        10000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ArchiveLookups10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
