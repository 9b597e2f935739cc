// Bringing values into the program's 16-bit integers: beyond the range, its nearest end.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tova {

constexpr int16_t Clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// The whole pixel a pointer position lies in (rounded down).
inline int16_t WholePixel(double v) {
  return static_cast<int16_t>(std::clamp(std::floor(v), -32768.0, 32767.0));
}

// The nearest integer, halves going to the even one.
inline int16_t Nearest16(double v) {
  return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

}  // namespace tova
