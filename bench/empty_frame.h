#pragma once
// Clear and present only: the fixed cost of any frame, measured beside the
// frames of a benchmark program once its display is open.
#include <benchmark/benchmark.h>

#include "platform/graphics.h"
#include "platform/test_seams.h"

inline void MeasureEmptyFrames(benchmark::State& state, bool displayOpen) {
    if (!displayOpen) {
        state.SkipWithError("no graphics");
        return;
    }
    for (auto _ : state) {
        Cls();
        Flip();
        benchmark::DoNotOptimize(GrabPixmap(0, 0, 1, 1));
    }
}
