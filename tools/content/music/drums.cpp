// The drum kit part, one pattern per style with fills at section ends.
#include "score.h"

namespace {

enum Drum {
    KICK_SOFT = 35,
    KICK = 36,
    SIDE_STICK = 37,
    SNARE = 38,
    CLOSED_HAT = 42,
    TOM_LOW = 45,
    TOM_MID = 47,
    TOM_HIGH = 50,
    CRASH = 49,
    RIDE = 51,
    MARACAS = 70,
    TRIANGLE = 81
};

struct DrumBar {
    const Timeline& time;
    Score& score;
    int bar;
    SeededRandom& dice;
    // Velocities vary a little, as a drummer's do.
    void Hit(double beat, int drum, int velocity) {
        score.notes.push_back(
            {time.Beat(bar, beat), 0.2, DRUM_CHANNEL, drum, velocity + dice.Below(9) - 4});
    }
    void Eighths(int drum, int strong, int weak, int count) {
        for (int i = 0; i < count; ++i) {
            Hit(i * 0.5, drum, i % 2 == 0 ? strong : weak);
        }
    }
};

void Fill(DrumBar& d) {
    const int toms[4] = {TOM_HIGH, TOM_HIGH, TOM_MID, TOM_LOW};
    for (int i = 0; i < 4; ++i) {
        d.Hit(3 + i * 0.25, toms[i], 70 + i * 6);
    }
}

}  // namespace

void AddDrums(const SongStyle& style, const Timeline& time, Score& score) {
    const int bars = static_cast<int>(BarChords(style).size());
    SeededRandom dice(style.seed * 7 + 3);
    for (int bar = 0; bar < bars; ++bar) {
        const SectionAt section = Section(style, bar);
        const bool fill = section.barInSection == 7;
        DrumBar d{time, score, bar, dice};
        if (section.barInSection == 0 && style.drums != DrumPattern::Waltz) {
            d.Hit(0, CRASH, 70);
        }
        switch (style.drums) {
            case DrumPattern::Pop:
                d.Hit(0, KICK, 95);
                d.Hit(2, KICK, 85);
                if (bar % 2 == 1) {
                    d.Hit(2.5, KICK, 70);
                }
                d.Hit(1, SNARE, 85);
                d.Hit(3, SNARE, 90);
                d.Eighths(CLOSED_HAT, 64, 44, fill ? 6 : 8);
                if (fill) {
                    Fill(d);
                }
                break;
            case DrumPattern::Soft:
                d.Hit(0, KICK_SOFT, 70);
                d.Hit(2, KICK_SOFT, 60);
                d.Hit(1, SIDE_STICK, 58);
                d.Hit(3, SIDE_STICK, 62);
                d.Eighths(section.letter == 'B' ? RIDE : MARACAS, 52, 36, 8);
                if (fill) {
                    d.Hit(3.5, SNARE, 60);
                }
                break;
            case DrumPattern::Bossa:
                for (const double beat : {0.0, 1.5, 2.0, 3.5}) {
                    d.Hit(beat, KICK, beat == 0 ? 66 : 52);
                }
                for (const double beat :
                     bar % 2 == 0 ? std::vector<double>{0, 1.5, 3} : std::vector<double>{1, 2}) {
                    d.Hit(beat, SIDE_STICK, 66);
                }
                d.Eighths(CLOSED_HAT, 46, 32, 8);
                break;
            case DrumPattern::Waltz:
                d.Eighths(MARACAS, 42, 28, 6);
                if (bar % 2 == 0) {
                    d.Hit(0, TRIANGLE, 48);
                }
                if (section.letter == 'B') {
                    d.Hit(0, KICK_SOFT, 52);
                }
                break;
            case DrumPattern::Orchestral:
                d.Hit(0, KICK_SOFT, 90);
                d.Hit(2, KICK_SOFT, 70);
                d.Hit(1, SNARE, 50);
                d.Hit(3, SNARE, 55);
                d.Hit(3.5, SNARE, 40);
                d.Hit(3.75, SNARE, 45);
                if (fill) {
                    for (int i = 0; i < 8; ++i) {
                        d.Hit(2 + i * 0.25, SNARE, 45 + i * 5);
                    }
                }
                break;
        }
    }
}
