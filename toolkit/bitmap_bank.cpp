#include "toolkit/bitmap_bank.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"

namespace {

bool ValidIndex(int index)
{
    return index >= 0 && index < BITMAP_BANK_SLOTS;
}

std::string PngFallback(const std::string& url)
{
    const size_t keep = url.size() >= 4 ? url.size() - 4 : 0;
    return url.substr(0, keep) + ".png";
}

}  // namespace

_kwa_BitmapResourceBank::_kwa_BitmapResourceBank() : m_Images(BITMAP_BANK_SLOTS) {}

int _kwa_BitmapResourceBank::LoadBitmap(const std::string& url)
{
    if (url.empty()) {
        // An empty prefix would match whatever was loaded first.
        DebugLog("***Error: Failed to load bitmap: (empty path)***");
        return BITMAP_NONE;
    }
    int freeSlot = BITMAP_NONE;
    for (int i = 0; i < BITMAP_BANK_SLOTS; ++i) {
        auto& entry = m_Images[i];
        if (!entry) {
            if (freeSlot == BITMAP_NONE) {
                freeSlot = i;
            }
            continue;
        }
        if (StartsWithNoCase(entry->m_strUrl, url)) {
            ++entry->m_iAccessCount;
            return i;
        }
    }
    if (freeSlot == BITMAP_NONE) {
        DebugLog("***Error: Bitmap bank is full, cannot load: " + url + "***");
        return BITMAP_NONE;
    }
    auto entry = std::make_unique<_kwa_BitmapResourceBankEntry>();
    entry->m_strUrl = url;
    entry->m_iAccessCount = 1;
    entry->m_Image = LoadAssetImage(url, IMG_FILTERED);
    if (!entry->m_Image) {
        const std::string png = PngFallback(url);
        entry->m_Image = LoadAssetImage(png, IMG_FILTERED);
        if (!entry->m_Image) {
            DebugLog("***Error: Failed to load bitmap: " + url + "*** or :" + png + "***");
        }
    }
    m_Images[freeSlot] = std::move(entry);
    return freeSlot;
}

int _kwa_BitmapResourceBank::UnloadBitmap(int index)
{
    if (!ValidIndex(index) || !m_Images[index]) {
        return 0;
    }
    auto& entry = m_Images[index];
    if (entry->m_iAccessCount > 0) {
        --entry->m_iAccessCount;
    }
    if (entry->m_iAccessCount == 0) {
        DebugLog("Bitmap unloaded:" + entry->m_strUrl);
        entry.reset();
    }
    return 0;
}

int _kwa_BitmapResourceBank::DrawBitmap(int index, float x, float y) const
{
    const ImagePtr image = GetImage(index);
    if (image) {
        DrawImage(image, x, y, 0);
    }
    return 0;
}

int _kwa_BitmapResourceBank::_SetImageHandle(int index, int x, int y)
{
    const ImagePtr image = GetImage(index);
    if (image) {
        SetImageHandle(image, static_cast<float>(x), static_cast<float>(y));
    }
    return 0;
}

ImagePtr _kwa_BitmapResourceBank::GetImage(int index) const
{
    const _kwa_BitmapResourceBankEntry* entry = GetEntry(index);
    return entry ? entry->m_Image : nullptr;
}

const _kwa_BitmapResourceBankEntry* _kwa_BitmapResourceBank::GetEntry(int index) const
{
    return ValidIndex(index) ? m_Images[index].get() : nullptr;
}

int _kwa_BitmapResourceBank::AccessCount(int index) const
{
    const _kwa_BitmapResourceBankEntry* entry = GetEntry(index);
    return entry ? entry->m_iAccessCount : 0;
}

int _kwa_BitmapResourceBank::UsedSlots() const
{
    int used = 0;
    for (const auto& entry : m_Images) {
        used += entry ? 1 : 0;
    }
    return used;
}

_kwa_BitmapResourceBank& BitmapBank()
{
    static _kwa_BitmapResourceBank bank;
    return bank;
}
