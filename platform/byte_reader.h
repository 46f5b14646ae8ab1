#pragma once
// Bounds-checked little-endian reads from a block of bytes.
#include <cstddef>
#include <cstdint>

struct ByteReader {
    const uint8_t* data;
    size_t size;

    bool Has(size_t offset, size_t count) const { return offset <= size && count <= size - offset; }
    uint32_t U8(size_t offset) const { return Has(offset, 1) ? data[offset] : 0; }
    uint32_t U16(size_t offset) const { return U8(offset) | (U8(offset + 1) << 8); }
    uint32_t U32(size_t offset) const { return U16(offset) | (U16(offset + 2) << 16); }
    int32_t S32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
};
