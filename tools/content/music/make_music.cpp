// Song generator: content_music <soundfont> <out dir>
// composes music1 to music5, renders them with the soundfont and writes
// seamlessly looping 44.1 kHz stereo Ogg Vorbis files.
#include <cstdio>
#include <filesystem>
#include <string>

#include "../audio/loudness.h"
#include "../audio/ogg_writer.h"
#include "../common/output_manifest.h"
#include "score.h"

namespace {
constexpr double TAIL_SECONDS = 5.0;  // rendered past the loop end and folded into its start
}

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: content_music <soundfont> <out dir> [song]\n");
        return 2;
    }
    SynthRenderer synth(argv[1]);
    if (!synth.Ok()) {
        std::fprintf(stderr, "content_music: cannot load %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    for (const SongStyle& style : SongStyles()) {
        if (argc > 3 && std::string(argv[3]) != style.file) {
            continue;
        }
        const Score score = Compose(style);
        StereoBuffer audio =
            synth.Render(score.channels, score.notes, score.seconds + TAIL_SECONDS);
        FoldTail(audio, static_cast<int>(score.seconds * SAMPLE_RATE + 0.5));
        MatchLoudness(audio, TARGET_RMS, PEAK_LIMIT * 2);
        LimitPeaks(audio, PEAK_LIMIT);
        const std::string path = (out / (std::string(style.file) + ".ogg")).string();
        if (!WriteOggVorbis(audio, 0.4f, path)) {
            std::fprintf(stderr, "content_music: cannot write %s\n", path.c_str());
            return 1;
        }
        manifest.Add(path);
    }
    return manifest.Save() ? 0 : 1;
}
