// Paints every picture of the screen list (pictures.txt) into the build.
// Usage: screen_art [--manifest <file> <output root>] <pictures.txt> <data dir>
//                   <tile-set dir> <output root>
// Paths of the list are written below the output root; the manifest names
// every file written, in the list's order. The pictures with words under
// data/locale/<language>/ take their words from that language's locale file
// in the data dir; the levels come from its game/levels/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/locale_strings.h"
#include "board/level_data.h"
#include "board/story_length.h"
#include "platform/latin1.h"
#include "../content/common/output_manifest.h"
#include "board_pictures.h"
#include "jpeg_io.h"
#include "picture_list.h"
#include "scenes.h"
#include "small_pictures.h"
#include "../gui_art/title_art.h"
#include "art_kit.h"

namespace {

constexpr int JPEG_QUALITY = 90;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Painter {
public:
    Painter(const std::filesystem::path& data, const std::filesystem::path& tileSets) : data(data) {
        const std::filesystem::path levels = data / "game" / "levels";
        for (int n = 1; n <= 6; ++n) {
            sheets[n].image =
                ReadPng((tileSets / ("tileset" + std::to_string(n) + ".png")).string());
            if (sheets[n].image.width == 0) {
                std::fprintf(stderr, "screen_art: tile set %d missing\n", n);
                ok = false;
            }
        }
        const std::filesystem::path script =
            data / std::filesystem::path(SHARED_GAME_SCRIPT).lexically_relative("data");
        storyLength = StoryLength(ReadFile(script));
        if (storyLength == 0) {
            std::fprintf(stderr, "screen_art: %s names no story length\n", script.c_str());
            ok = false;
            storyLength = 1;  // the first level still stands in for the others
        }
        this->levels.resize(static_cast<size_t>(storyLength) + 1);
        for (int n = 1; n <= storyLength; ++n) {
            const std::filesystem::path file = levels / (std::to_string(n) + ".dat");
            if (!std::filesystem::exists(file)) {
                std::fprintf(stderr, "screen_art: level %d missing\n", n);
                ok = false;
            }
            this->levels[n] = levelData::CreateFromText(ReadFile(file), file.string());
        }
    }

    bool ok = true;

    // The picture at an archive path, or nothing for a path we do not paint.
    std::optional<RgbaImage> Paint(const std::string& path, int w, int h) {
        std::smatch m;
        auto is = [&](const char* pattern) {
            return std::regex_match(path, m, std::regex(pattern));
        };
        auto number = [&]() { return std::stoi(m[1].str()); };
        if (is("data/game/images/background([0-9]+)\\.jpg")) {
            return Background(number());
        }
        if (is("data/main/images/thumbs/bg([0-9]+)\\.png")) {
            return PaintThumbnail(Background(number()), w, h);
        }
        if (is("data/locale/([a-z]+)/.*")) {
            return PaintWords(m[1].str(), path, w, h);
        }
        if (is("data/intro/images/splash2\\.jpg")) {
            return PaintTitle(w, h, "Tessalune");
        }
        if (is("data/game/images/map\\.jpg")) {
            return PaintMap();
        }
        if (is("data/game/images/location([0-9]+)\\.png")) {
            return PaintMarker(number(), w);
        }
        if (is("data/game/images/status-bar\\.png")) {
            return PaintStatusBar();
        }
        if (is("data/game/images/(undo|retry|hint|widebutton)_(normal|over|down)\\.png")) {
            return PaintBarButton(m[1].str(), m[2].str(), w, h);
        }
        if (is("data/game/images/dialogpanel\\.png") || is("data/game/images/mapcaption\\.png")) {
            return PaintPanel(w, h, 0);
        }
        if (is("data/game/images/progresspanel\\.png")) {
            return PaintProgressPanel(w, h, 336 - 160, 120 - 60);
        }
        if (is("data/main/images/menu\\.jpg")) {
            return PaintMenuBackground();
        }
        if (is("data/main/images/panel_(login|small|options|highscores)\\.png")) {
            return PaintPanel(w, h, m[1].str() == "small" ? 48 : 56);
        }
        if (is("data/main/images/cursor\\.png")) {
            return PaintCursor();
        }
        if (is("data/main/images/levels/level([0-9]+)\\.png")) {
            return PaintLevelButton(*levels[std::clamp(number(), 1, storyLength)]);
        }
        if (is("data/main/images/sets/set([0-9]+)\\.png")) {
            return PaintSetButton(sheets[std::clamp(number(), 1, 6)], number(), w, h);
        }
        if (is("data/main/images/songs/song([0-9]+)\\.png")) {
            return PaintSongButton(number(), w, h);
        }
        if (is("data/main/images/(levellocked|biglock|smalllock)\\.png")) {
            return PaintLock(w, h);
        }
        if (is("data/main/images/(bighl|smallhl)\\.png")) {
            return PaintHighlight(w, h);
        }
        if (is("data/gui/images/icon\\.png") || is("icons/hicolor/[0-9]+/apps/tessalune\\.png")) {
            return PaintIconPng(w);
        }
        return std::nullopt;
    }

    // The sprite script an archive path needs beside it: each language's tool
    // tips share the one in game/images.
    std::optional<std::filesystem::path> SpriteScript(const std::string& path) const {
        std::smatch m;
        if (std::regex_match(path, m, std::regex("data/locale/[a-z]+/(tip[a-z]+)\\.png"))) {
            return data / "game" / "images" / (m[1].str() + ".txt");
        }
        return std::nullopt;
    }

private:
    // The pictures with words, in one language.
    std::optional<RgbaImage> PaintWords(const std::string& language, const std::string& path, int w,
                                        int h) {
        std::smatch m;
        auto is = [&](const char* pattern) {
            return std::regex_match(path, m, std::regex(pattern));
        };
        auto number = [&]() { return std::stoi(m[1].str()); };
        const std::string folder = "data/locale/" + language + "/";
        if (is((folder + "splash1\\.jpg").c_str())) {
            return PaintPresentationCard(Words(language, "##Splash_Team"),
                                         Words(language, "##Splash_Presents"));
        }
        if (is((folder + "story([0-9]+)\\.jpg").c_str())) {
            return PaintStoryPage(number(), Words(language, "##Story" + m[1].str()), sheets[1]);
        }
        if (is((folder + "endstory([0-9]+)\\.jpg").c_str())) {
            return PaintStoryPage(5 + number(), Words(language, "##EndStory" + m[1].str()),
                                  sheets[1]);
        }
        if (is((folder + "tutorial([0-9]+)\\.png").c_str())) {
            const TutorialWords words{Words(language, "##Tutorial" + m[1].str()),
                                      Words(language, "##Tutorial6_Time")};
            return PaintTutorial(number(), sheets[TutorialSet(number())], w, h, words);
        }
        if (is((folder + "tip(hint|undo|retry)\\.png").c_str())) {
            static const std::map<std::string, std::string> TIPS = {
                {"hint", "##Tip_Hint"}, {"undo", "##Tip_Undo"}, {"retry", "##Tip_Retry"}};
            return PaintToolTip(Words(language, TIPS.at(m[1].str())), w, h);
        }
        return std::nullopt;
    }

    // A text of a language's locale file, in UTF-8 for Cairo.
    std::string Words(const std::string& language, const std::string& key) {
        if (language != loadedLanguage) {
            localeStringManager::loadLocaleStrings((data / "locale" / (language + ".txt")).string(),
                                                   1);
            loadedLanguage = language;
        }
        const std::string text = localeStringManager::getLocaleString(key);
        if (text.rfind("unknown locale", 0) == 0) {
            std::fprintf(stderr, "screen_art: %s has no %s\n", language.c_str(), key.c_str());
            ok = false;
        }
        return Latin1ToUtf8(text);
    }

    const RgbaImage& Background(int n) {
        auto found = backgrounds.find(n);
        if (found == backgrounds.end()) {
            found = backgrounds.emplace(n, PaintBackground(n)).first;
        }
        return found->second;
    }

    // The tile set of the first level that shows a tutorial.
    int TutorialSet(int tutorial) const {
        for (int n = 1; n <= storyLength; ++n) {
            if (levels[n]->tutorial == tutorial) {
                return std::clamp(levels[n]->tileset, 1, 6);
            }
        }
        return 1;
    }

    std::filesystem::path data;
    std::string loadedLanguage;
    TileSheet sheets[7];
    int storyLength = 0;
    std::vector<LevelDataPtr> levels;  // 1 .. storyLength
    std::map<int, RgbaImage> backgrounds;
};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: screen_art [--manifest <file> <output root>] <pictures.txt> "
                     "<data dir> <tile-set dir> <output root>\n");
        return 2;
    }
    const std::vector<ListedPicture> list = ReadPictureList(argv[1]);
    if (list.empty()) {
        std::fprintf(stderr, "screen_art: no pictures listed in %s\n", argv[1]);
        return 1;
    }
    if (const std::string family = GameFontFamily(); family != "Comic Neue") {
        std::fprintf(stderr, "screen_art: Comic Neue is missing (fontconfig gives \"%s\")\n",
                     family.c_str());
        return 1;
    }
    Painter painter(argv[2], argv[3]);
    const std::filesystem::path root = argv[4];
    bool failed = !painter.ok;
    for (const ListedPicture& picture : list) {
        const std::filesystem::path out = root / picture.path;
        std::filesystem::create_directories(out.parent_path());
        bool written = false;
        if (EndsWith(picture.path, ".svg")) {
            written = WriteIconSvg(out.string(), 256);
        } else if (std::optional<RgbaImage> image =
                       painter.Paint(picture.path, picture.width, picture.height)) {
            if (image->width != picture.width || image->height != picture.height) {
                std::fprintf(stderr, "screen_art: %s painted %d x %d, listed %d x %d\n",
                             picture.path.c_str(), image->width, image->height, picture.width,
                             picture.height);
            } else if (EndsWith(picture.path, ".jpg")) {
                written = WriteJpeg(*image, out.string(), JPEG_QUALITY);
            } else {
                written = WritePng(*image, out.string());
            }
        } else {
            std::fprintf(stderr, "screen_art: no painter for %s\n", picture.path.c_str());
        }
        if (!written) {
            std::fprintf(stderr, "screen_art: %s not written\n", picture.path.c_str());
            failed = true;
            continue;
        }
        manifest.Add(out);
        if (const auto script = painter.SpriteScript(picture.path)) {
            const std::filesystem::path beside = out.parent_path() / script->filename();
            std::error_code error;
            std::filesystem::copy_file(*script, beside,
                                       std::filesystem::copy_options::overwrite_existing, error);
            if (error) {
                std::fprintf(stderr, "screen_art: cannot copy %s\n", script->string().c_str());
                failed = true;
            } else {
                manifest.Add(beside);
            }
        }
    }
    return manifest.Save() && !failed && painter.ok ? 0 : 1;
}
