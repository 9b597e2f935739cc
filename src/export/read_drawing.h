// A drawing read from a file for the command-line tools, as the program reads a document.
#pragma once

#include <optional>
#include <string>

#include "document/tables.h"

namespace tova {

struct DrawingFile {
  std::optional<Tables> tables;
  std::string failure;  // when there are no tables: the path and what is wrong with the file
};

[[nodiscard]] DrawingFile ReadDrawing(const std::string& path);

}  // namespace tova
