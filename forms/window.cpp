#include "forms/window.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "forms/button.h"
#include "forms/gui.h"
#include "forms/image_control.h"
#include "forms/input_line.h"
#include "forms/label.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/stream.h"

namespace {

template <typename Control>
ControlPtr ReadControl(TStream& stream, const std::string& endTag) {
    auto control = std::make_shared<Control>();
    control->Load(stream, endTag);
    return control;
}

}  // namespace

WindowPtr _qxWindow::Create(const std::string& file) {
    auto window = std::make_shared<_qxWindow>();
    StreamPtr stream = OpenAssetFile(file);
    if (!stream) {
        DebugLog("***Error: Failed to load window: " + file + "***");
        return window;
    }
    while (!Eof(*stream)) {
        window->_ReadLine(*stream, ReadLine(*stream));
    }
    CloseStream(stream);
    return window;
}

void _qxWindow::_ReadLine(TStream& stream, const std::string& line) {
    const std::string value = ValueOf(line);
    if (StartsWithNoCase(line, "name")) {
        name = value;
    } else if (StartsWithNoCase(line, "modal")) {
        isModalWindow = StartsWithNoCase(value, "true") ? 1 : 0;
    } else if (StartsWithNoCase(line, "bordercolor")) {
        ParseColor4(value, borderR, borderG, borderB, borderA);
    } else if (StartsWithNoCase(line, "keyboard")) {
        takesKeys = ToInt(value) != 0 ? 1 : 0;
    } else if (StartsWithNoCase(line, "<animation>")) {
        animator = windowAnimator::Create(stream, "</animation>");
    } else if (StartsWithNoCase(line, "<button>")) {
        controls.push_back(ReadControl<_qxButton>(stream, "</button>"));
    } else if (StartsWithNoCase(line, "<input>")) {
        controls.push_back(ReadControl<_qxInputLine>(stream, "</input>"));
    } else if (StartsWithNoCase(line, "<image>")) {
        controls.push_back(ReadControl<_qxImageControl>(stream, "</image>"));
    } else if (StartsWithNoCase(line, "<label>")) {
        controls.push_back(ReadControl<_qxLabel>(stream, "</label>"));
    }
}

void _qxWindow::Unload() {
    for (const ControlPtr& control : controls) {
        control->Unload();
    }
    controls.clear();
}

bool _qxWindow::IsAnimating() const {
    return animator && animator->IsRunning();
}

void _qxWindow::UpdateAnimator(int ms) {
    if (!animator) {
        return;
    }
    animator->Update(ms);
    animatorOffsetX = animator->currentXOffset;
    animatorOffsetY = animator->currentYOffset;
}

void _qxWindow::SurrenderFocus() {
    for (const ControlPtr& control : controls) {
        control->state = STATE_NORMAL;
    }
}

void _qxWindow::Update(int ms, int blocked) {
    if (!isVisible && !IsAnimating()) {
        return;
    }
    UpdateAnimator(ms);
    // A hidden form still sliding out never takes input, not even in its last frame.
    if (IsAnimating() || !isVisible) {
        blocked = 1;
    }
    for (const ControlPtr& control : controls) {
        control->Update(ms, blocked);
    }
}

// Hiding a form that is already hidden must not replay its lead-out.
void _qxWindow::Show(int show) {
    const int wasVisible = isVisible;
    isVisible = show ? 1 : 0;
    if (!animator) {
        return;
    }
    if (show) {
        animator->StartLeadIn();
    } else if (wasVisible) {
        animator->StartLeadOut();
    }
}

ControlPtr _qxWindow::GetControl(const std::string& control) const {
    for (const ControlPtr& candidate : controls) {
        if (candidate->name == control) {
            return candidate;
        }
    }
    return nullptr;
}

void _qxWindow::EnableControl(const std::string& control) {
    DisableControl(control, 0);
}

void _qxWindow::DisableControl(const std::string& control, int flag) {
    if (const ControlPtr found = GetControl(control)) {
        found->disabled = flag;
    }
}

void _qxWindow::ShowControl(const std::string& control, int flag) {
    if (const ControlPtr found = GetControl(control)) {
        found->isVisible = flag;
    }
}

int _qxWindow::IsControlShowing(const std::string& control) const {
    const ControlPtr found = GetControl(control);
    return found ? found->isVisible : 0;
}

void _qxWindow::SetControlCaptionText(const std::string& control, const std::string& text) {
    if (const ControlPtr found = GetControl(control)) {
        found->captionText = text;
    }
}

std::string _qxWindow::GetControlCaptionText(const std::string& control) const {
    const ControlPtr found = GetControl(control);
    return found ? found->captionText : std::string();
}

void _qxWindow::GetControlCaptionRegion(const std::string& control, __Rect& rect) const {
    if (const ControlPtr found = GetControl(control)) {
        found->getCaptionRegion(rect);
    }
}

void _qxWindow::Draw() const {
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    if (!isVisible && !IsAnimating()) {
        return;
    }
    if (isModalWindow && borderA > 0) {
        _DrawVeil();
    }
    for (const ControlPtr& control : controls) {
        if (control->isVisible) {
            control->Draw(animatorOffsetX, animatorOffsetY);
        }
    }
}

void _qxWindow::_DrawVeil() const {
    int savedR = 0;
    int savedG = 0;
    int savedB = 0;
    GetColor(savedR, savedG, savedB);
    const float savedAlpha = GetAlpha();
    const int savedBlend = GetBlend();

    SetColor(borderR, borderG, borderB);
    SetBlend(BLEND_ALPHA);
    SetAlpha(static_cast<float>(borderA) / 255.0f);
    DrawRect(0.0f, 0.0f, static_cast<float>(_qxGUI::veilWidth),
             static_cast<float>(_qxGUI::veilHeight));

    SetColor(savedR, savedG, savedB);
    SetAlpha(savedAlpha);
    SetBlend(savedBlend);
}
