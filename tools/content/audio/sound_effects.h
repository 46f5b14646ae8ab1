#pragma once
// The game's sound effects: which instrument plays which notes.
#include <string>
#include <vector>

#include "synth_render.h"

struct EffectDefinition {
    std::string file;  // file name without extension
    std::vector<ChannelSetup> channels;
    std::vector<NoteEvent> notes;
};

// Effects played by instruments of the soundfont.
std::vector<EffectDefinition> InstrumentEffects();
