#pragma once
// The program-wide bank of loaded bitmaps. Each file is loaded once and counted;
// bitmaps are known everywhere by their slot index.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

constexpr int BITMAP_BANK_SLOTS = 9999;
constexpr int BITMAP_NONE = -1;  // a full bank, or no bitmap at all

struct _kwa_BitmapResourceBankEntry {
    std::string m_strUrl;  // the path as requested
    ImagePtr m_Image;      // null when loading failed
    int m_iAccessCount = 0;
};

class _kwa_BitmapResourceBank {
public:
    _kwa_BitmapResourceBank();

    // An entry whose path begins with url (any case) is shared; else a new slot.
    int LoadBitmap(const std::string& url);
    int UnloadBitmap(int index);
    // Frame 0 with the current drawing state; an empty or failed slot draws nothing.
    int DrawBitmap(int index, float x, float y) const;
    int _SetImageHandle(int index, int x, int y);

    ImagePtr GetImage(int index) const;                             // null for no image
    const _kwa_BitmapResourceBankEntry* GetEntry(int index) const;  // null for an empty slot
    int AccessCount(int index) const;                               // 0 for an empty slot
    int UsedSlots() const;

private:
    int _FirstMatch(const std::string& lowerUrl) const;
    int _FirstFree() const;

    std::vector<std::unique_ptr<_kwa_BitmapResourceBankEntry>> m_Images;
    std::multimap<std::string, int> m_ByLowerUrl;  // finds prefix matches without a full scan
};

_kwa_BitmapResourceBank& BitmapBank();
