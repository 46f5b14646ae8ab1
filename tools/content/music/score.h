#pragma once
// A composed song: its channels, notes and loop length, built up part by part.
#include <vector>

#include "../audio/synth_render.h"
#include "song_style.h"

// Channels of the parts.
constexpr int LEAD_CHANNEL = 0, SECOND_LEAD_CHANNEL = 1, HARMONY_CHANNEL = 2, PAD_CHANNEL = 3,
              BASS_CHANNEL = 4, TIMPANI_CHANNEL = 5, DRUM_CHANNEL = 9;

struct Score {
    std::vector<ChannelSetup> channels;
    std::vector<NoteEvent> notes;
    double seconds = 0;  // loop length
};

// Timing of a song in seconds.
struct Timeline {
    double beatSeconds;
    int beatsPerBar;
    double Bar(int bar) const { return bar * beatsPerBar * beatSeconds; }
    double Beat(int bar, double beat) const { return Bar(bar) + beat * beatSeconds; }
};

// The chord degree of every bar of the song, following its form.
std::vector<int> BarChords(const SongStyle& style);
// The section letter and its occurrence number (0 for the first A, ...) of a bar.
struct SectionAt {
    char letter;
    int occurrence;
    int barInSection;
};
SectionAt Section(const SongStyle& style, int bar);

void AddMelody(const SongStyle& style, const Timeline& time, Score& score);
void AddHarmony(const SongStyle& style, const Timeline& time, Score& score);
void AddBass(const SongStyle& style, const Timeline& time, Score& score);
void AddDrums(const SongStyle& style, const Timeline& time, Score& score);

Score Compose(const SongStyle& style);
