#include "sound_effects.h"

namespace {

// GM programs (0-based).
constexpr int GLOCKENSPIEL = 9, MUSIC_BOX = 10, MARIMBA = 12, STRINGS = 48, HARP = 46;
constexpr int TROMBONE = 57, BRASS = 61, BASSOON = 70, CELESTA = 8;

NoteEvent Note(double start, double length, int key, int velocity, int channel = 0) {
    return {start, length, channel, key, velocity};
}

std::vector<NoteEvent> Run(const std::vector<int>& keys, double step, double length, int velocity,
                           int channel = 0) {
    std::vector<NoteEvent> notes;
    for (size_t i = 0; i < keys.size(); ++i) {
        notes.push_back(Note(i * step, length, keys[i], velocity, channel));
    }
    return notes;
}

std::vector<NoteEvent> Join(std::vector<NoteEvent> a, const std::vector<NoteEvent>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

std::vector<EffectDefinition> InstrumentEffects() {
    std::vector<EffectDefinition> effects;
    effects.push_back(
        {.file = "choosefirst",
         .channels = {{.channel = 0, .program = MARIMBA, .volume = 110, .pan = 64, .reverb = 20}},
         .notes = {Note(0, 0.25, 79, 105)}});
    effects.push_back(
        {.file = "choosesecond",
         .channels = {{.channel = 0, .program = MARIMBA, .volume = 110, .pan = 64, .reverb = 20}},
         .notes = {Note(0, 0.12, 79, 90), Note(0.07, 0.25, 86, 110)}});
    effects.push_back(
        {.file = "wrong",
         .channels = {{.channel = 0, .program = BASSOON, .volume = 110, .pan = 64, .reverb = 20}},
         .notes = {Note(0, 0.14, 57, 100), Note(0.17, 0.32, 54, 95)}});
    effects.push_back(
        {.file = "getbonus",
         .channels =
             {{.channel = 0, .program = GLOCKENSPIEL, .volume = 100, .pan = 64, .reverb = 40}},
         .notes = Run({84, 88, 91, 96}, 0.06, 0.35, 100)});
    effects.push_back(
        {.file = "picfound",
         .channels = {{.channel = 0, .program = MUSIC_BOX, .volume = 110, .pan = 50, .reverb = 50},
                      {.channel = 1, .program = CELESTA, .volume = 90, .pan = 78, .reverb = 50}},
         .notes = Join(Run({79, 84, 88, 91, 96}, 0.09, 0.6, 100),
                       {Note(0.5, 0.9, 72, 80, 1), Note(0.5, 0.9, 76, 80, 1),
                        Note(0.5, 0.9, 79, 80, 1), Note(0.5, 0.9, 84, 90, 1)})});
    effects.push_back(
        {.file = "levelappears",
         .channels = {{.channel = 0, .program = HARP, .volume = 115, .pan = 64, .reverb = 60}},
         .notes =
             Join(Run({60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83}, 0.035, 0.9, 85),
                  {Note(0.49, 1.0, 84, 100)})});
    effects.push_back(
        {.file = "levelcompleted",
         .channels = {{.channel = 0, .program = BRASS, .volume = 110, .pan = 64, .reverb = 50},
                      {.channel = 1, .program = STRINGS, .volume = 90, .pan = 64, .reverb = 60}},
         .notes = Join(
             Join(Run({67, 72, 76}, 0.14, 0.13, 105),
                  {Note(0.42, 0.3, 79, 110), Note(0.78, 1.1, 72, 105), Note(0.78, 1.1, 76, 105),
                   Note(0.78, 1.1, 79, 110), Note(0.78, 1.1, 84, 115)}),
             {Note(0.78, 1.2, 48, 90, 1), Note(0.78, 1.2, 60, 90, 1),
              Note(0.78, 1.2, 67, 90, 1)})});
    effects.push_back(
        {.file = "gameover",
         .channels = {{.channel = 0, .program = TROMBONE, .volume = 110, .pan = 64, .reverb = 50},
                      {.channel = 1, .program = STRINGS, .volume = 80, .pan = 64, .reverb = 60}},
         .notes = {Note(0, 0.34, 55, 100), Note(0.38, 0.34, 54, 96), Note(0.76, 0.34, 53, 92),
                   Note(1.14, 1.1, 52, 90), Note(1.14, 1.2, 40, 70, 1),
                   Note(1.14, 1.2, 47, 70, 1)}});
    return effects;
}
