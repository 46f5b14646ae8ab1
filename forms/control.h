#pragma once
// The base of every control: state pictures, rectangle, caption and sounds,
// read from a control block of a form file.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "forms/gui_sound.h"
#include "forms/rect.h"
#include "forms/state_pictures.h"

class TStream;
class TBMFont;
class _kwa_MasterSprite;
class _qxClone;

class _qxControl {
public:
    using SpritePtr = std::shared_ptr<_kwa_MasterSprite>;
    using FontPtr = std::shared_ptr<TBMFont>;

    _qxControl() = default;
    virtual ~_qxControl() = default;
    _qxControl(const _qxControl&) = delete;
    _qxControl& operator=(const _qxControl&) = delete;

    std::array<SpritePtr, STATE_COUNT> images;
    __Rect position;
    int state = STATE_NORMAL;
    int isVisible = 1;
    int disabled = 0;
    std::string name;
    GuiSoundPtr overSound;
    GuiSoundPtr clickSound;
    FontPtr font;
    std::string captionText;
    std::string captionKey;  // the locale key the form gave, read again on a language change
    int captionR = 255;
    int captionG = 255;
    int captionB = 255;
    int captionA = 255;
    int captionHJust = 1;
    int captionVJust = 1;

    static void PlayGUISound(const GuiSoundPtr& sound);
    virtual void Draw(float offsetX, float offsetY) const;
    virtual void Update(int ms, int blocked);
    // Reads the control's block up to endTag and applies its keys.
    virtual void Load(TStream& stream, const std::string& endTag);
    // Releases the sounds and destroys every state sprite.
    void Unload();
    void getCaptionRegion(__Rect& rect) const;
    // The caption in the current language, when the form gave it as a locale key.
    void RefreshCaption();

    // Where the caption's top-left lands (justification and pressed offset).
    float CaptionX() const;
    float CaptionY() const;

protected:
    // Applies one key line; false when no key of this control matches.
    virtual bool _ApplyKey(const std::string& line);
    void _AdvanceSprite(int ms);
    void _DrawStatePicture(float offsetX, float offsetY) const;
    void _DrawCaption(float offsetX, float offsetY) const;

private:
    void _CopyClone(const _qxClone& clone);
    void _SetPicture(int state, const std::string& path);
    static void _ReplaceSound(GuiSoundPtr& slot, const std::string& path);
};
using ControlPtr = std::shared_ptr<_qxControl>;
