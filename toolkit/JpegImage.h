#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A decoded picture: rows top to bottom, three bytes a pixel in R, G, B order.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

// Decodes a baseline JPEG held in memory. A damaged or truncated picture
// raises an Exception with libjpeg's own text instead of ending the program.
RgbImage DecodeJpeg(std::string_view bytes);
