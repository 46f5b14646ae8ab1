#pragma once
// Offline rendering of note lists with a General MIDI soundfont.
#include <string>
#include <vector>

#include "audio_buffer.h"

struct NoteEvent {
    double start = 0;   // seconds
    double length = 0;  // seconds
    int channel = 0;    // 9 is percussion
    int key = 60;
    int velocity = 100;
};

struct ChannelSetup {
    int channel = 0;
    int program = 0;
    int volume = 100;  // controller 7
    int pan = 64;      // controller 10
    int reverb = 40;   // controller 91
    int chorus = 0;    // controller 93
};

class SynthRenderer {
public:
    explicit SynthRenderer(const std::string& soundfontPath);
    ~SynthRenderer();
    SynthRenderer(const SynthRenderer&) = delete;
    SynthRenderer& operator=(const SynthRenderer&) = delete;

    bool Ok() const;
    // Renders the notes on freshly reset channels into seconds of audio.
    StereoBuffer Render(const std::vector<ChannelSetup>& channels,
                        const std::vector<NoteEvent>& notes, double seconds);

private:
    struct Impl;
    Impl* impl;
};
