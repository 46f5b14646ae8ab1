// The song composer's rules: notes in key and in time, tunes built from
// repeated motifs, every part present in every bar, the same song every time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "tools/content/music/score.h"

namespace {

int BarOf(const Timeline& t, double seconds) {
    return static_cast<int>(seconds / t.Bar(1) + 1e-6);
}

bool IsMelody(const NoteEvent& n) {
    return n.channel == LEAD_CHANNEL || n.channel == SECOND_LEAD_CHANNEL;
}

// Onsets of the melody in a bar, in eighths from its start.
std::vector<int> Rhythm(const Score& score, const Timeline& t, int bar) {
    std::set<int> onsets;
    for (const NoteEvent& n : score.notes) {
        if (IsMelody(n) && BarOf(t, n.start) == bar) {
            onsets.insert(
                static_cast<int>(std::lround((n.start - t.Bar(bar)) / (t.beatSeconds / 2))));
        }
    }
    return {onsets.begin(), onsets.end()};
}

}  // namespace

class Composer : public ::testing::TestWithParam<int> {
protected:
    const SongStyle& Style() const { return SongStyles()[static_cast<size_t>(GetParam())]; }
    Timeline Time() const { return {60.0 / Style().bpm, Style().beatsPerBar}; }
};

TEST_P(Composer, NotesStayInKeyAndInsideTheLoop) {
    const SongStyle& style = Style();
    const Score score = Compose(style);
    const Timeline t = Time();
    const std::vector<int> chords = BarChords(style);
    EXPECT_NEAR(score.seconds, t.Bar(static_cast<int>(chords.size())), 1e-9);
    EXPECT_GE(score.seconds, 45.0);
    EXPECT_LE(score.seconds, 90.0);
    for (const NoteEvent& n : score.notes) {
        // Notes may ring past the end: that tail is folded into the start.
        EXPECT_GE(n.start, 0.0);
        EXPECT_LT(n.start, score.seconds);
        EXPECT_LE(n.start + n.length, score.seconds + t.Bar(1));
        EXPECT_GE(n.velocity, 1);
        EXPECT_LE(n.velocity, 127);
        if (n.channel == DRUM_CHANNEL) {
            continue;
        }
        const int chord = chords[static_cast<size_t>(BarOf(t, n.start))];
        bool inKey = false;
        for (int step = -21; step < 28 && !inKey; ++step) {
            inKey = StepKey(style.key, step, chord) % 12 == n.key % 12;
        }
        EXPECT_TRUE(inKey) << "key " << n.key << " over chord " << chord << " at " << n.start;
    }
}

TEST_P(Composer, TuneLandsOnChordTonesOnTheDownbeat) {
    const SongStyle& style = Style();
    const Score score = Compose(style);
    const Timeline t = Time();
    const std::vector<int> chords = BarChords(style);
    int downbeats = 0;
    for (const NoteEvent& n : score.notes) {
        if (!IsMelody(n)) {
            continue;
        }
        const int bar = BarOf(t, n.start);
        if (std::fabs(n.start - t.Bar(bar)) > 1e-6) {
            continue;
        }
        ++downbeats;
        bool chordTone = false;
        for (int step = -21; step < 28 && !chordTone; ++step) {
            chordTone =
                IsChordStep(step, chords[static_cast<size_t>(bar)]) &&
                StepKey(style.key, step, chords[static_cast<size_t>(bar)]) % 12 == n.key % 12;
        }
        EXPECT_TRUE(chordTone) << "bar " << bar;
    }
    EXPECT_GT(downbeats, static_cast<int>(chords.size()) / 2);
}

TEST_P(Composer, SectionsRepeatTheirMotifs) {
    const SongStyle& style = Style();
    const Score score = Compose(style);
    const Timeline t = Time();
    // Within a section the second phrase restates the first; a later A
    // section opens with the rhythm of the first one.
    for (int bar = 0; bar < 2; ++bar) {
        EXPECT_EQ(Rhythm(score, t, bar), Rhythm(score, t, bar + 4));
        const char* second = std::strchr(style.form + 1, 'A');
        ASSERT_NE(second, nullptr);
        const int start = static_cast<int>(second - style.form) * 8;
        EXPECT_EQ(Rhythm(score, t, bar), Rhythm(score, t, start + bar));
    }
    // But the tune is not one bar over and over.
    std::set<std::vector<int>> rhythms;
    for (int bar = 0; bar < 8; ++bar) {
        rhythms.insert(Rhythm(score, t, bar));
    }
    EXPECT_GE(rhythms.size(), 3u);
}

TEST_P(Composer, EveryBarHasBassHarmonyAndRhythm) {
    const SongStyle& style = Style();
    const Score score = Compose(style);
    const Timeline t = Time();
    const int bars = static_cast<int>(BarChords(style).size());
    for (int bar = 0; bar < bars; ++bar) {
        std::set<int> channels;
        for (const NoteEvent& n : score.notes) {
            if (BarOf(t, n.start) == bar) {
                channels.insert(n.channel);
            }
        }
        EXPECT_TRUE(channels.count(BASS_CHANNEL)) << bar;
        EXPECT_TRUE(channels.count(HARMONY_CHANNEL)) << bar;
        EXPECT_TRUE(channels.count(DRUM_CHANNEL)) << bar;
    }
}

TEST_P(Composer, SameSongEveryTime) {
    const Score a = Compose(Style()), b = Compose(Style());
    ASSERT_EQ(a.notes.size(), b.notes.size());
    for (size_t i = 0; i < a.notes.size(); ++i) {
        EXPECT_EQ(a.notes[i].key, b.notes[i].key);
        EXPECT_EQ(a.notes[i].start, b.notes[i].start);
    }
}

INSTANTIATE_TEST_SUITE_P(Songs, Composer, ::testing::Range(0, 5));

TEST(ComposerSongs, MoodsDiffer) {
    std::set<int> tempos, tonics;
    for (const SongStyle& s : SongStyles()) {
        tempos.insert(s.bpm);
        tonics.insert(s.key.tonic * 2 + s.key.minor);
    }
    EXPECT_EQ(SongStyles().size(), 5u);
    EXPECT_EQ(tempos.size(), 5u);
    EXPECT_GE(tonics.size(), 4u);
}

TEST(MusicTheory, StepsAndChords) {
    const Key cMajor{60, false}, aMinor{57, true};
    EXPECT_EQ(StepKey(cMajor, 0, 0), 60);
    EXPECT_EQ(StepKey(cMajor, 7, 0), 72);
    EXPECT_EQ(StepKey(cMajor, -1, 0), 59);
    EXPECT_EQ(StepKey(aMinor, 6, 0), 67);  // G natural over the tonic
    EXPECT_EQ(StepKey(aMinor, 6, 4), 68);  // G sharp over the dominant
    EXPECT_TRUE(IsChordStep(4, 0));
    EXPECT_FALSE(IsChordStep(3, 0));
    EXPECT_EQ(NearestChordStep(3, 0), 2);
    EXPECT_EQ(NearestChordStep(-1, 4), -1);  // the leading note is the third of V
}
