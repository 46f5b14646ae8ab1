#include "forms/gui.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "forms/block_lines.h"
#include "platform/debug_log.h"
#include "platform/input.h"
#include "platform/stream.h"
#include "toolkit/bmfont.h"
#include "toolkit/sprite.h"

int _qxGUI::veilWidth = 0;
int _qxGUI::veilHeight = 0;

namespace {

GuiPtr& CurrentManager() {
    static GuiPtr current;
    return current;
}

}  // namespace

const GuiPtr& _qxGUI::Current() {
    return CurrentManager();
}

void _qxGUI::Reset() {
    CurrentManager() = nullptr;
}

GuiPtr _qxGUI::Create(const std::string& file, int width, int height) {
    auto gui = std::make_shared<_qxGUI>();
    CurrentManager() = gui;
    veilWidth = width;
    veilHeight = height;
    gui->_ReadGuiFile(file);
    return gui;
}

void _qxGUI::_ReadGuiFile(const std::string& file) {
    StreamPtr stream = OpenAssetFile(file);
    if (!stream) {
        return;
    }
    while (!Eof(*stream)) {
        const std::string line = ReadLine(*stream);
        if (StartsWithNoCase(line, "[MOUSE]")) {
            const std::string path = ReadLine(*stream);
            if (!path.empty()) {
                mouseImg = _kwa_MasterSprite::Create(path);
            }
        } else if (StartsWithNoCase(line, "[MB_YESNO]")) {
            continue;
        } else if (StartsWithNoCase(line, "<FONTS>")) {
            _ReadFonts(*stream);
        } else if (StartsWithNoCase(line, "<clone>")) {
            auto clone = std::make_shared<_qxClone>();
            clone->Load(*stream, "</clone>");
            cloneControls[ToLower(clone->name)] = clone;
        }
    }
    CloseStream(stream);
}

void _qxGUI::_ReadFonts(TStream& stream) {
    // The font reader opens its files through the asset loader, which adds the archive prefix.
    const std::string folder = "data/fonts/";
    for (const std::string& name : ReadBlockLines(stream, "</FONTS>")) {
        FontPtr font = TBMFont::Create(folder, name);
        if (!defaultFont) {
            defaultFont = font;
        }
        fonts[name] = font;
    }
}

int _qxGUI::ButtonHit(const std::string& name) const {
    for (const std::string& hit : buttonsHit) {
        if (hit == name) {
            return 1;
        }
    }
    return 0;
}

int _qxGUI::MouseOver(const std::string& window, const std::string& control) const {
    const WindowPtr form = GetWindow(window);
    if (!form || !form->isVisible) {
        return 0;
    }
    const ControlPtr found = form->GetControl(control);
    if (!found || !found->isVisible || found->disabled) {
        return 0;
    }
    const __Rect& r = found->position;
    const int mx = MouseX();
    const int my = MouseY();
    return r.xs < mx && mx <= r.xe && r.ys < my && my <= r.ye ? 1 : 0;
}

void _qxGUI::Update(int ms) {
    buttonsHit.clear();
    if (mouseImg) {
        mouseImg->Update(static_cast<float>(ms) * 0.001f);
    }
    const WindowPtr modal = modalWindow;
    for (const auto& [name, window] : windows) {
        if (window != modal) {
            window->Update(ms, modal ? 1 : 0);
        }
    }
    if (modal) {
        modal->Update(ms, 0);
    }
    focus.Update(*this);
}

std::string _qxGUI::LoadWindow(const std::string& file) {
    WindowPtr window = _qxWindow::Create(file);
    UnloadWindow(window->name);  // a form of the same name gives way
    windows[window->name] = window;
    return window->name;
}

void _qxGUI::UnloadWindow(const std::string& name) {
    const auto found = windows.find(name);
    if (found == windows.end()) {
        return;
    }
    const WindowPtr window = found->second;
    if (window == modalWindow) {
        modalWindow = nullptr;
    }
    window->Unload();
    windows.erase(found);
}

WindowPtr _qxGUI::GetWindow(const std::string& name) const {
    const auto found = windows.find(name);
    return found == windows.end() ? nullptr : found->second;
}

void _qxGUI::HideWindow(const std::string& name) {
    ShowWindow(name, 0);
}

void _qxGUI::ShowWindow(const std::string& name, int show) {
    const WindowPtr window = GetWindow(name);
    if (!window) {
        return;
    }
    if (!show) {
        if (window == modalWindow) {
            modalWindow = nullptr;
        }
        window->Show(0);
        return;
    }
    for (const auto& [otherName, other] : windows) {
        if (other != window && other->isVisible) {
            other->SurrenderFocus();
        }
    }
    if (window->IsModal()) {
        modalWindow = window;
    }
    window->Show(1);
    focus.Shown(name);
}

int _qxGUI::IsWindowShowing(const std::string& name) const {
    const WindowPtr window = GetWindow(name);
    return window ? window->isVisible : 0;
}

ControlPtr _qxGUI::GetControl(const std::string& window, const std::string& control) const {
    const WindowPtr form = GetWindow(window);
    return form ? form->GetControl(control) : nullptr;
}

void _qxGUI::EnableControl(const std::string& window, const std::string& control) {
    DisableControl(window, control, 0);
}

void _qxGUI::DisableControl(const std::string& window, const std::string& control, int flag) {
    if (const ControlPtr found = GetControl(window, control)) {
        found->disabled = flag;
    }
}

void _qxGUI::HideControl(const std::string& window, const std::string& control) {
    ShowControl(window, control, 0);
}

void _qxGUI::ShowControl(const std::string& window, const std::string& control, int flag) {
    if (const ControlPtr found = GetControl(window, control)) {
        found->isVisible = flag;
    }
}

int _qxGUI::IsControlShowing(const std::string& window, const std::string& control) const {
    const ControlPtr found = GetControl(window, control);
    return found ? found->isVisible : 1;
}

void _qxGUI::SetControlCaptionText(const std::string& window, const std::string& control,
                                   const std::string& text) {
    if (const ControlPtr found = GetControl(window, control)) {
        found->captionText = text;
        found->captionKey.clear();  // the screen's own text from now on
    }
}

std::string _qxGUI::GetControlCaptionText(const std::string& window,
                                          const std::string& control) const {
    const ControlPtr found = GetControl(window, control);
    return found ? found->captionText : std::string();
}

void _qxGUI::GetControlCaptionRegion(const std::string& window, const std::string& control,
                                     __Rect& rect) const {
    if (const ControlPtr found = GetControl(window, control)) {
        found->getCaptionRegion(rect);
    }
}

__Rect _qxGUI::GetControlCaptionRegion(const std::string& window,
                                       const std::string& control) const {
    __Rect rect;
    GetControlCaptionRegion(window, control, rect);
    return rect;
}

void _qxGUI::RefreshCaptions() {
    for (const auto& [name, window] : windows) {
        for (const ControlPtr& control : window->controls) {
            control->RefreshCaption();
        }
    }
}

void _qxGUI::Draw() const {
    for (const auto& [name, window] : windows) {
        if (window != modalWindow) {
            window->Draw();
        }
    }
    if (modalWindow) {
        modalWindow->Draw();
    }
    focus.Draw(*this);
    if (mouseImg && mouseOn == 1) {
        mouseImg->DrawDirect(static_cast<float>(MouseX()), static_cast<float>(MouseY()), 0.0f);
    }
}

_qxGUI::FontPtr _qxGUI::getFont(const std::string& name) {
    const GuiPtr& gui = Current();
    if (!gui) {
        return nullptr;
    }
    if (const auto found = gui->fonts.find(name); found != gui->fonts.end()) {
        return found->second;
    }
    DebugLog("*** Missing font: " + name + "***");
    return gui->defaultFont;
}

_qxGUI::FontPtr _qxGUI::DefaultFont() {
    const GuiPtr& gui = Current();
    return gui ? gui->defaultFont : nullptr;
}

ClonePtr _qxGUI::getClone(const std::string& name) {
    const GuiPtr& gui = Current();
    if (gui) {
        if (const auto found = gui->cloneControls.find(ToLower(name));
            found != gui->cloneControls.end()) {
            return found->second;
        }
    }
    DebugLog("*** Missing clone control: " + name + "***");
    return nullptr;
}

void AddButtonHit(const std::string& name) {
    if (const GuiPtr& gui = _qxGUI::Current()) {
        gui->buttonsHit.push_back(name);
    }
}
