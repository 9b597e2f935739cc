// The drawing on an A4 landscape sheet for printing: the three views at a fixed scale (a canvas
// pixel to 0.4 mm), the pane dividers as thin construction lines, a border and a title block in
// the bottom-right corner.
#pragma once

#include <optional>
#include <string>

namespace tova {

struct Tables;

// What the title block says besides the scale and the sheet size. Texts are UTF-8.
struct SheetFields {
  std::string title, author, date, number;
};

// The sheet as a PDF file, or nothing when the PDF cannot be made.
[[nodiscard]] std::optional<std::string> FormatPdfSheet(const Tables& tables, const SheetFields& fields);

}  // namespace tova
