// Frame pacing and the cost of a frame of textured quads.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "bench/empty_frame.h"
#include "platform/clock.h"
#include "platform/graphics.h"

namespace {

ImagePtr QuadImage() {
    const ImagePtr image = CreateImage(16, 16, 1, IMG_FILTERED);
    ClearPixels(*LockImage(image), 0xFFFFFFFFu);
    UnlockImage(image);
    return image;
}

double ElapsedMs(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

// 60 Flip calls at 60 Hz should take one second.
void BM_FramePacing60Flips(benchmark::State& state) {
    if (!OpenGraphics(800, 600, 0, 60)) {
        state.SkipWithError("no graphics");
        return;
    }
    for (auto _ : state) {
        Flip();  // settles the deadline
        const int startMs = MilliSecs();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 60; ++i) {
            Cls();
            Flip();
        }
        const double wallMs = ElapsedMs(start);
        state.counters["clock_ms"] = MilliSecs() - startMs;
        state.counters["wall_ms"] = wallMs;
        std::printf("60 frames at 60 Hz: %d ms on the game clock, %.1f ms wall time\n",
                    MilliSecs() - startMs, wallMs);
    }
}
BENCHMARK(BM_FramePacing60Flips)->Iterations(3)->Unit(benchmark::kMillisecond);

// One frame: clear, 2,000 textured, tinted quads, present (no pacing).
void BM_Frame2000Quads(benchmark::State& state) {
    if (!OpenGraphics(800, 600, 0, 0)) {
        state.SkipWithError("no graphics");
        return;
    }
    const ImagePtr image = QuadImage();
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    for (auto _ : state) {
        Cls();
        for (int i = 0; i < 2000; ++i) {
            SetColor(i % 256, 128, 255 - i % 256);
            SetRotation(static_cast<float>(i % 360));
            DrawImage(image, static_cast<float>((i * 37) % 800),
                      static_cast<float>((i * 53) % 600));
        }
        Flip();
        benchmark::DoNotOptimize(GrabPixmap(0, 0, 1, 1));  // waits for the frame to finish
    }
    state.counters["quads_per_frame"] = 2000;
}
BENCHMARK(BM_Frame2000Quads)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same frame without the quads, to tell the quads from the fixed cost.
void BM_EmptyFrame(benchmark::State& state) {
    MeasureEmptyFrames(state, OpenGraphics(800, 600, 0, 0));
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
