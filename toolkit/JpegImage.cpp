#include "JpegImage.h"

#include "Exception.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace {
// libjpeg reports fatal errors through error_exit, which must not return.
// Its frames are C, so the way out is longjmp back to the decoder's frame,
// where the message becomes an ordinary exception.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void NoMessages(j_common_ptr) {}
} // namespace

RgbImage DecodeJpeg(std::string_view bytes) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = NoMessages;

    RgbImage image;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        throw Exception(std::string("Cannot read the picture: ") + errors.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = int(info.output_width);
    image.height = int(info.output_height);
    image.pixels.resize(size_t(image.width) * size_t(image.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + size_t(info.output_scanline) * size_t(image.width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}
