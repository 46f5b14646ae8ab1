// The layers of ../shared/ARCHITECTURE.md, read from the #include lines of the
// game code: no file includes a layer above its own, forms/ and board/ leave
// each other alone, and only platform/ includes SDL or GL headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The shell half of app/ (layer 5), as app/CMakeLists.txt lists it in
// SHELL_SOURCES; a header goes with the source of its stem. Every other app/
// file is a base file (layer 2).
const std::set<std::string>& ShellStems() {
    static const std::set<std::string> stems = [] {
        std::ifstream in(fs::path(TESS_SOURCE_DIR) / "app" / "CMakeLists.txt");
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        const size_t begin = text.find("set(SHELL_SOURCES");
        const std::string list = text.substr(begin, text.find(')', begin) - begin);
        static const std::regex source(R"(([A-Za-z0-9_]+)\.cpp)");
        std::set<std::string> found;
        for (std::sregex_iterator it(list.begin(), list.end(), source), end; it != end; ++it) {
            found.insert((*it)[1].str());
        }
        return found;
    }();
    return stems;
}

const std::vector<std::string> GAME_FOLDERS = {"platform", "app",   "toolkit",
                                               "forms",    "board", "screens"};

struct Include {
    std::string file;    // relative to the source folder
    std::string target;  // as written between the quotes or brackets
    bool quoted = false;
};

// The layer of a game file by its path, 0 for a file outside the game code.
int LayerOf(const std::string& path) {
    const fs::path p(path);
    const std::string folder = p.begin()->string();
    if (folder == "platform") {
        return 1;
    }
    if (folder == "app") {
        return ShellStems().count(p.stem().string()) != 0 ? 5 : 2;
    }
    if (folder == "toolkit") {
        return 3;
    }
    if (folder == "forms" || folder == "board") {
        return 4;
    }
    if (folder == "screens") {
        return 6;
    }
    if (path == "main.cpp") {
        return 7;
    }
    return 0;
}

std::vector<std::string> GameFiles() {
    const fs::path root(TESS_SOURCE_DIR);
    std::vector<std::string> files = {"main.cpp"};
    for (const std::string& folder : GAME_FOLDERS) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) {
                files.push_back(fs::relative(entry.path(), root).string());
            }
        }
    }
    return files;
}

std::vector<Include> IncludesOf(const std::string& file) {
    static const std::regex line(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::ifstream in(fs::path(TESS_SOURCE_DIR) / file);
    std::string text;
    std::smatch match;
    while (std::getline(in, text)) {
        if (std::regex_search(text, match, line)) {
            found.push_back({file, match[2].str(), match[1].str() == "\""});
        }
    }
    return found;
}

bool IsSdlOrGl(const Include& include) {
    static const std::regex system(R"(^(SDL2?/|SDL[_.]|GL/|GLES\d*/|EGL/|KHR/|glad/))");
    return std::regex_search(include.target, system);
}

}  // namespace

TEST(IncludeLayers, TheRulesSeeThroughTheirOwnExamples) {
    EXPECT_GE(ShellStems().size(), 5u) << "app/CMakeLists.txt names the shell sources";
    EXPECT_EQ(LayerOf("platform/clock.h"), 1);
    EXPECT_EQ(LayerOf("app/settings.cpp"), 2);
    EXPECT_EQ(LayerOf("app/app_module.h"), 5);
    EXPECT_EQ(LayerOf("board/solver.cpp"), 4);
    EXPECT_EQ(LayerOf("tests/app/x.cpp"), 0);
    EXPECT_TRUE(IsSdlOrGl({"", "SDL2/SDL.h", false}));
    EXPECT_TRUE(IsSdlOrGl({"", "GL/gl.h", false}));
    EXPECT_FALSE(IsSdlOrGl({"", "string", false}));
}

TEST(IncludeLayers, NoGameFileIncludesALayerAboveItsOwn) {
    const std::vector<std::string> files = GameFiles();
    ASSERT_GT(files.size(), 50u);
    for (const std::string& file : files) {
        const int layer = LayerOf(file);
        for (const Include& include : IncludesOf(file)) {
            if (!include.quoted) {
                continue;
            }
            const int target = LayerOf(include.target);
            EXPECT_NE(target, 0) << file << " includes \"" << include.target
                                 << "\", which is not game code";
            EXPECT_LE(target, layer) << file << " (layer " << layer << ") includes \""
                                     << include.target << "\" (layer " << target << ")";
        }
    }
}

TEST(IncludeLayers, FormsAndBoardLeaveEachOtherAlone) {
    for (const std::string& file : GameFiles()) {
        const std::string folder = fs::path(file).begin()->string();
        if (folder != "forms" && folder != "board") {
            continue;
        }
        const std::string other = folder == "forms" ? "board/" : "forms/";
        for (const Include& include : IncludesOf(file)) {
            EXPECT_NE(include.target.rfind(other, 0), 0u) << file << " includes " << include.target;
        }
    }
}

// Every settings key is named once, in app/settings_keys.h: no game file asks
// the store for a key spelled out in quotes, nor builds a player key by hand.
TEST(SettingsKeys, AreNamedInOnePlace) {
    static const std::regex literal(
        R"((GetConstantValue|SetConstantValue|AddConstant|RemoveConstant)\(\s*"|"player"\s*\+)");
    for (const std::string& file : GameFiles()) {
        if (file == "app/settings_keys.h") {
            continue;
        }
        std::ifstream in(fs::path(TESS_SOURCE_DIR) / file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const bool comment = line.find_first_not_of(' ') != std::string::npos &&
                                 line.compare(line.find_first_not_of(' '), 2, "//") == 0;
            EXPECT_FALSE(!comment && std::regex_search(line, literal))
                << file << ":" << number << ": " << line;
        }
    }
}

TEST(IncludeLayers, OnlyThePlatformIncludesSdlOrGl) {
    for (const std::string& file : GameFiles()) {
        if (LayerOf(file) == 1) {
            continue;
        }
        for (const Include& include : IncludesOf(file)) {
            EXPECT_FALSE(IsSdlOrGl(include)) << file << " includes <" << include.target << ">";
        }
    }
}
