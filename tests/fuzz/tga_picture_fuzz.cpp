// TGA pictures: any bytes decode to a well-formed pixmap within the size limits, or null.
#include "fuzz/picture_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPicture(data, size, DecodeTga);
    return 0;
}
