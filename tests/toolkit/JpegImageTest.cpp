#include "toolkit/JpegImage.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {
// The test's own picture: a baseline JPEG of four flat colour quadrants,
// encoded here so that no picture from elsewhere is needed.
std::string QuadrantsJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        int y = int(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            bool right = x >= width / 2, bottom = y >= height / 2;
            row[size_t(x) * 3 + 0] = right ? 255 : 0;
            row[size_t(x) * 3 + 1] = bottom ? 255 : 0;
            row[size_t(x) * 3 + 2] = (right && bottom) ? 0 : 128;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    return bytes;
}

void ExpectNear(const RgbImage& image, int x, int y, int r, int g, int b) {
    const uint8_t* p = &image.pixels[(size_t(y) * size_t(image.width) + size_t(x)) * 3];
    EXPECT_NEAR(p[0], r, 8) << x << "," << y;
    EXPECT_NEAR(p[1], g, 8) << x << "," << y;
    EXPECT_NEAR(p[2], b, 8) << x << "," << y;
}
} // namespace

TEST(DecodeJpeg, DecodesABaselinePicture) {
    RgbImage image = DecodeJpeg(QuadrantsJpeg(64, 48));
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 48);
    ASSERT_EQ(image.pixels.size(), 64u * 48u * 3u);
    ExpectNear(image, 5, 5, 0, 0, 128);
    ExpectNear(image, 60, 5, 255, 0, 128);
    ExpectNear(image, 5, 44, 0, 255, 128);
    ExpectNear(image, 60, 44, 255, 255, 0);
}

TEST(DecodeJpeg, ADamagedPictureRaisesInsteadOfEndingTheProgram) {
    const std::string good = QuadrantsJpeg(32, 32);
    for (const std::string& bad : {std::string(), std::string("not a picture"), good.substr(0, 20),
                                   std::string(100, '\xFF')})
        EXPECT_THROW(DecodeJpeg(bad), Exception) << bad.size();
}
