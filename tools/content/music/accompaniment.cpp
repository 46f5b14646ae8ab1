// Chords, pad and bass under the tune.
#include "score.h"

namespace {

// Root step of a chord, kept close to the tonic so voicings stay in one register.
int RootStep(int degree) {
    return degree > 3 ? degree - 7 : degree;
}

int BassKey(const Key& key, int degree) {
    int k = StepKey(key, degree, degree);
    while (k >= 52) {
        k -= 12;
    }
    while (k < 38) {
        k += 12;
    }
    return k;
}

void Chord(Score& score, const Key& key, int degree, const std::vector<int>& steps, double start,
           double seconds, int channel, int velocity, double spread) {
    const int root = RootStep(degree);
    for (size_t i = 0; i < steps.size(); ++i) {
        score.notes.push_back({start + spread * static_cast<double>(i), seconds, channel,
                               StepKey(key, root + steps[i], degree), velocity});
    }
}

void HarmonyBar(const SongStyle& style, const Timeline& time, Score& score, int bar, int degree) {
    const double eighth = time.beatSeconds / 2;
    const int root = RootStep(degree);
    const int eighths = style.beatsPerBar * 2;
    switch (style.harmony) {
        case HarmonyPattern::Arpeggio: {
            const std::vector<int> four = {0, 4, 7, 9, 11, 9, 7, 4}, three = {0, 4, 7, 9, 7, 4};
            const std::vector<int>& pattern = style.beatsPerBar == 4 ? four : three;
            for (int i = 0; i < eighths; ++i) {
                score.notes.push_back(
                    {time.Beat(bar, i * 0.5), eighth * 2.5, HARMONY_CHANNEL,
                     StepKey(style.key, root + pattern[static_cast<size_t>(i)] - 7, degree),
                     i == 0 ? 74 : 62});
            }
            break;
        }
        case HarmonyPattern::Strum:
            for (const int at : {0, 3, 6}) {
                Chord(score, style.key, degree, {0, 2, 4, 7}, time.Beat(bar, at * 0.5),
                      eighth * (at == 6 ? 1.8 : 2.7), HARMONY_CHANNEL, at == 0 ? 78 : 66, 0.008);
            }
            break;
        case HarmonyPattern::Bossa: {
            const std::vector<int> even = {0, 3, 6}, odd = {2, 4, 7};
            for (const int at : bar % 2 == 0 ? even : odd) {
                Chord(score, style.key, degree, {2, 4, 7, 9}, time.Beat(bar, at * 0.5),
                      eighth * 1.5, HARMONY_CHANNEL, 64, 0.006);
            }
            break;
        }
        case HarmonyPattern::Waltz:
            for (const int beat : {1, 2}) {
                Chord(score, style.key, degree, {2, 4, 7}, time.Beat(bar, beat),
                      time.beatSeconds * 0.8, HARMONY_CHANNEL, 60, 0.0);
            }
            break;
        case HarmonyPattern::Sustain:
            Chord(score, style.key, degree, {0, 2, 4}, time.Bar(bar), time.Bar(1) * 0.98,
                  HARMONY_CHANNEL, 62, 0.0);
            break;
    }
}

void BassBar(const SongStyle& style, const Timeline& time, Score& score, int bar, int degree,
             int nextDegree) {
    const int root = BassKey(style.key, degree);
    const int fifth =
        root + (StepKey(style.key, degree + 4, degree) - StepKey(style.key, degree, degree));
    // A scale step next to the coming root, leading into it from below when it rises.
    const int next = BassKey(style.key, nextDegree);
    int approach = StepKey(style.key, nextDegree + (next > root ? -1 : 1), degree);
    while (approach - next > 6) {
        approach -= 12;
    }
    while (next - approach > 6) {
        approach += 12;
    }
    auto add = [&](double beat, double beats, int key, int velocity) {
        score.notes.push_back(
            {time.Beat(bar, beat), beats * time.beatSeconds * 0.95, BASS_CHANNEL, key, velocity});
    };
    switch (style.bass) {
        case BassPattern::RootFifth:
            add(0, 1.5, root, 100);
            add(1.5, 0.5, root, 80);
            add(2, 1, fifth, 90);
            add(3, 1, nextDegree == degree ? fifth : approach, 85);
            break;
        case BassPattern::Bossa:
            add(0, 1.5, root, 80);
            add(1.5, 0.5, fifth, 66);
            add(2, 1.5, fifth, 74);
            add(3.5, 0.5, root, 66);
            break;
        case BassPattern::Long:
            add(0, style.beatsPerBar, root, 90);
            break;
        case BassPattern::Waltz:
            // Alternate bars take the fifth, below the root where the bass reaches it.
            add(0, 2.6, bar % 2 == 0 ? root : (fifth - 12 >= 36 ? fifth - 12 : fifth), 88);
            break;
        case BassPattern::March:
            add(0, 1.8, root, 100);
            add(2, 1.8, fifth, 88);
            break;
    }
}

void PadBar(const SongStyle& style, const Timeline& time, Score& score, int bar, int degree) {
    if (style.padProgram < 0) {
        return;
    }
    const SectionAt section = Section(style, bar);
    const int velocity = section.letter == 'A' && section.occurrence == 0 ? 44 : 56;
    Chord(score, style.key, degree, {2, 4, 7}, time.Bar(bar), time.Bar(1) * 0.999, PAD_CHANNEL,
          velocity, 0.0);
}

void TimpaniBar(const SongStyle& style, const Timeline& time, Score& score, int bar, int degree) {
    if (style.timpaniProgram < 0) {
        return;
    }
    const int root = BassKey(style.key, degree);
    score.notes.push_back({time.Bar(bar), time.beatSeconds, TIMPANI_CHANNEL, root, 85});
    if (Section(style, bar).barInSection == 7) {
        for (int i = 0; i < 8; ++i) {
            score.notes.push_back({time.Beat(bar, 2 + i * 0.25), time.beatSeconds * 0.25,
                                   TIMPANI_CHANNEL, root, 50 + i * 6});
        }
    }
}

}  // namespace

void AddHarmony(const SongStyle& style, const Timeline& time, Score& score) {
    const std::vector<int> chords = BarChords(style);
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        HarmonyBar(style, time, score, bar, chords[bar]);
        PadBar(style, time, score, bar, chords[bar]);
    }
}

void AddBass(const SongStyle& style, const Timeline& time, Score& score) {
    const std::vector<int> chords = BarChords(style);
    const int bars = static_cast<int>(chords.size());
    for (int bar = 0; bar < bars; ++bar) {
        BassBar(style, time, score, bar, chords[bar], chords[(bar + 1) % bars]);
        TimpaniBar(style, time, score, bar, chords[bar]);
    }
}
