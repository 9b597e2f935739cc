#include "figures/json_text.h"

#include <cstdio>

namespace tova {
namespace {

// The length of the valid UTF-8 sequence that starts at `i`, or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  std::size_t n = 0;
  unsigned lowest = 0;
  if (c >= 0xC2 && c <= 0xDF) n = 2, lowest = 0x80;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, lowest = 0x800;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, lowest = 0x10000;
  else return 0;
  if (i + n > s.size()) return 0;
  unsigned code = c & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(i + k) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < lowest || code > 0x10FFFF || surrogate ? 0 : n;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = static_cast<unsigned char>(text[i]) < 0x80 ? 1 : Utf8Length(text, i);
    out += n == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, n);
    i += n == 0 ? 1 : n;
  }
  return out;
}

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : ValidUtf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace tova
