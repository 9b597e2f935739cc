// The document format: the four document tables as text, one record per line, each record a
// list of decimal integers separated by commas and ended by CR LF. A header record gives the
// index of the last row written of each table; the four blocks of rows follow in table order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/tables.h"

namespace tova {

// The document that holds the four document tables of `tables`. Each block runs to the end of
// its table's used range (the first never-used row); a table with no never-used row left is
// written whole.
[[nodiscard]] std::string FormatDocument(const Tables& tables);

// The document tables that `text` holds (pending tables zero), or nothing when it is not a whole
// document: a value that is not an integer, a value outside -32768 to 32767, an end before the
// last value, or a header index beyond its table's last row. Commas and line ends both separate
// values and blanks before a value are skipped; what follows the last relation row is not read.
// A document is damaged, and not read either, when a table has a used row after a never-used
// one, or a live unit or relation refers to a row outside its table. Never-used rows after the
// first one carry nothing and are read as zeros, so that what is read writes back the same.
[[nodiscard]] std::optional<Tables> ParseDocument(std::string_view text);

// ParseDocument's answer with its reason when the text is not a whole document: the line and
// what is wrong there, the table and row of a damaged row, or "it is empty".
struct DocumentReading {
  std::optional<Tables> tables;
  std::string reason;  // empty when read
};
[[nodiscard]] DocumentReading ReadDocument(std::string_view text);

}  // namespace tova
