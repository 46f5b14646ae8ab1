// Paints the pictures of the form controls and the loading screen.
// Usage: gui_art <data folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../content/common/output_manifest.h"
#include "control_art.h"
#include "title_art.h"

namespace {

constexpr ControlState ALL_STATES[] = {ControlState::Normal,  ControlState::Over,
                                       ControlState::Down,    ControlState::OffNormal,
                                       ControlState::OffOver, ControlState::OffDown};

class Writer {
public:
    Writer(std::filesystem::path root, OutputManifest& manifest)
        : root(std::move(root)), manifest(manifest) {}
    void Write(const std::string& relative, const RgbaImage& image) {
        const std::filesystem::path path = root / relative;
        std::filesystem::create_directories(path.parent_path());
        if (!WritePng(image, path.string())) {
            std::fprintf(stderr, "gui_art: cannot write %s\n", path.string().c_str());
            failed = true;
            return;
        }
        manifest.Add(path);
    }
    bool failed = false;

private:
    std::filesystem::path root;
    OutputManifest& manifest;
};

void WriteControls(Writer& out) {
    const std::string dir = "gui/images/";
    for (const ControlState state : ALL_STATES) {
        const std::string suffix = StateSuffix(state) + ".png";
        out.Write(dir + "smallbutton_" + suffix, PaintButton(132, 44, state));
        out.Write(dir + "bigbutton_" + suffix, PaintButton(260, 56, state));
        out.Write(dir + "checkbox_" + suffix, PaintCheckBox(36, state));
    }
    for (const ControlState state :
         {ControlState::Normal, ControlState::Over, ControlState::Down}) {
        out.Write(dir + "sliderknob_" + StateSuffix(state) + ".png",
                  PaintSliderKnob(24, 34, state));
    }
    out.Write(dir + "sliderbar.png", PaintSliderBar(264, 14));
    out.Write(dir + "inputfield.png", PaintInputField(320, 44));
    out.Write(dir + "dialogpanel.png", PaintPanel(480, 300));
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui_art <data folder>\n");
        return 2;
    }
    Writer out(argv[1], manifest);
    WriteControls(out);
    out.Write("loadingscreen/images/title.png", PaintTitle(800, 600, "Tessalune"));
    return !out.failed && manifest.Save() ? 0 : 1;
}
