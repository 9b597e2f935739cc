// Pictures as PNG files.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

namespace tova {

// The PNG encoding (8-bit RGB) of `image`, or nothing when it cannot be encoded.
[[nodiscard]] std::optional<std::string> EncodePng(const Image& image);

}  // namespace tova
