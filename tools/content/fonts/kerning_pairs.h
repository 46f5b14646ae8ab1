#pragma once
// Kerning pairs of an OpenType font, as whole pixels at a given size.
#include <cstdint>
#include <string>
#include <vector>

#include "bmfont_writer.h"

// Pairs among codes whose kerning rounds to a non-zero number of pixels.
std::vector<BMKerning> FindKerningPairs(const std::string& fontPath, double pixelsPerEm,
                                        const std::vector<uint32_t>& codes);
