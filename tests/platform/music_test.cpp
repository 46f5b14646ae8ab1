#include <gtest/gtest.h>

#include "platform/music.h"
#include "sound_files.h"

namespace {

// Songs come from a table of test sounds instead of files.
class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAudio();
        StopAllChannels();
        ResetMusicService();
        songs = {{"a.ogg", ConstantSound(1000, 100)}, {"b.ogg", ConstantSound(1000, 200)}};
        SetSongLoader([this](const std::string& path) {
            const auto found = songs.find(path);
            return found == songs.end() ? nullptr : found->second;
        });
        LoadSong("a", "a.ogg");
        LoadSong("b", "b.ogg");
        LoadSong("broken", "missing.ogg");
    }
    void TearDown() override {
        ResetMusicService();
        SetSongLoader(nullptr);
    }
    static float ChannelVolumeHeard() {
        std::vector<int16_t> out(2);
        MixAudio(out.data(), 1);
        return CurrentSong() && CurrentSong()->samples[0] != 0
                   ? static_cast<float>(out[0]) / CurrentSong()->samples[0]
                   : 0.0f;
    }
    std::map<std::string, SoundPtr> songs;
};

}  // namespace

TEST_F(MusicTest, TableCountsOnlyLoadedSongs) {
    EXPECT_EQ(CountSongs(), 2);
    EXPECT_TRUE(FindSong("a"));
    EXPECT_FALSE(FindSong("broken"));
    songs["a.ogg"] = ConstantSound(10, 1);
    const SoundPtr before = FindSong("a");
    LoadSong("a", "a.ogg");
    EXPECT_EQ(FindSong("a"), before) << "an existing name is not loaded again";
    UnloadSong("a");
    EXPECT_EQ(CountSongs(), 1);
}

TEST_F(MusicTest, StartSongPlaysAtMusicVolumeAndDoesNotRestart) {
    SetSongVolume(0.5f);
    StartSong("a");
    const ChannelPtr channel = MusicChannel();
    ASSERT_TRUE(Playing(channel));
    EXPECT_EQ(CurrentSong(), FindSong("a"));
    EXPECT_NEAR(ChannelVolumeHeard(), 0.5f, 0.02f);
    StartSong("a");
    EXPECT_EQ(MusicChannel(), channel) << "the same song is not restarted";
    StartSong("b");
    EXPECT_FALSE(Playing(channel));
    EXPECT_EQ(CurrentSong(), FindSong("b"));
}

TEST_F(MusicTest, StartingANullSongWithNothingPlayingDoesNothing) {
    StartSong("broken");
    EXPECT_FALSE(MusicChannel());
    RequestSong("");
    EXPECT_FALSE(MusicChannel());
}

TEST_F(MusicTest, RequestFadesOverHalfASecondThenStartsTheQueuedSong) {
    SetSongVolume(0.5f);
    StartSong("a");
    RequestSong("b");
    EXPECT_EQ(QueuedSong(), "b");
    EXPECT_FLOAT_EQ(MusicFadeLevel(), 0.5f);
    int elapsed = 0;
    while (CurrentSong() == FindSong("a") && elapsed < 2000) {
        UpdateMusic(10);
        elapsed += 10;
    }
    EXPECT_NEAR(elapsed, 510, 10) << "the fade from 0.5 lasts half a second";
    EXPECT_EQ(CurrentSong(), FindSong("b"));
    EXPECT_EQ(QueuedSong(), "");
    EXPECT_EQ(MusicFadeLevel(), 0.0f);
    EXPECT_NEAR(ChannelVolumeHeard(), 0.5f, 0.02f);
}

TEST_F(MusicTest, FadeVolumeFallsFrameByFrame) {
    SetSongVolume(1.0f);
    StartSong("a");
    RequestSong("b");
    UpdateMusic(250);
    EXPECT_NEAR(ChannelVolumeHeard(), 1.0f, 0.02f);
    UpdateMusic(250);
    EXPECT_NEAR(ChannelVolumeHeard(), 0.75f, 0.02f);
    EXPECT_NEAR(MusicFadeLevel(), 0.5f, 1e-5f);
}

TEST_F(MusicTest, AQuietSongStopsAtOnceAndNothingStarts) {
    SetSongVolume(0.05f);
    StartSong("a");
    RequestSong("b");
    EXPECT_FALSE(MusicChannel());
    EXPECT_FALSE(CurrentSong());
    EXPECT_EQ(QueuedSong(), "");
    UpdateMusic(1000);
    EXPECT_FALSE(CurrentSong());
}

TEST_F(MusicTest, RequestingThePlayingSongStartsItAgainAfterTheFade) {
    SetSongVolume(0.5f);
    StartSong("a");
    const ChannelPtr first = MusicChannel();
    RequestSong("a");
    for (int i = 0; i < 60; ++i) {
        UpdateMusic(10);
    }
    EXPECT_EQ(CurrentSong(), FindSong("a"));
    EXPECT_NE(MusicChannel(), first) << "started again from the beginning";
}

TEST_F(MusicTest, AFadeLandingExactlyOnZeroStillEnds) {
    SetSongVolume(0.5f);
    StartSong("a");
    RequestSong("b");
    UpdateMusic(500);
    UpdateMusic(500);  // 0.5 - 0.5 = 0 exactly
    EXPECT_EQ(CurrentSong(), FindSong("b"));
}

TEST_F(MusicTest, SongsRepeatWithoutEnd) {
    SetSongVolume(1.0f);
    StartSong("a");
    std::vector<int16_t> out(2 * 1500);
    MixAudio(out.data(), 1500);
    EXPECT_FALSE(Playing(MusicChannel()));
    UpdateMusic(16);
    EXPECT_TRUE(Playing(MusicChannel()));
    MixAudio(out.data(), 1);
    EXPECT_EQ(out[0], 100);
}

TEST_F(MusicTest, VolumesAndEffects) {
    SetEffectVolume(0.5f);
    EXPECT_EQ(GetEffectVolume(), 0.5f);
    PlayEffect(songs["b.ogg"], 0.5f);  // 200 * 0.25
    std::vector<int16_t> out(2);
    MixAudio(out.data(), 1);
    EXPECT_EQ(out[0], 50);
    StartSong("a");
    SetSongVolume(0.25f);
    EXPECT_EQ(GetSongVolume(), 0.25f);
    MixAudio(out.data(), 1);
    EXPECT_EQ(out[0], 25 + 50);
    StopMusic();
    EXPECT_FALSE(MusicChannel());
    EXPECT_FALSE(CurrentSong());
}
