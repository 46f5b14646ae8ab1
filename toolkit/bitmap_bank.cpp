#include "toolkit/bitmap_bank.h"

#include "app/assets.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"

namespace {

bool ValidIndex(int index) {
    return index >= 0 && index < BITMAP_BANK_SLOTS;
}

std::string PngFallback(const std::string& url) {
    const size_t keep = url.size() >= 4 ? url.size() - 4 : 0;
    return url.substr(0, keep) + ".png";
}

}  // namespace

_kwa_BitmapResourceBank::_kwa_BitmapResourceBank() : m_Images(BITMAP_BANK_SLOTS) {}

int _kwa_BitmapResourceBank::_FirstMatch(const std::string& lowerUrl) const {
    int first = BITMAP_NONE;
    for (auto it = m_ByLowerUrl.lower_bound(lowerUrl);
         it != m_ByLowerUrl.end() && it->first.compare(0, lowerUrl.size(), lowerUrl) == 0; ++it) {
        if (first == BITMAP_NONE || it->second < first) {
            first = it->second;
        }
    }
    return first;
}

int _kwa_BitmapResourceBank::_FirstFree() const {
    for (int i = 0; i < BITMAP_BANK_SLOTS; ++i) {
        if (!m_Images[i]) {
            return i;
        }
    }
    return BITMAP_NONE;
}

int _kwa_BitmapResourceBank::LoadBitmap(const std::string& url) {
    if (url.empty()) {
        // An empty prefix would match whatever was loaded first.
        DebugLog("***Error: Failed to load bitmap: (empty path)***");
        return BITMAP_NONE;
    }
    const std::string lowerUrl = ToLower(url);
    const int match = _FirstMatch(lowerUrl);
    if (match != BITMAP_NONE) {
        ++m_Images[match]->m_iAccessCount;
        return match;
    }
    const int slot = _FirstFree();
    if (slot == BITMAP_NONE) {
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
    m_Images[slot] = std::move(entry);
    m_ByLowerUrl.emplace(lowerUrl, slot);
    return slot;
}

int _kwa_BitmapResourceBank::UnloadBitmap(int index) {
    if (!ValidIndex(index) || !m_Images[index]) {
        return 0;
    }
    auto& entry = m_Images[index];
    if (entry->m_iAccessCount > 0) {
        --entry->m_iAccessCount;
    }
    if (entry->m_iAccessCount == 0) {
        DebugLog("Bitmap unloaded:" + entry->m_strUrl);
        auto [first, last] = m_ByLowerUrl.equal_range(ToLower(entry->m_strUrl));
        for (auto it = first; it != last; ++it) {
            if (it->second == index) {
                m_ByLowerUrl.erase(it);
                break;
            }
        }
        entry.reset();
    }
    return 0;
}

int _kwa_BitmapResourceBank::DrawBitmap(int index, float x, float y) const {
    const ImagePtr image = GetImage(index);
    if (image) {
        DrawImage(image, x, y, 0);
    }
    return 0;
}

int _kwa_BitmapResourceBank::_SetImageHandle(int index, int x, int y) {
    const ImagePtr image = GetImage(index);
    if (image) {
        SetImageHandle(image, static_cast<float>(x), static_cast<float>(y));
    }
    return 0;
}

ImagePtr _kwa_BitmapResourceBank::GetImage(int index) const {
    const _kwa_BitmapResourceBankEntry* entry = GetEntry(index);
    return entry ? entry->m_Image : nullptr;
}

const _kwa_BitmapResourceBankEntry* _kwa_BitmapResourceBank::GetEntry(int index) const {
    return ValidIndex(index) ? m_Images[index].get() : nullptr;
}

int _kwa_BitmapResourceBank::AccessCount(int index) const {
    const _kwa_BitmapResourceBankEntry* entry = GetEntry(index);
    return entry ? entry->m_iAccessCount : 0;
}

int _kwa_BitmapResourceBank::UsedSlots() const {
    int used = 0;
    for (const auto& entry : m_Images) {
        used += entry ? 1 : 0;
    }
    return used;
}

_kwa_BitmapResourceBank& BitmapBank() {
    static _kwa_BitmapResourceBank bank;
    return bank;
}
