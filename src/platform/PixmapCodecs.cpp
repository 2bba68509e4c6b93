// PNG (libpng) and JPEG (libjpeg) reading and writing for pixmaps.
#include "platform/Files.h"
#include "platform/Pixmap.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>

namespace platform {
namespace {

bool isPng(const std::vector<uint8_t>& b) {
    return b.size() >= 8 && png_sig_cmp(b.data(), 0, 8) == 0;
}
bool isJpeg(const std::vector<uint8_t>& b) {
    return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

PixmapPtr decodePng(const std::vector<uint8_t>& bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return nullptr;
    image.format = PNG_FORMAT_BGRA; // little-endian bytes B,G,R,A are the uint32 0xAARRGGBB
    if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        return nullptr;
    }
    auto pixmap =
        Pixmap::create(static_cast<int>(image.width), static_cast<int>(image.height), Pixmap::uninitialised);
    if (!png_image_finish_read(&image, nullptr, pixmap->data(), static_cast<int>(image.width * 4), nullptr)) {
        png_image_free(&image);
        return nullptr;
    }
    pixmap->touch();
    return pixmap;
}

struct JpegError {
    jpeg_error_mgr base;
    jmp_buf jump;
};

void jpegErrorExit(j_common_ptr info) {
    longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}
void jpegSilent(j_common_ptr, int) {}

PixmapPtr decodeJpeg(const std::vector<uint8_t>& bytes) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = jpegErrorExit;
    error.base.emit_message = jpegSilent;
    PixmapPtr pixmap;
    std::vector<uint8_t> row;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width > 16384 || info.output_height > 16384) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    pixmap = Pixmap::create(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                            Pixmap::uninitialised); // every row is written below
    row.resize(static_cast<size_t>(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint32_t* out = pixmap->data() + static_cast<size_t>(y) * info.output_width;
        for (unsigned x = 0; x < info.output_width; ++x) {
            out[x] = argb(255, row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    pixmap->touch();
    return pixmap;
}

} // namespace

PixmapPtr decodePixmap(const std::vector<uint8_t>& bytes) {
    if (isPng(bytes)) return decodePng(bytes);
    if (isJpeg(bytes)) return decodeJpeg(bytes);
    return nullptr;
}

PixmapPtr loadPixmap(const std::string& path) {
    if (path.empty()) return nullptr;
    auto bytes = loadBytes(path);
    if (!bytes) return nullptr;
    return decodePixmap(*bytes);
}

bool savePng(const Pixmap& pixmap, const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixmap.width());
    image.height = static_cast<png_uint_32>(pixmap.height());
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixmap.data(), 0, nullptr)) return false;
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixmap.data(), 0, nullptr)) return false;
    bytes.resize(size);
    return saveBytes(path, bytes);
}

bool saveJpeg(const Pixmap& pixmap, const std::string& path, int quality) {
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = jpegErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(static_cast<size_t>(pixmap.width()) * 3);
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(pixmap.width());
    info.image_height = static_cast<JDIMENSION>(pixmap.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.comp_info[0].h_samp_factor = 1; // 4:4:4 keeps fine colour detail crisp
    info.comp_info[0].v_samp_factor = 1;
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uint32_t* in = pixmap.data() + static_cast<size_t>(info.next_scanline) * pixmap.width();
        for (int x = 0; x < pixmap.width(); ++x) {
            row[x * 3] = static_cast<uint8_t>(redOf(in[x]));
            row[x * 3 + 1] = static_cast<uint8_t>(greenOf(in[x]));
            row[x * 3 + 2] = static_cast<uint8_t>(blueOf(in[x]));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return saveBytes(path, bytes);
}

} // namespace platform
