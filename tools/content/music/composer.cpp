#include <cstring>

#include "score.h"

std::vector<int> BarChords(const SongStyle& style) {
    std::vector<int> chords;
    for (const char* s = style.form; *s; ++s) {
        const std::vector<int>& section = *s == 'A' ? style.chordsA : style.chordsB;
        chords.insert(chords.end(), section.begin(), section.end());
    }
    return chords;
}

SectionAt Section(const SongStyle& style, int bar) {
    const int index = bar / 8;
    const char letter = style.form[index];
    int occurrence = 0;
    for (int i = 0; i < index; ++i) {
        if (style.form[i] == letter) {
            ++occurrence;
        }
    }
    return {letter, occurrence, bar % 8};
}

namespace {

void SetUpChannels(const SongStyle& style, Score& score) {
    score.channels.push_back({LEAD_CHANNEL, style.leadProgram, style.leadVolume, 64, 55, 10});
    score.channels.push_back(
        {SECOND_LEAD_CHANNEL, style.secondLeadProgram, style.leadVolume - 12, 50, 60, 10});
    score.channels.push_back({HARMONY_CHANNEL, style.harmonyProgram, 88, 82, 50, 20});
    if (style.padProgram >= 0) {
        score.channels.push_back({PAD_CHANNEL, style.padProgram, 70, 40, 70, 30});
    }
    score.channels.push_back({BASS_CHANNEL, style.bassProgram, style.bassVolume, 64, 30, 0});
    if (style.timpaniProgram >= 0) {
        score.channels.push_back({TIMPANI_CHANNEL, style.timpaniProgram, 90, 70, 50, 0});
    }
    score.channels.push_back({DRUM_CHANNEL, 0, 82, 64, 40, 0});
}

}  // namespace

Score Compose(const SongStyle& style) {
    Score score;
    SetUpChannels(style, score);
    const Timeline time{60.0 / style.bpm, style.beatsPerBar};
    const int bars = static_cast<int>(std::strlen(style.form)) * 8;
    score.seconds = time.Bar(bars);
    AddMelody(style, time, score);
    AddHarmony(style, time, score);
    AddBass(style, time, score);
    AddDrums(style, time, score);
    return score;
}
