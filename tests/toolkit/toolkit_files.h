#pragma once
// Scratch files for the toolkit tests: text files and plain pictures.
#include <cstdint>
#include <string>

#include "toolkit/bmf_writer.h"

namespace toolkit_test {

// A fresh folder under the build tree, ending in "/".
std::string ScratchDir(const std::string& name);
void WriteFile(const std::string& path, const std::string& bytes);
// A PNG filled with one 0xAARRGGBB colour.
void WritePng(const std::string& path, int width, int height, uint32_t argb);

}  // namespace toolkit_test
