// The focus ring around the focused button.
#include "forms/form_focus.h"
#include "forms/gui.h"
#include "forms/window.h"
#include "toolkit/marker_frame.h"

namespace {

constexpr MarkerStyle RING_STYLE{4.0f, 7.0f, 3.0f, 255, 236, 96};

}  // namespace

void formFocus::Draw(const _qxGUI& gui) const {
    if (!RingShown()) {
        return;
    }
    const WindowPtr window = gui.GetWindow(form);
    const ControlPtr focused = window ? window->GetControl(control) : nullptr;
    if (!window || !window->isVisible || !focused || !focused->isVisible) {
        return;
    }
    const __Rect& r = focused->position;
    DrawMarkerFrame(static_cast<float>(r.xs) + window->animatorOffsetX,
                    static_cast<float>(r.ys) + window->animatorOffsetY,
                    static_cast<float>(r.xe - r.xs), static_cast<float>(r.ye - r.ys), RING_STYLE);
}
