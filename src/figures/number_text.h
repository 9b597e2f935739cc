// Numbers as the text exports write them.
#pragma once

#include <string>

namespace tova {

// At most three decimals, without trailing zeros: 12, -0.5, 107.071.
[[nodiscard]] std::string NumberText(double value);

}  // namespace tova
