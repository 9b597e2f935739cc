#include "document/document_format.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace tova {
namespace {

int16_t LastRowWritten(const Tables& tables, int16_t kind, int rowCount) {
  const int16_t end = FindFreeRow(tables, kind, kEndOfUsedRange);
  return end == kNone ? static_cast<int16_t>(rowCount - 1) : end;
}

void AppendValue(std::string& out, int value) {
  char digits[8];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

template <typename Tuple>
void AppendRecord(std::string& out, const Tuple& fields) {
  std::apply(
      [&](const auto& head, const auto&... tail) {
        AppendValue(out, head);
        ((out += ',', AppendValue(out, tail)), ...);
      },
      fields);
  out += "\r\n";
}

template <typename Row, std::size_t N>
void AppendBlock(std::string& out, const std::array<Row, N>& rows, int16_t last) {
  for (int16_t i = 0; i <= last; ++i) AppendRecord(out, Fields(rows[static_cast<std::size_t>(i)]));
}

// Reads the values of a document one after another; after a refusal, `Why` says what stopped it.
class ValueReader {
 public:
  explicit ValueReader(std::string_view text) : text_(text) {}

  // The next value, or nothing when it is missing or not an integer. Values that do not fit in
  // 32 bits come back as the nearest of +-2^31-1, which is out of every range the format allows.
  std::optional<int32_t> Next() {
    while (At(' ') || At('\t')) ++pos_;
    if (pos_ == text_.size()) return Refuse("it ends on line " + std::to_string(line_) + " before its last value");
    const bool negative = At('-');
    if (negative) ++pos_;
    int64_t magnitude = 0;
    const std::size_t firstDigit = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      magnitude = std::min<int64_t>(magnitude * 10 + (text_[pos_] - '0'),
                                    std::numeric_limits<int32_t>::max());
      ++pos_;
    }
    if (pos_ == firstDigit) return Refuse("line " + std::to_string(line_) + " holds something that is not a number");
    while (At(' ') || At('\t')) ++pos_;
    // A value ends at a comma, a line end or the end of the text.
    const int line = line_;
    if (At(',')) {
      ++pos_;
    } else if (At('\r')) {
      ++pos_;
      if (At('\n')) ++pos_;
      ++line_;
    } else if (At('\n')) {
      ++pos_;
      ++line_;
    } else if (pos_ < text_.size()) {
      return Refuse("line " + std::to_string(line_) + " holds something that is not a number");
    }
    value_line_ = line;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
  }

  // The next value as a 16-bit field.
  bool NextField(int16_t& field) {
    const std::optional<int32_t> v = Next();
    if (!v) return false;
    if (*v < std::numeric_limits<int16_t>::min() || *v > std::numeric_limits<int16_t>::max()) {
      Refuse("line " + std::to_string(value_line_) + " holds " + std::to_string(*v) +
             ", outside -32768 to 32767");
      return false;
    }
    field = static_cast<int16_t>(*v);
    return true;
  }

  std::nullopt_t Refuse(std::string why) {
    if (why_.empty()) why_ = std::move(why);
    return std::nullopt;
  }
  const std::string& Why() const { return why_; }

 private:
  bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1, value_line_ = 1;
  std::string why_;
};

template <typename Row, std::size_t N>
bool ReadBlock(ValueReader& reader, std::array<Row, N>& rows, int32_t last, const char* table) {
  if (last >= static_cast<int32_t>(N)) {
    reader.Refuse(std::string("its header names ") + table + " row " + std::to_string(last) +
                  ", beyond the table's last row " + std::to_string(N - 1));
    return false;
  }
  for (int32_t i = 0; i <= last; ++i) {
    const bool whole = std::apply([&](auto&... field) { return (reader.NextField(field) && ...); },
                                  Fields(rows[static_cast<std::size_t>(i)]));
    if (!whole) return false;
  }
  return true;
}

// A used row after a never-used one is damage; never-used rows are read as zeros.
template <typename Row, std::size_t N>
bool UsedRowsFormAPrefix(ValueReader& reader, std::array<Row, N>& rows, const char* table) {
  const auto firstUnused =
      std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.state == kRowUnused; });
  if (firstUnused == rows.end()) return true;
  for (auto row = firstUnused + 1; row != rows.end(); ++row) {
    if (row->state != kRowUnused) {
      reader.Refuse(std::string(table) + " row " + std::to_string(row - rows.begin()) +
                    " is used after the never-used row " + std::to_string(firstUnused - rows.begin()));
      return false;
    }
    *row = Row{};
  }
  return true;
}

bool InRange(int16_t row, int rows) { return row >= 0 && row < rows; }
bool IsLineRef(int16_t ref) { return ref >= kLineRefBase && ref < kLineRefBase + kLineRows; }
bool IsCircleRefInRange(int16_t ref) {
  return ref >= kCircleRefBase && ref < kCircleRefBase + kCircleRows;
}

bool ReferencesStayInTheirTables(ValueReader& reader, const Tables& t) {
  const auto refuse = [&](const char* table, std::size_t row) {
    reader.Refuse(std::string("live ") + table + " row " + std::to_string(row) + " refers outside its tables");
    return false;
  };
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const UnitRecord& u = t.unitTable[i];
    if (u.state != kRowLive) continue;
    if (!(IsLineRef(u.part0) || IsCircleRefInRange(u.part0)) || !IsLineRef(u.part1) ||
        !IsLineRef(u.part2)) {
      return refuse("unit", i);
    }
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    const RelationRecord& r = t.relationTable[i];
    if (r.state != kRowLive) continue;
    for (int16_t line : {r.line0, r.line1, r.line2, r.line3, r.fromLine, r.toLine}) {
      if (!InRange(line, kLineRows)) return refuse("relation", i);
    }
    if (!InRange(r.fromCircle, kCircleRows) || !InRange(r.toCircle, kCircleRows)) return refuse("relation", i);
  }
  return true;
}

}  // namespace

std::string FormatDocument(const Tables& tables) {
  const int16_t lastLine = LastRowWritten(tables, kLineTable, kLineRows);
  const int16_t lastCircle = LastRowWritten(tables, kCircleTable, kCircleRows);
  const int16_t lastUnit = LastRowWritten(tables, kUnitTable, kUnitRows);
  const int16_t lastRelation = LastRowWritten(tables, kRelationTable, kRelationRows);
  std::string out;
  out.reserve(64 + 24 * (static_cast<std::size_t>(lastLine) + lastCircle + lastUnit + lastRelation));
  AppendRecord(out, std::tie(lastLine, lastCircle, lastUnit, lastRelation));
  AppendBlock(out, tables.lineTable, lastLine);
  AppendBlock(out, tables.circleTable, lastCircle);
  AppendBlock(out, tables.unitTable, lastUnit);
  AppendBlock(out, tables.relationTable, lastRelation);
  return out;
}

DocumentReading ReadDocument(std::string_view text) {
  ValueReader reader(text);
  if (text.empty()) return {std::nullopt, "it is empty"};
  // The first three header values may be any integer (a negative one reads no rows); the fourth
  // must be a 16-bit value.
  const std::optional<int32_t> lastLine = reader.Next();
  const std::optional<int32_t> lastCircle = lastLine ? reader.Next() : std::nullopt;
  const std::optional<int32_t> lastUnit = lastCircle ? reader.Next() : std::nullopt;
  int16_t lastRelation = 0;
  if (!lastUnit || !reader.NextField(lastRelation)) return {std::nullopt, reader.Why()};

  Tables tables;
  const bool whole = ReadBlock(reader, tables.lineTable, *lastLine, "line") &&
                     ReadBlock(reader, tables.circleTable, *lastCircle, "circle") &&
                     ReadBlock(reader, tables.unitTable, *lastUnit, "unit") &&
                     ReadBlock(reader, tables.relationTable, lastRelation, "relation") &&
                     UsedRowsFormAPrefix(reader, tables.lineTable, "line") &&
                     UsedRowsFormAPrefix(reader, tables.circleTable, "circle") &&
                     UsedRowsFormAPrefix(reader, tables.unitTable, "unit") &&
                     UsedRowsFormAPrefix(reader, tables.relationTable, "relation") &&
                     ReferencesStayInTheirTables(reader, tables);
  if (!whole) return {std::nullopt, reader.Why()};
  return {tables, {}};
}

std::optional<Tables> ParseDocument(std::string_view text) { return ReadDocument(text).tables; }

}  // namespace tova
