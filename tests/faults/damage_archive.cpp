// Copies the game's executable with one entry of its linked-in zip archive
// damaged: bytes in the middle of the entry's data are flipped, so its
// checksum no longer holds while the archive's directory stays whole.
//
//   damage_archive <executable> <copy> <entry name>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

// Flips the middle of entry's data in the archive whose end record is at eocd.
bool DamageEntry(std::vector<uint8_t>& b, size_t eocd, const std::string& entry) {
    if (eocd + 22 > b.size()) {
        return false;
    }
    const uint32_t cdSize = U32(b, eocd + 12);
    const uint32_t cdOffset = U32(b, eocd + 16);
    if (static_cast<uint64_t>(cdSize) + cdOffset > eocd) {
        return false;
    }
    const size_t start = eocd - cdSize - cdOffset;
    size_t at = start + cdOffset;
    while (at + 46 <= eocd && U32(b, at) == 0x02014b50) {
        const uint32_t packed = U32(b, at + 20);
        const uint16_t nameLength = U16(b, at + 28);
        const uint16_t extra = U16(b, at + 30);
        const uint16_t comment = U16(b, at + 32);
        const uint32_t local = U32(b, at + 42);
        const std::string name(reinterpret_cast<const char*>(&b[at + 46]), nameLength);
        if (name == entry && packed >= 4) {
            const size_t header = start + local;
            const size_t data = header + 30 + U16(b, header + 26) + U16(b, header + 28);
            for (size_t i = 0; i < 4; ++i) {
                b[data + packed / 2 + i] ^= 0x5a;
            }
            return true;
        }
        at += 46 + nameLength + extra + comment;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: damage_archive <executable> <copy> <entry>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    const uint8_t mark[4] = {'P', 'K', 5, 6};
    bool done = false;
    for (size_t at = 0; !done && at + 22 <= bytes.size(); ++at) {
        if (std::memcmp(&bytes[at], mark, 4) == 0) {
            done = DamageEntry(bytes, at, argv[3]);
        }
    }
    if (!done) {
        std::fprintf(stderr, "damage_archive: no entry %s in %s\n", argv[3], argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
