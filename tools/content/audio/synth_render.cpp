#include "synth_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace {

struct Change {
    long frame;
    bool on;
    int channel, key, velocity;
};

std::vector<Change> Schedule(const std::vector<NoteEvent>& notes) {
    std::vector<Change> changes;
    for (const NoteEvent& n : notes) {
        const long on = std::lround(n.start * SAMPLE_RATE);
        const long off = std::max(on + 1, std::lround((n.start + n.length) * SAMPLE_RATE));
        changes.push_back({on, true, n.channel, n.key, std::clamp(n.velocity, 1, 127)});
        changes.push_back({off, false, n.channel, n.key, 0});
    }
    // Note-offs before note-ons at the same frame, so repeated keys restart.
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
    });
    return changes;
}

// Runs the effects on silence so nothing of an earlier render leaks in.
void FlushReverb(fluid_synth_t* synth) {
    std::vector<float> scratch(1024);
    for (int i = 0; i < 4 * SAMPLE_RATE / 1024; ++i) {
        fluid_synth_write_float(synth, 1024, scratch.data(), 0, 1, scratch.data(), 0, 1);
    }
}

}  // namespace

struct SynthRenderer::Impl {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    int font = -1;
};

SynthRenderer::SynthRenderer(const std::string& soundfontPath) : impl(new Impl) {
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    impl->settings = new_fluid_settings();
    fluid_settings_setnum(impl->settings, "synth.sample-rate", SAMPLE_RATE);
    fluid_settings_setint(impl->settings, "synth.polyphony", 256);
    fluid_settings_setint(impl->settings, "synth.reverb.active", 1);
    fluid_settings_setint(impl->settings, "synth.chorus.active", 1);
    fluid_settings_setnum(impl->settings, "synth.gain", 0.5);
    fluid_settings_setnum(impl->settings, "synth.reverb.room-size", 0.6);
    fluid_settings_setnum(impl->settings, "synth.reverb.damp", 0.3);
    fluid_settings_setnum(impl->settings, "synth.reverb.width", 0.7);
    fluid_settings_setnum(impl->settings, "synth.reverb.level", 0.9);
    impl->synth = new_fluid_synth(impl->settings);
    impl->font = fluid_synth_sfload(impl->synth, soundfontPath.c_str(), 1);
}

SynthRenderer::~SynthRenderer() {
    if (impl->synth) {
        delete_fluid_synth(impl->synth);
    }
    if (impl->settings) {
        delete_fluid_settings(impl->settings);
    }
    delete impl;
}

bool SynthRenderer::Ok() const {
    return impl->synth && impl->font != FLUID_FAILED;
}

StereoBuffer SynthRenderer::Render(const std::vector<ChannelSetup>& channels,
                                   const std::vector<NoteEvent>& notes, double seconds) {
    fluid_synth_t* synth = impl->synth;
    fluid_synth_system_reset(synth);
    FlushReverb(synth);
    for (const ChannelSetup& c : channels) {
        if (c.channel != 9) {
            fluid_synth_program_change(synth, c.channel, c.program);
        }
        fluid_synth_cc(synth, c.channel, 7, c.volume);
        fluid_synth_cc(synth, c.channel, 10, c.pan);
        fluid_synth_cc(synth, c.channel, 91, c.reverb);
        fluid_synth_cc(synth, c.channel, 93, c.chorus);
    }
    StereoBuffer out;
    const long total = std::lround(seconds * SAMPLE_RATE);
    out.Resize(static_cast<int>(total));
    std::vector<float> left, right;
    long frame = 0;
    auto renderTo = [&](long end) {
        end = std::min(end, total);
        while (frame < end) {
            const int n = static_cast<int>(std::min<long>(end - frame, 1024));
            left.assign(static_cast<size_t>(n), 0.0f);
            right.assign(static_cast<size_t>(n), 0.0f);
            fluid_synth_write_float(synth, n, left.data(), 0, 1, right.data(), 0, 1);
            for (int i = 0; i < n; ++i) {
                out.samples[2 * static_cast<size_t>(frame + i)] = left[i];
                out.samples[2 * static_cast<size_t>(frame + i) + 1] = right[i];
            }
            frame += n;
        }
    };
    for (const Change& c : Schedule(notes)) {
        renderTo(c.frame);
        if (c.on) {
            fluid_synth_noteon(synth, c.channel, c.key, c.velocity);
        } else {
            fluid_synth_noteoff(synth, c.channel, c.key);
        }
    }
    renderTo(total);
    fluid_synth_all_sounds_off(synth, -1);
    return out;
}
