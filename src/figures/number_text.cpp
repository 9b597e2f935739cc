#include "figures/number_text.h"

#include <cmath>
#include <cstdio>

namespace tova {

std::string NumberText(double value) {
  char text[64];
  const double rounded = std::round(value * 1000) / 1000;
  std::snprintf(text, sizeof text, "%.3f", rounded == 0 ? 0.0 : rounded);  // never "-0"
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

}  // namespace tova
