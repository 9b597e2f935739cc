// Drawings read from files for the command-line tools, as the program reads a document.
#pragma once

#include <optional>
#include <string>

#include "document/tables.h"

namespace tova {

struct DrawingFile {
  std::optional<Tables> tables;
  std::string failure;  // when there are no tables: the path and what is wrong with the file
  std::string text;     // the file's text, when it could be read (what follows the drawing too)
};

[[nodiscard]] DrawingFile ReadDrawing(const std::string& path);

// Whether the two paths name one existing file, so that an output never replaces an input.
[[nodiscard]] bool SameFile(const std::string& a, const std::string& b);

}  // namespace tova
