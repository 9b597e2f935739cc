#include "canvas/readout.h"

#include <cmath>
#include <cstdio>

namespace tova {

std::string FormatReadout(double value) {
  // Positions arrive in single precision: seven significant digits say all they hold.
  const float v = static_cast<float>(value);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.7g", std::fabs(static_cast<double>(v)));
  return (std::signbit(v) && v != 0 ? "-" : " ") + std::string(digits);
}

}  // namespace tova
