// The sixteen two-operand raster modes: how a pen colour combines with the pixel already there.
#pragma once

#include <cstdint>

namespace tova {

// Mode numbers 1 to 16; every other number is not a mode.
enum RasterMode : int16_t {
  kBlackness = 1,      // 0
  kNotMergePen = 2,    // NOT (pen OR pixel)
  kMaskNotPen = 3,     // (NOT pen) AND pixel
  kNotCopyPen = 4,     // NOT pen
  kMaskPenNot = 5,     // pen AND (NOT pixel)
  kNot = 6,            // NOT pixel
  kXorPen = 7,         // pen XOR pixel
  kNotMaskPen = 8,     // NOT (pen AND pixel)
  kMaskPen = 9,        // pen AND pixel
  kNotXorPen = 10,     // NOT (pen XOR pixel)
  kNop = 11,           // pixel
  kMergeNotPen = 12,   // (NOT pen) OR pixel
  kCopyPen = 13,       // pen
  kMergePenNot = 14,   // pen OR (NOT pixel)
  kMergePen = 15,      // pen OR pixel
  kWhiteness = 16,     // all ones
};

constexpr bool IsRasterMode(int mode) { return mode >= kBlackness && mode <= kWhiteness; }

// The 24-bit result of drawing pen on pixel in the given mode (both 0xRRGGBB).
constexpr uint32_t ApplyRasterMode(int16_t mode, uint32_t pen, uint32_t pixel) {
  uint32_t r = pixel;
  switch (mode) {
    case kBlackness: r = 0; break;
    case kNotMergePen: r = ~(pen | pixel); break;
    case kMaskNotPen: r = ~pen & pixel; break;
    case kNotCopyPen: r = ~pen; break;
    case kMaskPenNot: r = pen & ~pixel; break;
    case kNot: r = ~pixel; break;
    case kXorPen: r = pen ^ pixel; break;
    case kNotMaskPen: r = ~(pen & pixel); break;
    case kMaskPen: r = pen & pixel; break;
    case kNotXorPen: r = ~(pen ^ pixel); break;
    case kNop: r = pixel; break;
    case kMergeNotPen: r = ~pen | pixel; break;
    case kCopyPen: r = pen; break;
    case kMergePenNot: r = pen | ~pixel; break;
    case kMergePen: r = pen | pixel; break;
    case kWhiteness: r = ~0u; break;
    default: break;
  }
  return r & 0xFFFFFFu;
}

}  // namespace tova
