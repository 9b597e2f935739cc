// Numbers as the read-out boxes show them: a blank before zero and positive numbers, a minus
// sign before negative ones, then the shortest decimal form (" 100", "-3.5").
#pragma once

#include <string>

namespace tova {

[[nodiscard]] std::string FormatReadout(double value);

}  // namespace tova
