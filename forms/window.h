#pragma once
// One form: a list of controls read from a form file, shown and hidden with
// an optional slide animation, modal or not.
#include <list>
#include <memory>
#include <string>

#include "forms/control.h"
#include "forms/rect.h"
#include "forms/window_animator.h"

class TStream;

class _qxWindow {
public:
    std::string name;
    std::list<ControlPtr> controls;  // file order: update and draw order
    int isVisible = 0;
    __Rect position;
    WindowAnimatorPtr animator;
    float animatorOffsetX = 0.0f;
    float animatorOffsetY = 0.0f;
    int isModalWindow = 0;
    int borderR = 0;
    int borderG = 0;
    int borderB = 0;
    int borderA = 0;
    int takesKeys = 1;  // "keyboard=0": the keyboard's focus never comes here

    int IsModal() const { return isModalWindow; }
    bool IsAnimating() const;
    void UpdateAnimator(int ms);
    // Every control forgets hover and press.
    void SurrenderFocus();
    void Update(int ms, int blocked);
    void EnableControl(const std::string& control);
    void DisableControl(const std::string& control, int flag);
    void ShowControl(const std::string& control, int flag);
    int IsControlShowing(const std::string& control) const;
    void Show(int show);
    void SetControlCaptionText(const std::string& control, const std::string& text);
    std::string GetControlCaptionText(const std::string& control) const;
    void GetControlCaptionRegion(const std::string& control, __Rect& rect) const;
    ControlPtr GetControl(const std::string& control) const;
    void Draw() const;

    // Reads a form file; a file that cannot be opened gives an empty form named "".
    static std::shared_ptr<_qxWindow> Create(const std::string& file);
    // Unloads every control and empties the list.
    void Unload();

private:
    void _ReadLine(TStream& stream, const std::string& line);
    void _DrawVeil() const;
};
using WindowPtr = std::shared_ptr<_qxWindow>;
