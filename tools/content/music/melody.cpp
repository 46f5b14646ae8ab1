// The tune: each section is built from two motifs (a rhythm and a melodic
// contour), repeated over the changing chords, varied, and closed by cadences.
#include <cstring>

#include "score.h"

namespace {

using Rhythm = std::vector<int>;  // eighth notes; negative values are rests

const std::vector<Rhythm> CELLS4 = {{2, 2, 2, 2},  {3, 1, 2, 2},  {2, 1, 1, 2, 2}, {4, 2, 2},
                                    {2, 2, 4},     {1, 1, 2, 4},  {3, 1, 4},       {2, 4, 2},
                                    {2, 2, 2, -2}, {-2, 2, 2, 2}, {3, 1, 2, -2}};
const std::vector<Rhythm> CADENCES4 = {{4, 4}, {2, 6}, {8}, {2, 2, 4}};
const std::vector<Rhythm> CELLS3 = {{2, 2, 2}, {3, 1, 2},    {4, 2},     {2, 1, 1, 2},
                                    {2, 4},    {1, 1, 2, 2}, {2, 2, -2}, {-2, 2, 2}};
const std::vector<Rhythm> CADENCES3 = {{6}, {4, 2}, {2, 4}};
const std::vector<int> STEPS = {-3, -2, -2, -1, -1, -1, 0, 1, 1, 1, 2, 2, 3, 4, -4};
// Where each bar of a section heads: up to a high point in the second phrase,
// home again at the end.
constexpr int ARCH[8] = {0, 2, 3, 1, 1, 3, 4, 0};

struct Motif {
    Rhythm rhythm;
    std::vector<int> contour;  // step from the previous note, one per sounding note
};

Motif MakeMotif(SeededRandom& dice, const std::vector<Rhythm>& cells) {
    Motif m{dice.Pick(cells), {}};
    for (const int d : m.rhythm) {
        if (d > 0) {
            m.contour.push_back(dice.Pick(STEPS));
        }
    }
    return m;
}

// The eight bars of a section: motif, motif, variation, cadence, twice.
struct SectionPlan {
    Motif bars[8];
};

SectionPlan PlanSection(const SongStyle& style, char letter, int occurrence) {
    const bool waltz = style.beatsPerBar == 3;
    const std::vector<Rhythm>& cells = waltz ? CELLS3 : CELLS4;
    const std::vector<Rhythm>& cadences = waltz ? CADENCES3 : CADENCES4;
    SeededRandom dice(style.seed * 31 + static_cast<uint32_t>(letter));
    const Motif first = MakeMotif(dice, cells), second = MakeMotif(dice, cells);
    Motif varied = MakeMotif(dice, cells);
    const Motif cadence = MakeMotif(dice, cadences);
    // A repeat keeps the first phrase and answers the second one differently.
    SeededRandom later(style.seed * 97 + static_cast<uint32_t>(letter) +
                       13 * static_cast<uint32_t>(occurrence));
    const Motif varied2 = MakeMotif(later, cells);
    const Motif cadence2 = MakeMotif(later, cadences);
    if (occurrence > 0) {
        varied = MakeMotif(later, cells);
    }
    return {{first, second, varied, cadence, first, second, varied2, cadence2}};
}

int Reflect(int step, int low, int high) {
    while (step < low || step > high) {
        step = step < low ? 2 * low - step : 2 * high - step;
    }
    return step;
}

struct LeadVoice {
    int channel;
    int transpose;
    int velocity;
};

std::vector<LeadVoice> Voices(const SectionAt& section) {
    if (section.letter == 'B') {
        return {{SECOND_LEAD_CHANNEL, 0, 100}};
    }
    if (section.occurrence == 0) {
        return {{LEAD_CHANNEL, 0, 100}};
    }
    return {{LEAD_CHANNEL, 0, 100}, {SECOND_LEAD_CHANNEL, -12, 72}};
}

}  // namespace

void AddMelody(const SongStyle& style, const Timeline& time, Score& score) {
    const std::vector<int> chords = BarChords(style);
    const int strongEvery = style.beatsPerBar == 4 ? 4 : 6;
    const int home = (style.lowestStep + style.highestStep) / 2;
    int step = NearestChordStep(home, chords[0]);
    for (int bar = 0; bar < static_cast<int>(chords.size()); ++bar) {
        const SectionAt section = Section(style, bar);
        const SectionPlan plan = PlanSection(style, section.letter, section.occurrence);
        const Motif& motif = plan.bars[section.barInSection];
        const bool cadence = section.barInSection % 4 == 3;
        const int chord = chords[bar];
        const int lift = section.letter == 'B' ? 2 : 0;
        const int target = home - 2 + lift + ARCH[section.barInSection];
        step += (target - step) / 3;
        int onset = 0;
        size_t note = 0;
        const size_t sounding = motif.contour.size();
        for (const int length : motif.rhythm) {
            const int eighths = length > 0 ? length : -length;
            if (length > 0) {
                const int previous = step;
                step = Reflect(step + motif.contour[note], style.lowestStep + lift,
                               style.highestStep + lift);
                const bool last = note + 1 == sounding;
                if (cadence && last) {
                    step = chord == 0 ? Reflect(7 * ((step + 3) / 7), style.lowestStep,
                                                style.highestStep + lift)
                                      : NearestChordStep(step, chord);
                } else if (onset % strongEvery == 0 || eighths >= 4) {
                    step = NearestChordStep(step, chord);
                }
                if (step - previous > 4 || previous - step > 4) {  // no wide leaps
                    step = NearestChordStep(previous + (step > previous ? 2 : -2), chord);
                }
                ++note;
                const double start = time.Beat(bar, onset * 0.5);
                const double seconds = eighths * 0.5 * time.beatSeconds * 0.92;
                const int accent = onset == 0 ? 8 : (onset % strongEvery == 0 ? 4 : 0);
                for (const LeadVoice& v : Voices(section)) {
                    score.notes.push_back({start, seconds, v.channel,
                                           StepKey(style.key, step, chord) + v.transpose,
                                           v.velocity - 10 + accent});
                }
            }
            onset += eighths;
        }
    }
}
