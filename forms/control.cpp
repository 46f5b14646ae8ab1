#include "forms/control.h"

#include <algorithm>

#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "forms/block_lines.h"
#include "forms/clone.h"
#include "forms/gui.h"
#include "platform/graphics.h"
#include "toolkit/bmfont.h"
#include "toolkit/sprite.h"

void _qxControl::PlayGUISound(const GuiSoundPtr& sound) {
    if (sound) {
        sound->Play();
    }
}

void _qxControl::Load(TStream& stream, const std::string& endTag) {
    const std::vector<std::string> lines = ReadBlockLines(stream, endTag);
    position = __Rect{};
    font = _qxGUI::DefaultFont();
    for (const std::string& line : lines) {
        _ApplyKey(line);
    }
}

bool _qxControl::_ApplyKey(const std::string& line) {
    const std::string value = ValueOf(line);
    if (StartsWithNoCase(line, "name")) {
        name = value;
    } else if (StartsWithNoCase(line, "clone")) {
        if (const auto clone = _qxGUI::getClone(value)) {
            _CopyClone(*clone);
        }
    } else if (StartsWithNoCase(line, "invisible")) {
        isVisible = ToInt(value) == 0 ? 1 : 0;
    } else if (const int picture = StatePictureKey(line); picture >= 0) {
        _SetPicture(picture, value);
    } else if (StartsWithNoCase(line, "x")) {
        position.Offset(ToInt(value), 0);
    } else if (StartsWithNoCase(line, "y")) {
        position.Offset(0, ToInt(value));
    } else if (StartsWithNoCase(line, "width")) {
        position.xe = SaturatedAdd(position.xs, ToInt(value));
    } else if (StartsWithNoCase(line, "height")) {
        position.ye = SaturatedAdd(position.ys, ToInt(value));
    } else if (StartsWithNoCase(line, "soundover")) {
        _ReplaceSound(overSound, value);
    } else if (StartsWithNoCase(line, "soundclick")) {
        _ReplaceSound(clickSound, value);
    } else if (StartsWithNoCase(line, "font")) {
        font = _qxGUI::getFont(value);
    } else if (StartsWithNoCase(line, "captiontext")) {
        captionKey = StartsWithNoCase(value, "##") ? value : std::string();
        captionText = LocaleText(value);
    } else if (StartsWithNoCase(line, "captioncolor")) {
        ParseColor4(value, captionR, captionG, captionB, captionA);
    } else if (StartsWithNoCase(line, "captionhjust")) {
        captionHJust = ToInt(value);
    } else if (StartsWithNoCase(line, "captionvjust")) {
        captionVJust = ToInt(value);
    } else {
        return false;
    }
    return true;
}

void _qxControl::RefreshCaption() {
    if (!captionKey.empty()) {
        captionText = LocaleText(captionKey);
    }
}

void _qxControl::_CopyClone(const _qxClone& clone) {
    for (int picture = 0; picture < STATE_COUNT; ++picture) {
        if (!clone.images[picture].empty()) {
            _SetPicture(picture, clone.images[picture]);
        }
    }
    position = clone.position;
    if (!clone.overSound.empty()) {
        _ReplaceSound(overSound, clone.overSound);
    }
    if (!clone.clickSound.empty()) {
        _ReplaceSound(clickSound, clone.clickSound);
    }
    font = clone.font.empty() ? _qxGUI::DefaultFont() : _qxGUI::getFont(clone.font);
    captionR = clone.captionR;
    captionG = clone.captionG;
    captionB = clone.captionB;
    captionA = clone.captionA;
    captionHJust = clone.captionHJust;
    captionVJust = clone.captionVJust;
}

void _qxControl::_SetPicture(int picture, const std::string& path) {
    if (images[picture]) {
        images[picture]->Destroy();
    }
    images[picture] = _kwa_MasterSprite::Create(path);
}

void _qxControl::_ReplaceSound(GuiSoundPtr& slot, const std::string& path) {
    guiSound::Free(slot);
    slot = guiSound::Create(path);
}

void _qxControl::Unload() {
    guiSound::Free(overSound);
    guiSound::Free(clickSound);
    overSound = nullptr;
    clickSound = nullptr;
    position = __Rect{};
    for (SpritePtr& sprite : images) {
        if (sprite) {
            sprite->Destroy();
            sprite = nullptr;
        }
    }
}

void _qxControl::getCaptionRegion(__Rect& rect) const {
    rect = position;
}

void _qxControl::Update(int ms, int /*blocked*/) {
    _AdvanceSprite(ms);
}

void _qxControl::_AdvanceSprite(int ms) {
    if (state >= 0 && state < STATE_COUNT && images[state]) {
        images[state]->Update(static_cast<float>(ms) * 0.001f);
    }
}

void _qxControl::Draw(float offsetX, float offsetY) const {
    _DrawStatePicture(offsetX, offsetY);
    _DrawCaption(offsetX, offsetY);
}

void _qxControl::_DrawStatePicture(float offsetX, float offsetY) const {
    if (state >= 0 && state < STATE_COUNT && images[state]) {
        images[state]->DrawDirect(static_cast<float>(position.xs) + offsetX,
                                  static_cast<float>(position.ys) + offsetY, 0.0f);
    }
}

float _qxControl::CaptionX() const {
    const int textWidth = font ? static_cast<int>(font->TextWidth(captionText, -1)) : 0;
    const int64_t width = position.Width();
    int64_t hx = 0;
    if (captionHJust == 1) {
        hx = width / 2 - textWidth / 2;
    } else if (captionHJust == 2) {
        hx = width - textWidth;
    }
    const int press = state == STATE_DOWN ? 1 : 0;
    return static_cast<float>(position.xs + hx + press);
}

float _qxControl::CaptionY() const {
    float vy = 0.0f;
    if (font && (captionVJust == 1 || captionVJust == 2)) {
        const float textHeight = std::max(font->TextHeight("0"), font->TextHeight("A"));
        const float height = static_cast<float>(position.Height());
        vy = captionVJust == 1 ? height / 2.0f - textHeight / 2.0f : height - textHeight;
    }
    const int press = state == STATE_DOWN ? 1 : 0;
    return static_cast<float>(static_cast<int64_t>(position.ys) + press) + vy;
}

void _qxControl::_DrawCaption(float offsetX, float offsetY) const {
    if (captionText.empty() || !font) {
        return;
    }
    const float savedAlpha = GetAlpha();
    int savedR = 0;
    int savedG = 0;
    int savedB = 0;
    GetColor(savedR, savedG, savedB);
    const int savedBlend = GetBlend();

    SetBlend(BLEND_ALPHA);
    SetAlpha(static_cast<float>(captionA) / 255.0f);
    SetColor(captionR, captionG, captionB);
    font->DrawText(captionText, CaptionX() + offsetX, CaptionY() + offsetY);

    SetAlpha(savedAlpha);
    SetColor(savedR, savedG, savedB);
    SetBlend(savedBlend);
}
