// Contact sheets of the screen pictures, one per group, for a look by eye.
// Usage: screen_art_sheets <manifest> <output root> <report dir>
// Writes screens-<group>.png into the report folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "../content/common/cairo_image.h"
#include "art_kit.h"
#include "jpeg_io.h"

namespace {

struct Group {
    const char* name;
    const char* pattern;
};

const Group GROUPS[] = {
    {"backgrounds", "data/game/images/background[0-9]+\\.jpg"},
    {"map", "data/game/images/(map\\.jpg|location[0-9]+\\.png|mapcaption\\.png)"},
    {"story",
     "data/(intro/images/splash2|locale/english/(splash1|story[0-9]+|endstory[0-9]+))\\.jpg"},
    {"story-german", "data/locale/german/(splash1|story[0-9]+|endstory[0-9]+)\\.jpg"},
    {"story-french", "data/locale/french/(splash1|story[0-9]+|endstory[0-9]+)\\.jpg"},
    {"story-spanish", "data/locale/spanish/(splash1|story[0-9]+|endstory[0-9]+)\\.jpg"},
    {"tutorials", "data/locale/[a-z]+/(tutorial[0-9]+|tip[a-z]+)\\.png"},
    {"dialogs",
     "data/(game/images/(status-bar|[a-z]+_(normal|over|down)|dialogpanel|"
     "progresspanel)\\.png|main/images/(menu\\.jpg|panel_[a-z]+\\.png|cursor\\.png))"},
    {"chooser",
     "(data/main/images/(relaxed\\.jpg|(levels|sets|songs|thumbs)/.*|[a-z]+(lock|"
     "locked|hl)\\.png)|data/gui/images/icon\\.png|icons/.*\\.png)"},
};

// A picture's name on the sheet; one made per language says which.
std::string Label(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string language = file.parent_path().filename().string();
    return path.starts_with("data/locale/") ? language + "/" + file.filename().string()
                                            : file.filename().string();
}

constexpr double SHEET_W = 1400;
constexpr double GAP = 14;
constexpr double LABEL_H = 16;

double ScaleOf(const RgbaImage& p) {
    if (p.width >= 800 && p.height >= 600) {
        return 0.4;
    }
    if (p.width <= 64 && p.height <= 64) {
        return 2.0;
    }
    return 1.0;
}

struct Placed {
    std::string label;
    RgbaImage picture;
    double x, y, scale;
};

bool WriteSheet(const std::string& title,
                const std::vector<std::pair<std::string, RgbaImage>>& items,
                const std::string& out) {
    std::vector<Placed> placed;
    double x = GAP, y = GAP + 30, rowH = 0;
    for (const auto& [label, picture] : items) {
        const double s = ScaleOf(picture);
        const double w = std::max(picture.width * s, 96.0), h = picture.height * s + LABEL_H;
        if (x + w > SHEET_W - GAP) {
            x = GAP;
            y += rowH + GAP;
            rowH = 0;
        }
        placed.push_back({label, picture, x, y, s});
        x += w + GAP;
        rowH = std::max(rowH, h);
    }
    const int height = static_cast<int>(y + rowH + GAP);
    CairoCanvas canvas(static_cast<int>(SHEET_W), height);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, SHEET_W, height);
    SetColour(cr, Hex(0x141226));
    cairo_fill(cr);
    UseFont(cr, 20);
    SetColour(cr, Hex(0xFFF4DA));
    cairo_move_to(cr, GAP, 28);
    cairo_show_text(cr, title.c_str());
    for (const Placed& p : placed) {
        const double w = p.picture.width * p.scale, h = p.picture.height * p.scale;
        // A checker shows where a picture is see-through.
        for (int cy = 0; cy < h; cy += 8) {
            for (int cx = 0; cx < w; cx += 8) {
                cairo_rectangle(cr, p.x + cx, p.y + cy, std::min(8.0, w - cx),
                                std::min(8.0, h - cy));
                SetColour(cr, ((cx + cy) / 8) % 2 ? Hex(0x3A3A48) : Hex(0x5A5A68));
                cairo_fill(cr);
            }
        }
        DrawPicture(cr, p.picture, p.x, p.y, w, h);
        UseFont(cr, 11);
        SetColour(cr, Hex(0xC8C4E0));
        cairo_move_to(cr, p.x, p.y + h + 12);
        cairo_show_text(cr, p.label.c_str());
    }
    return WritePng(canvas.Image(), out);
}

// The status bar with its buttons and numbers where the status-bar form puts
// them, to check that the slots line up.
RgbaImage StatusBarLaidOut(const std::filesystem::path& root) {
    const std::string dir = (root / "data/game/images").string() + "/";
    CairoCanvas canvas(800, 25);
    cairo_t* cr = canvas.Cr();
    DrawPicture(cr, ReadPicture(dir + "status-bar.png"), 0, 0, 800, 25);
    const RgbaImage wide = ReadPicture(dir + "widebutton_normal.png");
    const RgbaImage undo = ReadPicture(dir + "undo_normal.png");
    const RgbaImage retry = ReadPicture(dir + "retry_normal.png");
    const RgbaImage hint = ReadPicture(dir + "hint_normal.png");
    for (const auto& [picture, x] :
         {std::pair{&wide, 134}, std::pair{&undo, 254}, std::pair{&retry, 371},
          std::pair{&hint, 487}, std::pair{&wide, 588}}) {
        if (picture->width > 0) {
            DrawPicture(cr, *picture, x, 0, picture->width, picture->height);
        }
    }
    struct Label {
        const char* text;
        double x, w;
    };
    UseFont(cr, 15);
    SetColour(cr, Rgb{214 / 255.0, 158 / 255.0, 1 / 255.0});
    for (const Label& label : {Label{"0001234", 17, 100}, Label{"Options", 134, 106},
                               Label{"3", 306, 30}, Label{"2", 423, 30}, Label{"5", 540, 30},
                               Label{"Give up", 588, 106}, Label{"95", 733, 30}}) {
        cairo_move_to(cr, label.x + (label.w - TextWidth(cr, label.text)) / 2, 17);
        cairo_show_text(cr, label.text);
    }
    return canvas.Image();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: screen_art_sheets <manifest> <output root> <report dir>\n");
        return 2;
    }
    std::vector<std::string> paths;
    std::ifstream manifest(argv[1]);
    for (std::string line; std::getline(manifest, line);) {
        if (!line.empty()) {
            paths.push_back(line);
        }
    }
    const std::filesystem::path root = argv[2];
    const std::filesystem::path report = argv[3];
    std::filesystem::create_directories(report);
    bool ok = !paths.empty();
    for (const Group& group : GROUPS) {
        const std::regex pattern(group.pattern);
        std::vector<std::pair<std::string, RgbaImage>> items;
        for (const std::string& path : paths) {
            if (!std::regex_match(path, pattern)) {
                continue;
            }
            RgbaImage picture = ReadPicture((root / path).string());
            if (picture.width == 0) {
                std::fprintf(stderr, "screen_art_sheets: cannot read %s\n", path.c_str());
                ok = false;
                continue;
            }
            items.emplace_back(Label(path), std::move(picture));
        }
        if (std::string(group.name) == "dialogs") {
            items.emplace(items.begin(), "status bar as laid out", StatusBarLaidOut(root));
        }
        const std::string out = (report / ("screens-" + std::string(group.name) + ".png")).string();
        if (!WriteSheet(std::string("Screen pictures: ") + group.name, items, out)) {
            ok = false;
        }
        std::printf("%s (%zu pictures)\n", out.c_str(), items.size());
    }
    return ok ? 0 : 1;
}
