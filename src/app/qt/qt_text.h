// Text of the program (UTF-8) as Qt text.
#pragma once

#include <QString>
#include <string_view>

namespace tova {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tova
