// Songs decode through the game's sound loader in the stated format and
// length, loop without a gap or a click, and are music rather than silence,
// noise or clipping.
#include <gtest/gtest.h>

#include <cmath>

#include "audio_checks.h"
#include "content_fixture.h"

namespace {

std::string SongPath(int n) {
    return "data/music/music" + std::to_string(n) + ".ogg";
}

}  // namespace

class Songs : public ContentTest, public ::testing::WithParamInterface<int> {};

TEST_P(Songs, DecodeInTheStatedFormatAndLength) {
    const content_test::VorbisFormat format = content_test::ReadVorbisFormat(SongPath(GetParam()));
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.rate, 44100);
    const SoundPtr song = LoadAssetSound(SongPath(GetParam()), 0);
    ASSERT_NE(song, nullptr);
    const double seconds = content_test::Seconds(*song);
    EXPECT_GE(seconds, 45.0);
    EXPECT_LE(seconds, 90.0);
    EXPECT_LT(content_test::PeakDb(*song), -1.0);
    EXPECT_NEAR(content_test::ActiveRmsDb(*song), -20.0, 3.0);
}

TEST_P(Songs, EndRunsIntoTheStart) {
    const SoundPtr song = LoadAssetSound(SongPath(GetParam()), 0);
    ASSERT_NE(song, nullptr);
    const int frames = song->Frames();
    const int ms20 = MixerRate() / 50;
    const double head = content_test::RmsDb(*song, 0, ms20);
    const double tail = content_test::RmsDb(*song, frames - ms20, ms20);
    // No silence on either side of the join, and no sudden change of level.
    EXPECT_GT(head, -45.0);
    EXPECT_GT(tail, -45.0);
    EXPECT_NEAR(head, tail, 12.0);
    // The first sample continues the waveform of the last ones: its distance
    // from the straight-line prediction is no larger than the steps the song
    // takes anyway in its last 20 ms.
    for (int channel = 0; channel < 2; ++channel) {
        auto at = [&](int frame) {
            return static_cast<int>(song->samples[static_cast<size_t>(frame) * 2 + channel]);
        };
        int largestStep = 0;
        for (int f = frames - ms20 + 1; f < frames; ++f) {
            largestStep = std::max(largestStep, std::abs(at(f) - at(f - 1)));
        }
        const int predicted = 2 * at(frames - 1) - at(frames - 2);
        EXPECT_LE(std::abs(at(0) - predicted), largestStep + 200) << "channel " << channel;
    }
}

TEST_P(Songs, SoundLikeMusicThroughout) {
    const SoundPtr song = LoadAssetSound(SongPath(GetParam()), 0);
    ASSERT_NE(song, nullptr);
    // Every two seconds carry sound, none of it clipped.
    const int window = 2 * MixerRate();
    for (int f = 0; f + window <= song->Frames(); f += window) {
        EXPECT_GT(content_test::RmsDb(*song, f, window), -40.0) << "at " << f / MixerRate() << " s";
    }
    int clipped = 0;
    for (const int16_t s : song->samples) {
        clipped += std::abs(static_cast<int>(s)) >= 32700;
    }
    EXPECT_EQ(clipped, 0);
    // Dynamics of music: beats and phrases make the level move (noise or a
    // drone would stay flat), but never by much more than a few dB on average.
    const int beat = MixerRate() / 8;
    double previous = content_test::RmsDb(*song, 0, beat), movement = 0;
    int windows = 0;
    for (int f = beat; f + beat <= song->Frames(); f += beat, ++windows) {
        const double level = content_test::RmsDb(*song, f, beat);
        movement += std::fabs(level - previous);
        previous = level;
    }
    const double meanMovement = movement / windows;
    EXPECT_GT(meanMovement, 0.5);
    EXPECT_LT(meanMovement, 6.0);
}

INSTANTIATE_TEST_SUITE_P(Music, Songs, ::testing::Range(1, 6));

TEST_F(ContentTest, SongsFitInMemoryAndMatchTheEffects) {
    size_t bytes = 0;
    double songLevel = 0;
    for (int n = 1; n <= 5; ++n) {
        const SoundPtr song = LoadAssetSound(SongPath(n), 0);
        ASSERT_NE(song, nullptr);
        bytes += song->samples.size() * sizeof(int16_t);
        songLevel += content_test::ActiveRmsDb(*song) / 5;
    }
    EXPECT_LT(bytes, 60u * 1000 * 1000);
    double effectLevel = 0;
    const char* effects[] = {"choosefirst", "getbonus", "levelcompleted", "wrong"};
    for (const char* name : effects) {
        const SoundPtr sound = LoadAssetSound(std::string("data/sounds/") + name + ".ogg", 0);
        ASSERT_NE(sound, nullptr);
        effectLevel += content_test::ActiveRmsDb(*sound) / 4;
    }
    EXPECT_NEAR(songLevel, effectLevel, 3.0);
}
