#include "forms/form_focus.h"

#include <algorithm>

#include "forms/button.h"
#include "forms/gui.h"
#include "forms/window.h"
#include "platform/input.h"

namespace {

using ButtonPtr = std::shared_ptr<_qxButton>;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The button Escape presses: the form's "no", "cancel" or "back".
ButtonPtr EscapeButton(const std::vector<ButtonPtr>& order) {
    for (const ButtonPtr& button : order) {
        if (EndsWith(button->name, "_no") || EndsWith(button->name, "_cancel") ||
            EndsWith(button->name, "_back")) {
            return button;
        }
    }
    return nullptr;
}

int IndexOf(const std::vector<ButtonPtr>& order, const std::string& name) {
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i]->name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

std::vector<ButtonPtr> FocusOrder(const _qxWindow& form) {
    std::vector<ButtonPtr> order;
    for (const ControlPtr& control : form.controls) {
        auto button = std::dynamic_pointer_cast<_qxButton>(control);
        if (button && button->isVisible && !button->disabled && !button->name.empty()) {
            order.push_back(button);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const ButtonPtr& a, const ButtonPtr& b) {
        if (a->position.ys != b->position.ys) {
            return a->position.ys < b->position.ys;
        }
        return a->position.xs < b->position.xs;
    });
    return order;
}

void formFocus::Shown(const std::string& name) {
    std::erase(shownOrder, name);
    shownOrder.push_back(name);
}

WindowPtr formFocus::KeyboardForm(const _qxGUI& gui) const {
    if (gui.modalWindow) {
        const bool usable = gui.modalWindow->isVisible && gui.modalWindow->takesKeys &&
                            !FocusOrder(*gui.modalWindow).empty();
        return usable ? gui.modalWindow : nullptr;
    }
    for (auto it = shownOrder.rbegin(); it != shownOrder.rend(); ++it) {
        const WindowPtr window = gui.GetWindow(*it);
        if (window && window->isVisible && window->takesKeys && !FocusOrder(*window).empty()) {
            return window;
        }
    }
    return nullptr;
}

void formFocus::Update(_qxGUI& gui) {
    if (mouse.Moved()) {
        active = false;
    }
    const WindowPtr window = KeyboardForm(gui);
    if (!window) {
        form.clear();
        control.clear();
        return;
    }
    const std::vector<ButtonPtr> order = FocusOrder(*window);
    if (window->name != form || IndexOf(order, control) < 0) {
        form = window->name;
        control = order.front()->name;
    }
    if (!window->IsAnimating()) {
        _ReadKeys(order);  // keys wait while the form slides in
    }
}

void formFocus::_Move(const std::vector<ButtonPtr>& order, int step) {
    if (!active) {
        active = true;  // the first key shows where the focus is
        return;
    }
    const int count = static_cast<int>(order.size());
    const int index = IndexOf(order, control);
    control = order[static_cast<size_t>(((index + step) % count + count) % count)]->name;
}

void formFocus::_ReadKeys(const std::vector<ButtonPtr>& order) {
    // Presses that came within one frame each count.
    const bool shift = KeyDown(KEY_LEFT_SHIFT) || KeyDown(KEY_RIGHT_SHIFT);
    for (const auto& [key, step] :
         {std::pair{KEY_TAB, shift ? -1 : 1}, std::pair{KEY_DOWN, 1}, std::pair{KEY_UP, -1}}) {
        for (int presses = KeyHit(key); presses > 0; --presses) {
            _Move(order, step);
        }
    }
    const ButtonPtr focused = order[static_cast<size_t>(IndexOf(order, control))];
    for (const auto& [key, step] : {std::pair{KEY_LEFT, -1}, std::pair{KEY_RIGHT, 1}}) {
        for (int presses = KeyHit(key); presses > 0; --presses) {
            if (focused->IsSlider() && active) {
                focused->StepSlider(step);
            } else {
                _Move(order, step);
            }
        }
    }
    if (KeyHit(KEY_ENTER) != 0) {
        active = true;
        focused->Press();
    }
    if (KeyHit(KEY_ESCAPE) != 0) {
        if (const ButtonPtr cancel = EscapeButton(order)) {
            cancel->Press();
        }
    }
}
