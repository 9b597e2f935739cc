// What tova-check reports on a class's drawings: a line each, a summary, and the JSON, CSV and
// HTML forms of the whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/comparison.h"

namespace tova {

// What a hand-in tells of the work besides the drawing: whose it is and the help used.
struct HandInNote {
  std::string exercise, name;
  long seconds = 0;  // time spent working
  int checks = 0, wheres = 0, peeks = 0, objects = 0;
};

struct CheckedDrawing {
  std::string file;                   // as the command line names it
  std::optional<CheckResult> result;  // empty when the drawing could not be read
  std::vector<Element> elements;      // the drawing's, for its picture
  std::string error;                  // what is wrong with the file, when it was not read
  std::optional<HandInNote> handIn;   // when the file is a hand-in
};

struct CheckRun {
  std::string key;
  std::vector<Element> keyElements;
  CheckOptions options;
  std::vector<CheckedDrawing> drawings;
};

// "anna.KRT: 85 (2 missing, 1 extra, 1 wrong line kind)", for a hand-in "anna.KRT (Anna Kowalska;
// 12 min, 2 checks, 1 show-where, 0 peeks, 1 object view): 85 (…)", then what differs, a sentence a line
// indented ("  Front view: the edge from (40, 195) to (160, 195) is missing."); or "bob.KRT: not
// read".
[[nodiscard]] std::string CheckLines(const CheckedDrawing& d);
// "3 drawings: 1 matches the key, 1 differs, 1 could not be read".
[[nodiscard]] std::string CheckSummary(const CheckRun& run);

// {"key": …, "tolerance": …, "anywhere": …, "drawings": [{"file", "score", "missing", "extra",
// "wrongKind"} or {"file", "error"}, …]}; a drawing checked anywhere also gives "moved", the move
// [a, b, c] that took it onto the key, and a hand-in "handIn": {"exercise", "name", "seconds",
// "checks", "wheres", "peeks", "objects"}.
[[nodiscard]] std::string FormatCheckJson(const CheckRun& run);
// A header row and a row per drawing: file, score, missing, extra, wrong line kind, error, wrong
// size, then a hand-in's name, seconds, checks, wheres, peeks and objects. UTF-8 with a
// byte-order mark, so that spreadsheets take the names in any script.
[[nodiscard]] std::string FormatCheckCsv(const CheckRun& run);
// One page that needs nothing else: the class's scores in a table sorted by file (with the
// student's name and help used, when there are hand-ins), then each drawing's views over the
// key's with the differences coloured and listed in words.
[[nodiscard]] std::string FormatCheckHtml(const CheckRun& run);

}  // namespace tova
