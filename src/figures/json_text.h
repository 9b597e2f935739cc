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

}  // namespace tova
