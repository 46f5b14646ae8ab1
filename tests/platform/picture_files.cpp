#include "picture_files.h"

#include <cstdio>
#include <jpeglib.h>

#include "support/scratch_folder.h"

namespace {

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void PutPixel(std::string& out, uint32_t argb, int bits) {
    PutLE(out, argb & 0xFFFFFFu, 3);
    if (bits == 32) {
        out.push_back(static_cast<char>(argb >> 24));
    }
}

}  // namespace

std::string TempPath(const std::string& name) {
    static const ScratchFolder folder("platform");
    return folder.File(name);
}

std::string EncodeJpeg(const TPixmap& pixmap, int quality) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(pixmap.width);
    info.image_height = static_cast<JDIMENSION>(pixmap.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::string row(static_cast<size_t>(pixmap.width) * 3, '\0');
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < pixmap.width; ++x) {
            const uint32_t p = ReadPixel(pixmap, x, y);
            row[x * 3] = static_cast<char>(p >> 16);
            row[x * 3 + 1] = static_cast<char>(p >> 8);
            row[x * 3 + 2] = static_cast<char>(p);
        }
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPLE*>(row.data())};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

std::string EncodePng(const TPixmap& pixmap) {
    const std::string path = TempPath("encode.png");
    SavePixmapPNG(pixmap, path);
    return ReadFileBytes(path);
}

std::string EncodeTga(const TPixmap& pixmap, int bits, bool packed, bool topDown) {
    std::string out;
    out.push_back(0);  // no id
    out.push_back(0);  // no colour map
    out.push_back(static_cast<char>(packed ? 10 : 2));
    out.append(5, '\0');
    PutLE(out, 0, 2);
    PutLE(out, 0, 2);
    PutLE(out, static_cast<uint32_t>(pixmap.width), 2);
    PutLE(out, static_cast<uint32_t>(pixmap.height), 2);
    out.push_back(static_cast<char>(bits));
    out.push_back(static_cast<char>((topDown ? 0x20 : 0) | (bits == 32 ? 8 : 0)));
    for (int row = 0; row < pixmap.height; ++row) {
        const int y = topDown ? row : pixmap.height - 1 - row;
        if (!packed) {
            for (int x = 0; x < pixmap.width; ++x) {
                PutPixel(out, ReadPixel(pixmap, x, y), bits);
            }
            continue;
        }
        // Runs of equal pixels as repeat packets, each other pixel as a raw packet of one.
        for (int x = 0; x < pixmap.width;) {
            const uint32_t p = ReadPixel(pixmap, x, y);
            int run = 1;
            while (x + run < pixmap.width && run < 128 && ReadPixel(pixmap, x + run, y) == p) {
                ++run;
            }
            out.push_back(static_cast<char>(run > 1 ? 0x80 | (run - 1) : 0));
            PutPixel(out, p, bits);
            x += run;
        }
    }
    return out;
}

std::string EncodeBmp(const TPixmap& pixmap, int bits, bool topDown) {
    const int rowBytes = (pixmap.width * (bits / 8) + 3) & ~3;
    std::string out = "BM";
    PutLE(out, static_cast<uint32_t>(54 + rowBytes * pixmap.height), 4);
    PutLE(out, 0, 4);
    PutLE(out, 54, 4);
    PutLE(out, 40, 4);
    PutLE(out, static_cast<uint32_t>(pixmap.width), 4);
    PutLE(out, static_cast<uint32_t>(topDown ? -pixmap.height : pixmap.height), 4);
    PutLE(out, 1, 2);
    PutLE(out, static_cast<uint32_t>(bits), 2);
    PutLE(out, 0, 4);
    PutLE(out, static_cast<uint32_t>(rowBytes * pixmap.height), 4);
    PutLE(out, 2835, 4);
    PutLE(out, 2835, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int row = 0; row < pixmap.height; ++row) {
        const int y = topDown ? row : pixmap.height - 1 - row;
        const size_t start = out.size();
        for (int x = 0; x < pixmap.width; ++x) {
            PutPixel(out, ReadPixel(pixmap, x, y), bits);
        }
        out.append(start + static_cast<size_t>(rowBytes) - out.size(), '\0');
    }
    return out;
}
