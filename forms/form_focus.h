#pragma once
// Keyboard focus over the forms. The form that takes the keys is the shown
// modal form, else the visible form shown last that has buttons and takes
// keys. Tab and Shift+Tab (and the arrows) move the focus over its buttons in
// reading order (the first key only shows the ring), Enter presses the
// focused one (at first the form's first button), left and right move a
// focused slider, Escape presses the form's no, cancel or back button. The
// ring shows once a key was used and hides again when the mouse moves.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/mouse_watch.h"

class _qxButton;
class _qxGUI;
class _qxWindow;

// The buttons a keyboard reaches, in reading order: visible and enabled,
// top to bottom, then left to right.
std::vector<std::shared_ptr<_qxButton>> FocusOrder(const _qxWindow& form);

class formFocus {
public:
    // A form was shown: it is the newest.
    void Shown(const std::string& form);
    // Reads the keys once a frame, after the forms' own update.
    void Update(_qxGUI& gui);
    // The ring around the focused button, while the keyboard is in use.
    void Draw(const _qxGUI& gui) const;

    std::shared_ptr<_qxWindow> KeyboardForm(const _qxGUI& gui) const;
    const std::string& FocusedForm() const { return form; }
    const std::string& FocusedControl() const { return control; }
    bool RingShown() const { return active && !control.empty(); }

private:
    void _Move(const std::vector<std::shared_ptr<_qxButton>>& order, int step);
    void _ReadKeys(const std::vector<std::shared_ptr<_qxButton>>& order);

    std::vector<std::string> shownOrder;  // newest last
    std::string form;
    std::string control;
    bool active = false;
    MouseWatch mouse;
};
