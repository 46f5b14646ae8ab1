// Sound-effect generator: content_sounds <soundfont> <out dir>
// writes the effects as <name>.ogg (44.1 kHz stereo Ogg Vorbis).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../common/output_manifest.h"
#include "loudness.h"
#include "ogg_writer.h"
#include "sound_effects.h"
#include "tone_synth.h"

namespace {

// Trims, fades and levels a sound, then writes it.
bool Finish(StereoBuffer audio, const std::filesystem::path& path, OutputManifest& manifest) {
    TrimTail(audio, 0.002f, SAMPLE_RATE / 50);
    MatchLoudness(audio, TARGET_RMS, PEAK_LIMIT);
    FadeEdges(audio, 3, 15);
    if (!WriteOggVorbis(audio, 0.5f, path.string())) {
        std::fprintf(stderr, "content_sounds: cannot write %s\n", path.string().c_str());
        return false;
    }
    manifest.Add(path);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: content_sounds <soundfont> <out dir>\n");
        return 2;
    }
    SynthRenderer synth(argv[1]);
    if (!synth.Ok()) {
        std::fprintf(stderr, "content_sounds: cannot load %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    for (const EffectDefinition& effect : InstrumentEffects()) {
        double end = 0;
        for (const NoteEvent& n : effect.notes) {
            end = std::max(end, n.start + n.length);
        }
        if (!Finish(synth.Render(effect.channels, effect.notes, end + 1.5),
                    out / (effect.file + ".ogg"), manifest)) {
            return 1;
        }
    }
    const bool ok = Finish(Heartbeat(), out / "beat.ogg", manifest) &&
                    Finish(HoverTick(), out / "hover.ogg", manifest) &&
                    Finish(ClickPop(), out / "click.ogg", manifest);
    return ok && manifest.Save() ? 0 : 1;
}
