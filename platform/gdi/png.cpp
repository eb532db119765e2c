// PNG output and input through libpng's simplified interface.
#include "gdi/png_io.h"

#include <png.h>

#include <cstring>

namespace gdi {

bool WritePng(const char* path, const std::uint32_t* pixels, int width, int height) {
    if (!path || !pixels || width < 1 || height < 1)
        return false;
    std::vector<png_byte> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        rgb[3 * i] = static_cast<png_byte>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<png_byte>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<png_byte>(pixels[i]);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

bool ReadPng(const char* path, std::vector<std::uint32_t>* pixels, int* width, int* height) {
    if (!path || !pixels || !width || !height)
        return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    pixels->resize(static_cast<std::size_t>(*width) * *height);
    for (std::size_t i = 0; i < pixels->size(); ++i)
        (*pixels)[i] =
            (static_cast<std::uint32_t>(rgb[3 * i]) << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2];
    png_image_free(&image);
    return true;
}

} // namespace gdi
