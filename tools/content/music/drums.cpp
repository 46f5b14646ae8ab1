// The drum kit part, one pattern per style with fills at section ends.
#include "score.h"

namespace {

enum Drum {
    kKickSoft = 35,
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kClosedHat = 42,
    kTomLow = 45,
    kTomMid = 47,
    kTomHigh = 50,
    kCrash = 49,
    kRide = 51,
    kMaracas = 70,
    kTriangle = 81
};

struct DrumBar {
    const Timeline& time;
    Score& score;
    int bar;
    Dice& dice;
    // Velocities vary a little, as a drummer's do.
    void Hit(double beat, int drum, int velocity) {
        score.notes.push_back(
            {time.Beat(bar, beat), 0.2, kDrumChannel, drum, velocity + dice.Below(9) - 4});
    }
    void Eighths(int drum, int strong, int weak, int count) {
        for (int i = 0; i < count; ++i) {
            Hit(i * 0.5, drum, i % 2 == 0 ? strong : weak);
        }
    }
};

void Fill(DrumBar& d) {
    const int toms[4] = {kTomHigh, kTomHigh, kTomMid, kTomLow};
    for (int i = 0; i < 4; ++i) {
        d.Hit(3 + i * 0.25, toms[i], 70 + i * 6);
    }
}

}  // namespace

void AddDrums(const SongStyle& style, const Timeline& time, Score& score) {
    const int bars = static_cast<int>(BarChords(style).size());
    Dice dice(style.seed * 7 + 3);
    for (int bar = 0; bar < bars; ++bar) {
        const SectionAt section = Section(style, bar);
        const bool fill = section.barInSection == 7;
        DrumBar d{time, score, bar, dice};
        if (section.barInSection == 0 && style.drums != DrumPattern::Waltz) {
            d.Hit(0, kCrash, 70);
        }
        switch (style.drums) {
            case DrumPattern::Pop:
                d.Hit(0, kKick, 95);
                d.Hit(2, kKick, 85);
                if (bar % 2 == 1) {
                    d.Hit(2.5, kKick, 70);
                }
                d.Hit(1, kSnare, 85);
                d.Hit(3, kSnare, 90);
                d.Eighths(kClosedHat, 64, 44, fill ? 6 : 8);
                if (fill) {
                    Fill(d);
                }
                break;
            case DrumPattern::Soft:
                d.Hit(0, kKickSoft, 70);
                d.Hit(2, kKickSoft, 60);
                d.Hit(1, kSideStick, 58);
                d.Hit(3, kSideStick, 62);
                d.Eighths(section.letter == 'B' ? kRide : kMaracas, 52, 36, 8);
                if (fill) {
                    d.Hit(3.5, kSnare, 60);
                }
                break;
            case DrumPattern::Bossa:
                for (const double beat : {0.0, 1.5, 2.0, 3.5}) {
                    d.Hit(beat, kKick, beat == 0 ? 66 : 52);
                }
                for (const double beat :
                     bar % 2 == 0 ? std::vector<double>{0, 1.5, 3} : std::vector<double>{1, 2}) {
                    d.Hit(beat, kSideStick, 66);
                }
                d.Eighths(kClosedHat, 46, 32, 8);
                break;
            case DrumPattern::Waltz:
                d.Eighths(kMaracas, 42, 28, 6);
                if (bar % 2 == 0) {
                    d.Hit(0, kTriangle, 48);
                }
                if (section.letter == 'B') {
                    d.Hit(0, kKickSoft, 52);
                }
                break;
            case DrumPattern::Orchestral:
                d.Hit(0, kKickSoft, 90);
                d.Hit(2, kKickSoft, 70);
                d.Hit(1, kSnare, 50);
                d.Hit(3, kSnare, 55);
                d.Hit(3.5, kSnare, 40);
                d.Hit(3.75, kSnare, 45);
                if (fill) {
                    for (int i = 0; i < 8; ++i) {
                        d.Hit(2 + i * 0.25, kSnare, 45 + i * 5);
                    }
                }
                break;
        }
    }
}
