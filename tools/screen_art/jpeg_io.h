#pragma once
// Baseline JPEG files for the opaque pictures (alpha is dropped).
#include <string>

#include "../content/common/png_out.h"

// Writes the picture at the given quality (1 to 100); false on failure.
bool WriteJpeg(const RgbaImage& image, const std::string& path, int quality);
// Reads a JPEG as opaque RGBA; an empty image on failure.
RgbaImage ReadJpeg(const std::string& path);
// ReadPng or ReadJpeg by the file's extension.
RgbaImage ReadPicture(const std::string& path);
