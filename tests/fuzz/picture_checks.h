#pragma once
// What every picture decoder promises about a decoded pixmap.
#include "fuzz/fuzz_support.h"
#include "platform/picture_codecs.h"
#include "platform/pixmap.h"

inline void CheckDecodedPicture(const PixmapPtr& pixmap) {
    if (!pixmap) {
        return;
    }
    FUZZ_CHECK(pixmap->format == PF_BGRA8888);
    FUZZ_CHECK(pixmap->width >= 1 && pixmap->width <= MAX_PICTURE_SIDE);
    FUZZ_CHECK(pixmap->height >= 1 && pixmap->height <= MAX_PICTURE_SIDE);
    FUZZ_CHECK(pixmap->pitch >= pixmap->width * 4);
    FUZZ_CHECK(static_cast<int64_t>(pixmap->pixels.size()) ==
               static_cast<int64_t>(pixmap->pitch) * pixmap->height);
    FUZZ_CHECK(static_cast<int64_t>(pixmap->pixels.size()) <= MAX_PICTURE_BYTES);
    // Touch the last byte, so a short buffer shows.
    volatile uint8_t last = pixmap->pixels.back();
    (void)last;
}

// One decoder, then the signature-picking path over the same bytes.
template <typename Decode>
void FuzzPicture(const uint8_t* data, size_t size, Decode decode) {
    bool alpha = false;
    CheckDecodedPicture(decode(data, size, alpha));
    CheckDecodedPicture(DecodePixmap(data, size, &alpha));
}
