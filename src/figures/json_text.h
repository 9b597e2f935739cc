// Text as JSON and HTML take it.
#pragma once

#include <string>
#include <string_view>

namespace tova {

// `text` quoted for JSON: quotes, backslashes and control characters escaped, and any byte that
// is not part of valid UTF-8 (a file name may hold such bytes) replaced by U+FFFD.
[[nodiscard]] std::string JsonQuoted(std::string_view text);

// `text` with every byte that is not part of valid UTF-8 replaced by U+FFFD.
[[nodiscard]] std::string ValidUtf8(std::string_view text);

// A JSON array of what `write` makes of each item of `range`.
template <typename Range, typename Write>
[[nodiscard]] std::string JsonList(const Range& range, Write write) {
  std::string out = "[";
  for (const auto& item : range) out += (out.size() > 1 ? "," : "") + write(item);
  return out + "]";
}

}  // namespace tova
