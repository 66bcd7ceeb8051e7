#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How hard the PNG encoder compresses: Fast for quick exports, Small for the
// smallest file.
enum class PngCompression { Fast, Small };

// A standard 8-bit RGB PNG (no alpha, no interlacing) of width x height
// pixels, each a 32-bit 0xAARRGGBB value whose alpha is ignored; row y starts
// at pixels + y * stride. The rows are compressed in bands on every core;
// together the bands form one zlib stream, which any PNG reader takes. Empty
// when zlib fails (it has no memory left).
std::vector<uint8_t> EncodeRgbPng(const uint32_t* pixels, int width, int height, size_t stride,
                                  PngCompression compression);
