// Text as a JSON string.
#pragma once

#include <string>
#include <string_view>

namespace tova {

// `text` quoted for JSON: quotes, backslashes and control characters escaped, and any byte that
// is not part of valid UTF-8 (a file name may hold such bytes) replaced by U+FFFD.
[[nodiscard]] std::string JsonQuoted(std::string_view text);

}  // namespace tova
