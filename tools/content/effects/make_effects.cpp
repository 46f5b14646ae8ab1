// Effect pictures: content_effects <out dir>
// writes the particle pictures spark.png and star.png (white, so particles
// take their colour from the emitter) and the soft drop shadows
// squareshadow.png and roundshadow.png of the tiles (32 x 48 with a blurred
// margin of 4 pixels).
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../common/cairo_image.h"
#include "../common/output_manifest.h"
#include "../common/pi.h"

namespace {

constexpr int MARGIN = 4;
constexpr double SHADOW_ALPHA = 0.45;

RgbaImage Spark() {
    const CairoCanvas canvas(16, 16);
    cairo_pattern_t* glow = cairo_pattern_create_radial(8, 8, 0, 8, 8, 8);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0.25, 1, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(canvas.Cr(), glow);
    cairo_paint(canvas.Cr());
    cairo_pattern_destroy(glow);
    return canvas.Image();
}

RgbaImage Star() {
    const CairoCanvas canvas(16, 16);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < 8; ++i) {
        const double a = i * PI / 4 - PI / 2, r = i % 2 == 0 ? 7.8 : 1.8;
        const double x = 8 + r * std::cos(a), y = 8 + r * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(8, 8, 0, 8, 8, 5);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    return canvas.Image();
}

// Three box-blur passes over the alpha channel approximate a Gaussian.
void BlurAlpha(RgbaImage& img, int radius) {
    std::vector<int> tmp(static_cast<size_t>(img.width) * img.height);
    for (int pass = 0; pass < 3; ++pass) {
        for (int axis = 0; axis < 2; ++axis) {
            for (int y = 0; y < img.height; ++y) {
                for (int x = 0; x < img.width; ++x) {
                    int sum = 0, count = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const int sx = axis == 0 ? x + k : x, sy = axis == 0 ? y : y + k;
                        if (sx < 0 || sy < 0 || sx >= img.width || sy >= img.height) {
                            ++count;
                            continue;
                        }
                        sum += img.At(sx, sy)[3];
                        ++count;
                    }
                    tmp[static_cast<size_t>(y) * img.width + x] = sum / count;
                }
            }
            for (int y = 0; y < img.height; ++y) {
                for (int x = 0; x < img.width; ++x) {
                    img.At(x, y)[3] =
                        static_cast<uint8_t>(tmp[static_cast<size_t>(y) * img.width + x]);
                }
            }
        }
    }
}

RgbaImage Shadow(double cornerRadius) {
    const int w = 32 + 2 * MARGIN, h = 48 + 2 * MARGIN;
    const CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double x = MARGIN, y = MARGIN, r = cornerRadius;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 32 - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + 32 - r, y + 48 - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + 48 - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    RgbaImage img = canvas.Image();
    BlurAlpha(img, 2);
    for (int i = 0; i < img.width * img.height; ++i) {
        uint8_t* p = img.rgba.data() + static_cast<size_t>(i) * 4;
        p[0] = p[1] = p[2] = 0;
        p[3] = static_cast<uint8_t>(p[3] * SHADOW_ALPHA);
    }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: content_effects <out dir>\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    const auto write = [&](const RgbaImage& image, const char* name) {
        const std::filesystem::path path = out / name;
        if (!WritePng(image, path.string())) {
            return false;
        }
        manifest.Add(path);
        return true;
    };
    const bool ok = write(Spark(), "spark.png") && write(Star(), "star.png") &&
                    write(Shadow(0.5), "squareshadow.png") && write(Shadow(6), "roundshadow.png");
    return ok && manifest.Save() ? 0 : 1;
}
