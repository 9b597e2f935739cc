// What must hold for any input given to the document reader, whatever it holds: for the fuzzer and
// for the replay of what it kept.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "app/load_document.h"
#include "document/document_format.h"
#include "export/dxf_export.h"
#include "export/obj_export.h"
#include "export/svg_export.h"
#include "platform/silent_shell.h"
#include "program/program.h"
#include "support/invariants.h"

namespace tova::testing {
namespace detail {

// Every line element has two or more indices, each naming a vertex written before it.
inline bool ObjIndicesValid(const std::string& obj) {
  std::istringstream in(obj);
  long vertices = 0;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "v") ++vertices;
    if (kind != "l") continue;
    int count = 0;
    for (long index; words >> index; ++count) {
      if (index < 1 || index > vertices) return false;
    }
    if (count < 2 || !words.eof()) return false;
  }
  return true;
}

inline bool ReferencesInside(const Tables& t) {
  for (const UnitRecord& u : t.unitTable) {
    if (u.state != kRowLive) continue;
    const bool main = IsCircleRef(u.part0) ? !!CircleAt(t, RefRow(u.part0)) : !!LineAt(t, RefRow(u.part0));
    if (!main || IsCircleRef(u.part1) || IsCircleRef(u.part2) || !LineAt(t, RefRow(u.part1)) ||
        !LineAt(t, RefRow(u.part2))) {
      return false;
    }
  }
  for (const RelationRecord& r : t.relationTable) {
    if (r.state != kRowLive) continue;
    for (int16_t line : {r.line0, r.line1, r.line2, r.line3, r.fromLine, r.toLine}) {
      if (!LineAt(t, line)) return false;
    }
    if (!CircleAt(t, r.fromCircle) || !CircleAt(t, r.toCircle)) return false;
  }
  return true;
}

// A drawing the program holds before the read: a live line and a deleted circle.
inline Tables Before() {
  Tables t;
  t.lineTable[0] = {175, 195, 55, 195, 1, kRowLive};
  t.circleTable[0] = {115, 295, 30, 0, 359, 0, kRowDeleted};
  return t;
}

}  // namespace detail

// Reads `input` as a document into a program that already holds a drawing. Nothing when every
// property holds, else what went wrong: a failed read must leave the drawing as it was; a read
// drawing refers only to rows inside its tables, has its used rows in a prefix, writes and reads
// back the same, and exports whole.
inline std::optional<std::string> CheckDocumentReader(std::string_view input) {
  using namespace detail;
  // One program for every input: making its drawing surfaces costs more than a read.
  static SilentShell shell;
  static Program program(shell);
  program.tables = Before();
  if (!ReadDocumentText(program, input)) {
    return program.tables == Before() ? std::nullopt : std::optional("a failed read changed the drawing");
  }
  const Tables& read = program.tables;
  if (!ReferencesInside(read)) return "a live unit or relation refers outside its table";
  if (!UsedRowsFormAPrefix(read)) return "used rows after a never-used one";
  const std::string written = FormatDocument(read);
  const std::optional<Tables> again = ParseDocument(written);
  if (!again) return "what was written does not read back";
  if (*again != read) return "what was written reads back different";
  if (FormatDocument(*again) != written) return "writing again gives other text";
  // Whatever the program reads, it can export.
  if (!FormatSvg(read).ends_with("</svg>\n")) return "an unfinished SVG";
  if (!FormatDxf(read).ends_with("  0\nEOF\n")) return "an unfinished DXF";
  if (!ObjIndicesValid(FormatObj(read))) return "an OBJ line element names a missing vertex";
  return std::nullopt;
}

}  // namespace tova::testing
