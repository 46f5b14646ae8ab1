#include <gtest/gtest.h>

#include <random>

#include "platform/debug_log.h"
#include "platform/music.h"
#include "platform/stream.h"
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

namespace {

std::string ReadTestFile(const std::string& name) {
    StreamPtr file = ReadStream(std::string(TESS_SOURCE_DIR) + "/tests/platform/data/" + name);
    return file ? ReadAll(*file) : std::string();
}

}  // namespace

// Songs stay compressed and the mixer decodes them as they play: the loop
// point is seamless and the table holds only the compressed bytes.
TEST(StreamedSongTest, LoopsWithoutAGapAndKeepsOnlyCompressedBytes) {
    CloseAudio();
    StopAllChannels();
    ResetMusicService();
    const std::string bytes = ReadTestFile("loop.ogg");
    ASSERT_FALSE(bytes.empty());
    const SoundPtr whole =
        DecodeSound(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(whole);
    SetSongLoader([](const std::string& path) { return LoadSound(path, SOUND_STREAMED); });
    LoadSong("loop", std::string(TESS_SOURCE_DIR) + "/tests/platform/data/loop.ogg");
    LoadSong("tone", std::string(TESS_SOURCE_DIR) + "/tests/platform/data/tone.ogg");
    {
        DebugLogCapture log;
        LoadSong("cut", "");
        EXPECT_FALSE(log.Lines().empty());
    }
    EXPECT_EQ(CountSongs(), 2);
    const SoundPtr song = FindSong("loop");
    ASSERT_TRUE(song && song->Streamed());
    EXPECT_EQ(song->Frames(), whole->Frames());
    EXPECT_FALSE(FindSong("tone")->Streamed()) << "another rate is decoded whole";
    EXPECT_EQ(song->MemoryBytes(), bytes.size());

    SetSongVolume(1.0f);
    StartSong("loop");
    const int total = whole->Frames();
    std::vector<int16_t> heard;
    const int chunks[] = {777, 1024, 1, 4096, 13, 9999, 5000, 2048, 30000};
    for (int i = 0; heard.size() / 2 < static_cast<size_t>(total) * 3 + 100; ++i) {
        const int chunk = chunks[i % 9];
        std::vector<int16_t> out(static_cast<size_t>(chunk) * 2);
        MixAudio(out.data(), chunk);
        heard.insert(heard.end(), out.begin(), out.end());
        UpdateMusic(16);
    }
    int mismatches = 0;
    for (size_t i = 0; i < heard.size(); ++i) {
        const size_t frame = (i / 2) % static_cast<size_t>(total);
        mismatches += heard[i] != whole->samples[frame * 2 + i % 2] ? 1 : 0;
    }
    EXPECT_EQ(mismatches, 0) << "every loop repeats the song sample for sample";
    EXPECT_TRUE(Playing(MusicChannel()));

    RequestSong("tone");
    UpdateMusic(600);
    UpdateMusic(600);
    EXPECT_EQ(CurrentSong(), FindSong("tone")) << "fades and the queue work on streams";
    ResetMusicService();
    SetSongLoader(nullptr);
}

TEST(StreamedSongTest, DamagedStreamsNeverCrashTheMixer) {
    CloseAudio();
    StopAllChannels();
    const std::string bytes = ReadTestFile("loop.ogg");
    const size_t soundStart = bytes.find("OggS", bytes.find("OggS", 1) + 1);
    const size_t lastPage = bytes.rfind("OggS");
    ASSERT_LT(soundStart, lastPage);
    std::mt19937 random(5);
    int played = 0;
    for (int round = 0; round < 40; ++round) {
        std::string damaged = bytes;
        if (round % 2 == 0) {
            damaged.resize(random() % damaged.size());
        } else {  // sound pages between the headers and the last page
            for (int i = 0; i < 8; ++i) {
                damaged[soundStart + random() % (lastPage - soundStart)] =
                    static_cast<char>(random());
            }
        }
        DebugLogCapture log;
        const SoundPtr sound = StreamSound(damaged);
        if (!sound) {
            EXPECT_FALSE(log.Lines().empty());
            continue;
        }
        played += sound->Streamed() ? 1 : 0;
        const ChannelPtr channel = PlaySound(sound);
        std::vector<int16_t> out(2 * 20000);
        MixAudio(out.data(), 20000);
        MixAudio(out.data(), 20000);
        Stop(channel);
    }
    EXPECT_GT(played, 5) << "damaged sound pages still leave a stream to play";
}
