// What tova-check reports on a class's drawings: a line each, a summary, and the JSON, CSV and
// HTML forms of the whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/comparison.h"

namespace tova {

struct CheckedDrawing {
  std::string file;                   // as the command line names it
  std::optional<CheckResult> result;  // empty when the drawing could not be read
  std::vector<Element> elements;      // the drawing's, for its picture
  std::string error;                  // what is wrong with the file, when it was not read
};

struct CheckRun {
  std::string key;
  std::vector<Element> keyElements;
  CheckOptions options;
  std::vector<CheckedDrawing> drawings;
};

// "anna.KRT: 85 (2 missing, 1 extra, 1 wrong line kind)", then what differs, a sentence a line
// indented ("  Front view: the edge from (40, 195) to (160, 195) is missing."); or "bob.KRT: not
// read".
[[nodiscard]] std::string CheckLines(const CheckedDrawing& d);
// "3 drawings: 1 matches the key, 1 differs, 1 could not be read".
[[nodiscard]] std::string CheckSummary(const CheckRun& run);

// {"key": …, "tolerance": …, "anywhere": …, "drawings": [{"file", "score", "missing", "extra",
// "wrongKind"} or {"file", "error"}, …]}; a drawing checked anywhere also gives "moved", the move
// [a, b, c] that took it onto the key.
[[nodiscard]] std::string FormatCheckJson(const CheckRun& run);
// A header row and a row per drawing: file, score, missing, extra, wrong line kind, error. UTF-8
// with a byte-order mark, so that spreadsheets take the names in any script.
[[nodiscard]] std::string FormatCheckCsv(const CheckRun& run);
// One page that needs nothing else: the class's scores in a table sorted by file, then each
// drawing's views over the key's with the differences coloured and listed in words.
[[nodiscard]] std::string FormatCheckHtml(const CheckRun& run);

}  // namespace tova
