#include "song_style.h"

namespace {

// General MIDI programs (0-based).
enum Program {
    kPiano = 0, kHarpsichord = 6, kGlockenspiel = 9, kVibraphone = 11, kAccordion = 21,
    kNylonGuitar = 24, kSteelGuitar = 25, kAcousticBass = 32, kCello = 42,
    kContrabass = 43, kHarp = 46, kTimpani = 47, kStrings = 48, kSlowStrings = 49, kChoir = 52,
    kTrumpet = 56, kFrenchHorn = 60, kOboe = 68, kClarinet = 71, kFlute = 73, kPanFlute = 75,
    kWarmPad = 89, kSteelDrums = 114
};

const std::vector<SongStyle> kStyles = {
    // Menu theme: warm and welcoming.
    {"music1", 96, 4, {60, false}, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, "ABA",
     kFlute, kVibraphone, kPiano, kStrings, kAcousticBass, -1, 112, 105, HarmonyPattern::Arpeggio,
     BassPattern::RootFifth, DrumPattern::Soft, 7, 16, 11},
    // Home: cheerful and bouncy.
    {"music2", 116, 4, {65, false}, {0, 3, 0, 4, 5, 3, 1, 4}, {3, 4, 2, 5, 3, 0, 1, 4}, "ABA",
     kAccordion, kClarinet, kSteelGuitar, -1, kAcousticBass, -1, 112, 100, HarmonyPattern::Strum,
     BassPattern::RootFifth, DrumPattern::Pop, 2, 11, 23},
    // Forest: a calm, slightly mysterious waltz.
    {"music3", 126, 3, {57, true}, {0, 5, 2, 6, 0, 3, 4, 4}, {3, 0, 5, 2, 3, 6, 4, 4}, "ABABA",
     kPanFlute, kOboe, kHarp, kSlowStrings, kCello, -1, 112, 100, HarmonyPattern::Arpeggio,
     BassPattern::Waltz, DrumPattern::Waltz, 7, 15, 37},
    // Seaside: a breezy bossa.
    {"music4", 104, 4, {62, false}, {0, 1, 2, 1, 0, 5, 1, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, "ABA",
     kSteelDrums, kVibraphone, kNylonGuitar, kWarmPad, kAcousticBass, -1, 124, 80, HarmonyPattern::Bossa,
     BassPattern::Bossa, DrumPattern::Bossa, 7, 14, 41},
    // Castle: majestic and adventurous.
    {"music5", 88, 4, {62, true}, {0, 5, 6, 0, 3, 6, 2, 4}, {5, 6, 0, 0, 3, 4, 5, 4}, "ABA",
     kFrenchHorn, kStrings, kStrings, kChoir, kContrabass, kTimpani, 112, 105, HarmonyPattern::Strum,
     BassPattern::March, DrumPattern::Orchestral, 0, 9, 53},
};

}  // namespace

const std::vector<SongStyle>& SongStyles() { return kStyles; }
