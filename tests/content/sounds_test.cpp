// Sound effects decode through the game's sound loader, are short and clean,
// leave headroom and share one loudness; the heartbeat beats twice.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio_checks.h"
#include "content_fixture.h"
#include "tools/content/common/output_manifest.h"

namespace {

// Every sound the generator wrote, as its manifest names them.
const std::vector<std::string> EFFECTS =
    ReadOutputManifest(TESS_BINARY_DIR "/manifests/sounds.txt");

// Largest step between neighbouring samples of one channel in a frame range.
int LargestStep(const TSound& sound, int first, int count, int channel) {
    int largest = 0;
    for (int f = first + 1; f < first + count; ++f) {
        const int a = sound.samples[static_cast<size_t>(f - 1) * 2 + channel];
        const int b = sound.samples[static_cast<size_t>(f) * 2 + channel];
        largest = std::max(largest, std::abs(a - b));
    }
    return largest;
}

}  // namespace

class SoundEffects : public ContentTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(SoundEffects, DecodeShortCleanAndWithHeadroom) {
    const std::string path = GetParam();
    const content_test::VorbisFormat format = content_test::ReadVorbisFormat(path);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.rate, 44100);
    const SoundPtr sound = LoadAssetSound(path, 0);
    ASSERT_NE(sound, nullptr);
    const double seconds = content_test::Seconds(*sound);
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 4.0);
    EXPECT_LT(content_test::PeakDb(*sound), -1.0);
    EXPECT_GT(content_test::PeakDb(*sound), -12.0);
    // Faded edges: no click when the sound starts or ends.
    const int edge = MixerRate() / 1000;  // 1 ms
    for (int channel = 0; channel < 2; ++channel) {
        EXPECT_LT(std::abs(sound->samples[static_cast<size_t>(channel)]), 300);
        EXPECT_LT(std::abs(sound->samples[sound->samples.size() - 2 + channel]), 300);
        EXPECT_LT(LargestStep(*sound, 0, edge, channel), 1500);
        EXPECT_LT(LargestStep(*sound, sound->Frames() - edge, edge, channel), 1500);
    }
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundEffects, ::testing::ValuesIn(EFFECTS));

TEST_F(ContentTest, SoundEffectsShareOneLoudness) {
    std::vector<double> levels;
    for (const std::string& name : EFFECTS) {
        const SoundPtr sound = LoadAssetSound(name, 0);
        ASSERT_NE(sound, nullptr) << name;
        levels.push_back(content_test::ActiveRmsDb(*sound));
    }
    double mean = 0;
    for (const double l : levels) {
        mean += l / levels.size();
    }
    for (size_t i = 0; i < levels.size(); ++i) {
        EXPECT_NEAR(levels[i], mean, 3.0) << EFFECTS[i];
    }
    EXPECT_NEAR(mean, -20.0, 3.0);
}

TEST_F(ContentTest, HeartbeatBeatsTwiceWithinASecond) {
    const SoundPtr beat = LoadAssetSound("data/sounds/beat.ogg", 0);
    ASSERT_NE(beat, nullptr);
    EXPECT_LT(content_test::Seconds(*beat), 0.9);  // it plays once a second
    // Envelope in 10 ms windows; a beat is a window 12 dB above both neighbours'
    // quiet gap, at least 150 ms after the previous beat.
    const int window = MixerRate() / 100;
    const double peak = content_test::PeakDb(*beat);
    std::vector<double> envelope;
    for (int f = 0; f + window <= beat->Frames(); f += window) {
        envelope.push_back(content_test::RmsDb(*beat, f, window));
    }
    int beats = 0;
    size_t lastBeat = 0;
    bool quiet = true;
    for (size_t i = 0; i < envelope.size(); ++i) {
        const bool loud = envelope[i] > peak - 12;
        if (loud && quiet && (beats == 0 || i - lastBeat >= 15)) {
            ++beats;
            lastBeat = i;
        }
        if (loud) {
            quiet = false;
        }
        if (envelope[i] < peak - 24) {
            quiet = true;
        }
    }
    EXPECT_EQ(beats, 2);
}
