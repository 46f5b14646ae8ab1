// Per-frame costs of the 2D toolkit: text measuring and drawing, particles, sprites.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "toolkit/bmfont.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/render_state.h"
#include "toolkit/sprite.h"

namespace {

const char* const CAPTION = "The quick brown fox jumps over a lazy do";  // 40 characters

std::string BenchDir() {
    static const std::string dir = [] {
        const auto path = std::filesystem::temp_directory_path() / "tessalune-bench-toolkit";
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return dir;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void WritePng(const std::string& path, int width, int height, uint32_t argb) {
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    ClearPixels(*pixmap, argb);
    SavePixmapPNG(*pixmap, path);
}

// The shipped caption font, read from the linked-in archive.
BMFontPtr BenchFont() {
    static BMFontPtr font;
    if (!font) {
        RegisterEmbeddedArchive();
        SetArchivePrefix(SHIPPED_ARCHIVE_PREFIX);
        font = TBMFont::Create("data/fonts/", "desyrel18.fnt");
        SetArchivePrefix("");
    }
    return font;
}

bool EnsureGraphics() {
    if (!GraphicsOpen()) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (!OpenGraphics(800, 600, 0, 60)) {
            return false;
        }
    }
    return true;
}

// Waits until the GPU has drawn everything, so a frame's cost is measured whole.
void FinishFrame() {
    benchmark::DoNotOptimize(GrabPixmap(0, 0, 1, 1));
}

void BM_TextWidthCached(benchmark::State& state) {
    const BMFontPtr font = BenchFont();
    if (font->GlyphCount() == 0) {
        state.SkipWithError("shipped font missing");
        return;
    }
    const std::string caption = CAPTION;
    SetScale(1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(font->TextWidth(caption, -1));
    }
}
BENCHMARK(BM_TextWidthCached);

void BM_TextWidthUncached(benchmark::State& state) {
    const BMFontPtr font = BenchFont();
    const std::string captions[2] = {CAPTION, std::string(CAPTION).replace(0, 1, "t")};
    SetScale(1, 1);
    int flip = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(font->TextWidth(captions[flip], -1));
        flip ^= 1;
    }
}
BENCHMARK(BM_TextWidthUncached);

void BM_Draw2000Glyphs(benchmark::State& state) {
    if (!EnsureGraphics()) {
        state.SkipWithError("no graphics");
        return;
    }
    const BMFontPtr font = BenchFont();
    const std::string caption = CAPTION;
    SetBlend(BLEND_ALPHA);
    for (auto _ : state) {
        Cls();
        for (int line = 0; line < 50; ++line) {
            font->DrawText(caption, 0, static_cast<float>(line * 12));
        }
        FinishFrame();
    }
    state.counters["glyphs/frame"] = 2000;
}
BENCHMARK(BM_Draw2000Glyphs)->Unit(benchmark::kMillisecond);

ParticleEmitterPtr BenchEmitter() {
    WritePng(BenchDir() + "dot.png", 8, 8, 0xffffffff);
    WriteFile(BenchDir() + "emitter.txt",
              "point_weight=10\npoint_scale=0.5\npoint_scalefactor=0.1\npoint_rotationfactor=45\n"
              "point_velocity_min=-100\npoint_velocity_max=100\npoint_red=1\npoint_green=0.5\n"
              "point_blue=0.2\npoint_alpha=1\npoint_alphafactor=-0.01\n"
              "emitter_particles_per_burst=600\nxhandle=4\nyhandle=4\nimage=" +
                  BenchDir() + "dot.png\n");
    return _kwa_ParticleEmitter::Create("bench", BenchDir() + "emitter.txt", 0);
}

void BM_Update600Particles(benchmark::State& state) {
    const ParticleEmitterPtr emitter = BenchEmitter();
    emitter->DoBurst(400, 300, 0);
    for (auto _ : state) {
        emitter->Update(0.0001f);
    }
    state.counters["live"] = emitter->LiveCount();
}
BENCHMARK(BM_Update600Particles);

void BM_UpdateAndDraw600Particles(benchmark::State& state) {
    if (!EnsureGraphics()) {
        state.SkipWithError("no graphics");
        return;
    }
    const ParticleEmitterPtr emitter = BenchEmitter();
    emitter->DoBurst(400, 300, 0);
    const RenderStatePtr saved = _kwa_RenderState::Create();
    for (auto _ : state) {
        Cls();
        emitter->Update(0.0001f);
        saved->Grab();
        emitter->Draw();
        saved->Restore();
        FinishFrame();
    }
    state.counters["live"] = emitter->LiveCount();
}
BENCHMARK(BM_UpdateAndDraw600Particles)->Unit(benchmark::kMillisecond);

void BM_Draw100AnimatedSprites(benchmark::State& state) {
    if (!EnsureGraphics()) {
        state.SkipWithError("no graphics");
        return;
    }
    for (const char* frame : {"s1", "s2", "s3"}) {
        WritePng(BenchDir() + frame + ".png", 32, 32, 0xff40c0ff);
    }
    WriteFile(BenchDir() + "spin.csv", "name,duration\ns1,6\ns2,6\ns3,6\n");
    WriteFile(BenchDir() + "spin.txt",
              "xhandle=16\nyhandle=16\n<x>\ndata0=0\ndata1=200\ndata2=20\n</x>\n"
              "<r>\ndata0=0\ndata1=90\ndata2=15\nscript=1\n</r>\n"
              "<s>\ndata0=1\ndata1=500\ndata2=0.2\nscript=1\n</s>\n");
    const MasterSpritePtr master = _kwa_MasterSprite::Create(BenchDir() + "spin.csv");
    std::vector<SpriteInstancePtr> sprites;
    for (int i = 0; i < 100; ++i) {
        sprites.push_back(master->CreateInstance());
        sprites.back()->m_fX = static_cast<float>(40 + (i % 10) * 75);
        sprites.back()->m_fY = static_cast<float>(40 + (i / 10) * 55);
        sprites.back()->RandomizeTime();
    }
    for (auto _ : state) {
        Cls();
        for (const SpriteInstancePtr& sprite : sprites) {
            sprite->Draw(0.016f);
        }
        FinishFrame();
    }
    for (const SpriteInstancePtr& sprite : sprites) {
        sprite->Destroy();
    }
    master->Destroy();
    SetRotation(0);
    SetScale(1, 1);
}
BENCHMARK(BM_Draw100AnimatedSprites)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
