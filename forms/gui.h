#pragma once
// The form manager: fonts and clones from the GUI file, every loaded form by
// name, at most one modal form, and the names of the controls clicked during
// the last update.
#include <list>
#include <map>
#include <memory>
#include <string>

#include "forms/clone.h"
#include "forms/control.h"
#include "forms/form_focus.h"
#include "forms/rect.h"
#include "forms/window.h"

class TBMFont;
class _kwa_MasterSprite;

class _qxGUI;
using GuiPtr = std::shared_ptr<_qxGUI>;

class _qxGUI {
public:
    using FontPtr = std::shared_ptr<TBMFont>;

    std::map<std::string, FontPtr> fonts;  // keyed by the name in the GUI file
    FontPtr defaultFont;                   // the first font loaded
    std::shared_ptr<_kwa_MasterSprite> mouseImg;
    int mouseOn = 1;
    std::map<std::string, WindowPtr> windows;
    std::list<std::string> buttonsHit;
    WindowPtr modalWindow;
    std::map<std::string, ClonePtr> cloneControls;  // lower-cased names
    formFocus focus;                                // the keyboard's way through the forms

    // Size of the veil drawn under a modal form.
    static int veilWidth;
    static int veilHeight;

    // Makes the new current manager and reads the GUI file.
    static GuiPtr Create(const std::string& file, int veilWidth, int veilHeight);
    // The current manager, or null before the first Create.
    static const GuiPtr& Current();
    // Drops the current manager (tests and shut-down).
    static void Reset();

    int ButtonHit(const std::string& name) const;
    int MouseOver(const std::string& window, const std::string& control) const;
    void Update(int ms);
    // Reads a form file and returns the form's own name.
    std::string LoadWindow(const std::string& file);
    void UnloadWindow(const std::string& name);
    WindowPtr GetWindow(const std::string& name) const;
    void HideWindow(const std::string& name);
    void ShowWindow(const std::string& name, int show);
    int IsWindowShowing(const std::string& name) const;
    void EnableControl(const std::string& window, const std::string& control);
    void DisableControl(const std::string& window, const std::string& control, int flag);
    void HideControl(const std::string& window, const std::string& control);
    void ShowControl(const std::string& window, const std::string& control, int flag);
    int IsControlShowing(const std::string& window, const std::string& control) const;
    void SetControlCaptionText(const std::string& window, const std::string& control,
                               const std::string& text);
    std::string GetControlCaptionText(const std::string& window, const std::string& control) const;
    // Fills rect from the control; leaves it as it was when there is no such control.
    void GetControlCaptionRegion(const std::string& window, const std::string& control,
                                 __Rect& rect) const;
    // The control's caption rectangle, all zero when there is no such control.
    __Rect GetControlCaptionRegion(const std::string& window, const std::string& control) const;
    ControlPtr GetControl(const std::string& window, const std::string& control) const;
    void Draw() const;
    // Every caption a form file gave as a locale key, read again.
    void RefreshCaptions();
    void TurnMouseOff() { mouseOn = 0; }
    void TurnMouseOn() { mouseOn = 1; }

    // Font and clone lookups on the current manager, with their fallbacks.
    static FontPtr getFont(const std::string& name);
    static ClonePtr getClone(const std::string& name);
    static FontPtr DefaultFont();

private:
    void _ReadGuiFile(const std::string& file);
    void _ReadFonts(TStream& stream);
};

// Records a click for this frame on the current manager.
void AddButtonHit(const std::string& name);
