#include "export/png_image.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace tova {

std::optional<std::string> EncodePng(const Image& image) {
  if (image.Empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    return std::nullopt;
  }
  std::vector<uint8_t> rgb;
  rgb.reserve(image.pixels.size() * 3);
  for (uint32_t p : image.pixels) {
    rgb.push_back(static_cast<uint8_t>(p >> 16));
    rgb.push_back(static_cast<uint8_t>(p >> 8));
    rgb.push_back(static_cast<uint8_t>(p));
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, rgb.data(), 0, nullptr)) return std::nullopt;
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
    png_image_free(&png);
    return std::nullopt;
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace tova
