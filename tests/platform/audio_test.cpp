#include <gtest/gtest.h>

#include <random>

#include "picture_files.h"
#include "platform/debug_log.h"
#include "platform/stream.h"
#include "sound_files.h"

namespace {

// The mixer without the device, so only the test pulls frames.
class MixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAudio();
        StopAllChannels();
    }
    static std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
        MixAudio(out.data(), frames);
        return out;
    }
};

SoundPtr Decode(const std::string& bytes) {
    return DecodeSound(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

TEST_F(MixerTest, CuedChannelsWaitForResumeAndHonourVolume) {
    const ChannelPtr channel = CueSound(ConstantSound(1000, 10000));
    ASSERT_TRUE(channel);
    EXPECT_TRUE(Playing(channel)) << "a cued channel counts as playing";
    EXPECT_EQ(Mix(10)[0], 0) << "silent until resumed";
    SetVolume(channel, 0.5f);
    Resume(channel);
    const std::vector<int16_t> out = Mix(10);
    EXPECT_EQ(out[0], 5000);
    EXPECT_EQ(out[19], 5000);
    PauseChannel(channel);
    EXPECT_EQ(Mix(10)[0], 0);
    Stop(channel);
    EXPECT_FALSE(Playing(channel));
}

TEST_F(MixerTest, OneSoundOnTwoChannelsAddsUpAndClips) {
    const SoundPtr sound = ConstantSound(100, 20000);
    const ChannelPtr first = PlaySound(sound);
    const ChannelPtr second = PlaySound(sound);
    ASSERT_NE(first, second);
    SetVolume(second, 0.25f);
    EXPECT_EQ(Mix(1)[0], 25000);
    SetVolume(second, 1.0f);
    EXPECT_EQ(Mix(1)[1], 32767) << "sums clip instead of wrapping";
}

TEST_F(MixerTest, ASoundThatEndsStopsPlayingAndCanStartAgain) {
    const SoundPtr sound = ConstantSound(30, 1000);
    const ChannelPtr channel = PlaySound(sound);
    const std::vector<int16_t> out = Mix(50);
    EXPECT_EQ(out[2 * 29], 1000);
    EXPECT_EQ(out[2 * 30], 0);
    EXPECT_FALSE(Playing(channel));
    PlaySound(sound, channel);
    EXPECT_TRUE(Playing(channel));
    EXPECT_EQ(Mix(1)[0], 1000);
}

TEST_F(MixerTest, NoSoundNoChannelNoCrash) {
    EXPECT_FALSE(CueSound(nullptr));
    EXPECT_FALSE(Playing(nullptr));
    SetVolume(nullptr, 1);
    Resume(nullptr);
    Stop(nullptr);
    MixAudio(nullptr, 10);
}

TEST_F(MixerTest, WorksWithTheDeviceOpen) {
    OpenAudio();  // SDL's dummy driver has a device; without one this stays silent
    const ChannelPtr channel = PlaySound(ConstantSound(100, 1000));
    EXPECT_TRUE(channel);
    CloseAudio();
}

TEST(SoundDecodeTest, WavIsConvertedToStereoAtTheMixerRate) {
    const SoundPtr stereo = Decode(EncodeWav({100, -100, 200, -200}, 2, 44100, 16));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->samples, (std::vector<int16_t>{100, -100, 200, -200}));

    const SoundPtr mono8 = Decode(EncodeWav({0, 64, -64}, 1, 44100, 8));
    ASSERT_TRUE(mono8);
    EXPECT_EQ(mono8->samples, (std::vector<int16_t>{0, 0, 16384, 16384, -16384, -16384}));

    std::vector<int> ramp;
    for (int i = 0; i < 100; ++i) {
        ramp.push_back(i * 100);
    }
    const SoundPtr slow = Decode(EncodeWav(ramp, 1, 22050, 16));
    ASSERT_TRUE(slow);
    EXPECT_EQ(slow->Frames(), 200);
    EXPECT_EQ(slow->samples[2 * 2], 100);
    EXPECT_EQ(slow->samples[3 * 2], 150) << "linear in between";
}

TEST(SoundDecodeTest, OggVorbisDecodes) {
    const SoundPtr tone =
        LoadSound(std::string(TESS_SOURCE_DIR) + "/tests/platform/data/tone.ogg", 0);
    ASSERT_TRUE(tone);
    EXPECT_NEAR(tone->Frames(), 11025, 4) << "a quarter second at 22050 Hz, resampled";
    int16_t loudest = 0;
    for (int16_t s : tone->samples) {
        loudest = std::max<int16_t>(loudest, s);
    }
    EXPECT_GT(loudest, 8000);
}

TEST(SoundDecodeTest, DamagedSoundsGiveNullAndALogLine) {
    const std::string wav = EncodeWav(std::vector<int>(200, 5), 2, 44100, 16);
    StreamPtr oggFile = ReadStream(std::string(TESS_SOURCE_DIR) + "/tests/platform/data/tone.ogg");
    ASSERT_TRUE(oggFile);
    const std::string ogg = ReadAll(*oggFile);
    for (size_t length :
         {size_t{0}, size_t{4}, size_t{12}, size_t{30}, size_t{44}, wav.size() - 1}) {
        DebugLogCapture log;
        EXPECT_FALSE(Decode(wav.substr(0, length))) << length;
        EXPECT_FALSE(log.Lines().empty());
    }
    for (size_t length = 0; length < ogg.size(); length += 97) {
        DebugLogCapture log;
        if (!Decode(ogg.substr(0, length))) {
            EXPECT_FALSE(log.Lines().empty());
        }
    }
    std::mt19937 random(11);
    for (const std::string* file : {&wav, &ogg}) {
        for (int round = 0; round < 100; ++round) {
            std::string damaged = *file;
            for (int i = 0; i < 6; ++i) {
                damaged[random() % damaged.size()] = static_cast<char>(random());
            }
            DebugLogCapture log;
            if (!Decode(damaged)) {
                EXPECT_FALSE(log.Lines().empty());
            }
        }
    }
    std::string wrongFormat = wav;
    wrongFormat[20] = 3;  // float samples
    DebugLogCapture log;
    EXPECT_FALSE(Decode(wrongFormat));
    EXPECT_FALSE(Decode("not a sound at all"));
    EXPECT_FALSE(LoadSound(TempPath("missing.wav"), 0));
    EXPECT_TRUE(log.Contains("cannot open"));
}
