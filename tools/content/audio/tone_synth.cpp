#include "tone_synth.h"
#include "../common/pi.h"

#include <cmath>

namespace {

// A sine whose pitch falls from f0 to f1, with an exponential decay (seconds).
void AddThump(StereoBuffer& out, double at, double f0, double f1, double decay, double level) {
    const int start = static_cast<int>(at * SAMPLE_RATE);
    const int length = static_cast<int>(decay * 6 * SAMPLE_RATE);
    double phase = 0;
    for (int i = 0; i < length && start + i < out.Frames(); ++i) {
        const double t = static_cast<double>(i) / SAMPLE_RATE;
        const double f = f1 + (f0 - f1) * std::exp(-t / (decay * 0.6));
        phase += 2 * PI * f / SAMPLE_RATE;
        const double attack = std::min(1.0, t / 0.004);
        const double v = level * attack * std::exp(-t / decay) * std::sin(phase);
        out.samples[2 * static_cast<size_t>(start + i)] += static_cast<float>(v);
        out.samples[2 * static_cast<size_t>(start + i) + 1] += static_cast<float>(v);
    }
}

StereoBuffer Silence(double seconds) {
    StereoBuffer b;
    b.Resize(static_cast<int>(seconds * SAMPLE_RATE));
    return b;
}

}  // namespace

StereoBuffer Heartbeat() {
    StereoBuffer b = Silence(0.62);
    // "Lub-dub": a deeper first beat, a softer, slightly higher second one.
    AddThump(b, 0.01, 95, 48, 0.055, 0.9);
    AddThump(b, 0.01, 190, 90, 0.02, 0.15);
    AddThump(b, 0.25, 110, 55, 0.045, 0.65);
    AddThump(b, 0.25, 220, 100, 0.015, 0.1);
    return b;
}

StereoBuffer HoverTick() {
    StereoBuffer b = Silence(0.07);
    AddThump(b, 0.0, 1900, 1500, 0.009, 0.5);
    AddThump(b, 0.0, 3800, 3000, 0.004, 0.12);
    return b;
}

StereoBuffer ClickPop() {
    StereoBuffer b = Silence(0.11);
    AddThump(b, 0.0, 1400, 700, 0.016, 0.7);
    AddThump(b, 0.0, 420, 300, 0.02, 0.35);
    AddThump(b, 0.0, 2600, 1800, 0.005, 0.2);
    return b;
}
