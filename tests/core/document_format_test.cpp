#include "document/document_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "document/document_file.h"

namespace tova {
namespace {

constexpr std::string_view kEmptyDocument =
    "0,0,0,0\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n";

template <typename Row>
std::string Show(const Row& row) {
  std::ostringstream out;
  std::apply([&](const auto&... f) { ((out << f << ' '), ...); }, Fields(row));
  return out.str();
}

template <typename Row, std::size_t N>
::testing::AssertionResult SameRows(const char* name, const std::array<Row, N>& want,
                                    const std::array<Row, N>& got) {
  for (std::size_t i = 0; i < N; ++i) {
    if (Fields(want[i]) != Fields(got[i])) {
      return ::testing::AssertionFailure() << name << " row " << i << ": want " << Show(want[i])
                                           << "got " << Show(got[i]);
    }
  }
  return ::testing::AssertionSuccess();
}

// The four document tables are equal row for row, and the pending tables read back zero.
::testing::AssertionResult SameDocument(const Tables& want, const std::optional<Tables>& got) {
  if (!got) return ::testing::AssertionFailure() << "the document did not read";
  for (auto r : {SameRows("lineTable", want.lineTable, got->lineTable),
                 SameRows("circleTable", want.circleTable, got->circleTable),
                 SameRows("unitTable", want.unitTable, got->unitTable),
                 SameRows("relationTable", want.relationTable, got->relationTable)}) {
    if (!r) return r;
  }
  for (const PendingLine& p : got->pendingLines) {
    if (p.x1 || p.y1 || p.x2 || p.y2 || p.lineKind) {
      return ::testing::AssertionFailure() << "a pending line is not zero";
    }
  }
  return ::testing::AssertionSuccess();
}

// Live and deleted rows in every table, extreme values among them. Used ranges end at rows
// 5, 2, 3 and 2.
Tables SampleTables() {
  Tables t;
  t.lineTable[0] = {10, 20, 30, 40, 0, kRowLive};
  t.lineTable[1] = {-5, 32767, -32768, 7, 2, kRowDeleted};
  t.lineTable[2] = {175, 195, 55, 195, 1, kRowLive};
  t.lineTable[3] = {-1, -1, -1, -1, -1, kRowDeleted};
  t.lineTable[4] = {0, 0, 0, 0, 0, kRowLive};
  t.circleTable[0] = {115, 295, 30, 0, 359, 0, kRowLive};
  t.circleTable[1] = {1, 2, 3, 4, 5, 1, kRowDeleted};
  t.unitTable[0] = {1000, 1002, 1004, kRowLive};
  t.unitTable[1] = {2000, 1001, 1003, kRowDeleted};
  t.unitTable[2] = {2001, 1000, 1004, kRowLive};
  t.relationTable[0] = {0, 1, 2, 3, 0, 1, 0, 2, kRowDeleted};
  t.relationTable[1] = {4, 2, 0, 1, 1, 0, 2, 4, kRowLive};
  return t;
}

// A document of all-zero rows under the given header; a negative index writes no rows.
std::string ZeroDocument(int lastLine, int lastCircle, int lastUnit, int lastRelation) {
  std::string text = std::to_string(lastLine) + ',' + std::to_string(lastCircle) + ',' +
                     std::to_string(lastUnit) + ',' + std::to_string(lastRelation) + "\r\n";
  const auto block = [&](int last, std::string_view record) {
    for (int i = 0; i <= last; ++i) text += record;
  };
  block(lastLine, "0,0,0,0,0,0\r\n");
  block(lastCircle, "0,0,0,0,0,0,0\r\n");
  block(lastUnit, "0,0,0,0\r\n");
  block(lastRelation, "0,0,0,0,0,0,0,0,0\r\n");
  return text;
}

// The empty document with value number `index` (0 to 29, header first) written as `token`.
std::string EmptyWith(int index, std::string_view token) {
  std::string text;
  int value = 0;
  for (int width : {4, 6, 7, 4, 9}) {
    for (int i = 0; i < width; ++i, ++value) {
      if (i > 0) text += ',';
      text += value == index ? std::string(token) : "0";
    }
    text += "\r\n";
  }
  return text;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

TEST(DocumentFormat, EmptyDocumentIsExact) {
  EXPECT_EQ(FormatDocument(Tables{}), kEmptyDocument);
  EXPECT_EQ(kEmptyDocument.size(), 65u);
  EXPECT_TRUE(SameDocument(Tables{}, ParseDocument(kEmptyDocument)));
}

TEST(DocumentFormat, OneLineUnitIsExact) {
  Tables t;
  t.lineTable[0] = {175, 195, 55, 195, 0, kRowLive};
  t.lineTable[1] = {175, 245, 55, 245, 0, kRowLive};
  t.lineTable[2] = {245, 195, 245, 195, 0, kRowLive};
  t.unitTable[0] = {1000, 1001, 1002, kRowLive};
  const std::string text = FormatDocument(t);
  EXPECT_EQ(text,
            "3,0,1,0\r\n"
            "175,195,55,195,0,1\r\n175,245,55,245,0,1\r\n245,195,245,195,0,1\r\n0,0,0,0,0,0\r\n"
            "0,0,0,0,0,0,0\r\n"
            "1000,1001,1002,1\r\n0,0,0,0\r\n"
            "0,0,0,0,0,0,0,0,0\r\n");
  EXPECT_TRUE(SameDocument(t, ParseDocument(text)));
}

TEST(DocumentFormat, UsedAndDeletedRowsRoundTrip) {
  Tables t = SampleTables();
  const std::string text = FormatDocument(t);
  EXPECT_TRUE(text.starts_with("5,2,3,2\r\n")) << text;
  // Deleted rows keep their values; only the state says -1.
  EXPECT_NE(text.find("\r\n-5,32767,-32768,7,2,-1\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n2000,1001,1003,-1\r\n"), std::string::npos) << text;

  const std::optional<Tables> read = ParseDocument(text);
  ASSERT_TRUE(SameDocument(t, read));
  EXPECT_EQ(static_cast<uint16_t>(read->lineTable[1].state), 0xFFFFu);
  EXPECT_EQ(static_cast<uint16_t>(read->relationTable[0].state), 0xFFFFu);

  // Rows after the first never-used row are not part of the document: they are not written
  // and read back zero.
  t.lineTable[7] = {9, 9, 9, 9, 9, kRowLive};
  t.unitTable[50] = {1000, 1001, 1002, kRowLive};
  EXPECT_EQ(FormatDocument(t), text);
  EXPECT_TRUE(SameDocument(SampleTables(), ParseDocument(FormatDocument(t))));
}

TEST(DocumentFormat, FullTablesRoundTripWhole) {
  Tables t;
  const auto value = [](std::size_t i, int k) {
    return static_cast<int16_t>(i * 97 + k * 1031 - 16000);
  };
  const auto state = [](std::size_t i) { return i % 3 == 0 ? kRowDeleted : kRowLive; };
  for (std::size_t i = 0; i < t.lineTable.size(); ++i) {
    t.lineTable[i] = {value(i, 0), value(i, 1), value(i, 2), value(i, 3), value(i, 4), state(i)};
  }
  for (std::size_t i = 0; i < t.circleTable.size(); ++i) {
    t.circleTable[i] = {value(i, 5), value(i, 6), value(i, 7), value(i, 8), value(i, 9), 1,
                        state(i)};
  }
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    t.unitTable[i] = {value(i, 10), value(i, 11), value(i, 12), state(i + 1)};
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    t.relationTable[i] = {value(i, 13), value(i, 14), value(i, 15), value(i, 16), 0, 1, 2, 3,
                          state(i + 2)};
  }
  const std::string text = FormatDocument(t);
  EXPECT_TRUE(text.starts_with("300,20,100,20\r\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 301 + 21 + 101 + 21);
  EXPECT_TRUE(SameDocument(t, ParseDocument(text)));
}

TEST(DocumentReading, LineDivisionAndBlanksPlayNoPart) {
  const Tables t = SampleTables();
  const std::string text = FormatDocument(t);

  // Each block on one line: header, 6 line rows, 3 circle rows, 4 unit rows, 3 relation rows.
  std::vector<std::string> records;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    records.push_back(text.substr(at, end - at));
  }
  ASSERT_EQ(records.size(), 1u + 6 + 3 + 4 + 3);
  std::string oneLineBlocks;
  std::size_t next = 0;
  for (std::size_t count : {1, 6, 3, 4, 3}) {
    for (std::size_t i = 0; i < count; ++i) oneLineBlocks += (i ? "," : "") + records[next++];
    oneLineBlocks += "\r\n";
  }

  const std::vector<std::pair<std::string, std::string>> variants = {
      {"blocks on one line", oneLineBlocks},
      {"all on one line", ReplaceAll(text, "\r\n", ",")},
      {"LF", ReplaceAll(text, "\r\n", "\n")},
      {"CR", ReplaceAll(text, "\r\n", "\r")},
      {"no final line end", text.substr(0, text.size() - 2)},
      {"blanks", "  " + ReplaceAll(ReplaceAll(text, ",", ", \t"), "\r\n", "\r\n \t ")},
  };
  for (const auto& [name, variant] : variants) {
    EXPECT_TRUE(SameDocument(t, ParseDocument(variant))) << name << ":\n" << variant;
  }
}

TEST(DocumentReading, NegativeHeaderIndexesReadNoRows) {
  EXPECT_TRUE(SameDocument(Tables{}, ParseDocument("-1,-1,-1,-1\r\n")));

  // No unit rows: the relation block follows the circle block.
  const std::optional<Tables> read =
      ParseDocument("0,0,-1,0\r\n1,2,3,4,5,1\r\n6,7,8,9,10,11,1\r\n1,2,3,4,5,6,7,8,1\r\n");
  ASSERT_TRUE(read);
  EXPECT_EQ(Show(read->lineTable[0]), "1 2 3 4 5 1 ");
  EXPECT_EQ(Show(read->circleTable[0]), "6 7 8 9 10 11 1 ");
  EXPECT_EQ(Show(read->unitTable[0]), "0 0 0 0 ");
  EXPECT_EQ(Show(read->relationTable[0]), "1 2 3 4 5 6 7 8 1 ");

  // The first three indexes may be any integer; the fourth must fit in 16 bits.
  EXPECT_TRUE(ParseDocument("-40000,-1,-1,-32768\r\n"));
  EXPECT_FALSE(ParseDocument("-1,-1,-1,-32769\r\n"));
}

TEST(DocumentReading, HeaderIndexesStopAtTheLastRow) {
  EXPECT_TRUE(SameDocument(Tables{}, ParseDocument(ZeroDocument(300, 20, 100, 20))));
  // Past the last row fails even when the rows are there to read.
  EXPECT_FALSE(ParseDocument(ZeroDocument(301, 0, 0, 0)));
  EXPECT_FALSE(ParseDocument(ZeroDocument(400, 0, 0, 0)));
  EXPECT_FALSE(ParseDocument(ZeroDocument(0, 21, 0, 0)));
  EXPECT_FALSE(ParseDocument(ZeroDocument(0, 0, 101, 0)));
  EXPECT_FALSE(ParseDocument(ZeroDocument(0, 0, 0, 21)));
  EXPECT_FALSE(ParseDocument("99999999999,0,0,0\r\n"));
}

// Values tried at the first and last header value, the first line value, a circle value and
// the very last value.
constexpr int kPositions[] = {0, 3, 4, 15, 29};

TEST(DocumentReading, ValuesThatAreNotIntegersFail) {
  for (std::string_view token :
       {"a", "", "+5", "-", "--1", "- 1", "1.5", "12x", "x12", "0x1F", "1 2"}) {
    for (int at : kPositions) {
      EXPECT_FALSE(ParseDocument(EmptyWith(at, token))) << "'" << token << "' at " << at;
    }
  }
}

TEST(DocumentReading, ValuesOutside16BitsFail) {
  for (std::string_view token : {"32768", "-32769", "65535", "65536", "4294967296", "4294967297",
                                 "99999999999999999999", "-99999999999999999999"}) {
    for (int at : {3, 4, 15, 29}) {
      EXPECT_FALSE(ParseDocument(EmptyWith(at, token))) << token << " at " << at;
    }
  }
  const std::pair<std::string_view, int16_t> good[] = {
      {"-32768", -32768}, {"32767", 32767}, {"-0", 0}, {"007", 7}, {" \t-7", -7}};
  for (const auto& [token, value] : good) {
    const std::optional<Tables> first = ParseDocument(EmptyWith(4, token));
    const std::optional<Tables> last = ParseDocument(EmptyWith(29, token));
    ASSERT_TRUE(first && last) << token;
    EXPECT_EQ(first->lineTable[0].x1, value) << token;
    EXPECT_EQ(last->relationTable[0].state, value) << token;
  }
}

// Every prefix that stops before the last digit of the last value fails; the text ends in
// a one-digit value and a line end.
void ExpectShortPrefixesFail(const std::string& text) {
  ASSERT_TRUE(text.ends_with("0\r\n"));
  const std::optional<Tables> whole = ParseDocument(text);
  ASSERT_TRUE(whole);
  for (std::size_t length = 0; length + 2 < text.size(); ++length) {
    EXPECT_FALSE(ParseDocument(std::string_view(text).substr(0, length))) << "length " << length;
  }
  EXPECT_TRUE(SameDocument(*whole, ParseDocument(text.substr(0, text.size() - 2))));
}

TEST(DocumentReading, TruncatedTextFailsAtEveryCut) {
  ExpectShortPrefixesFail(std::string(kEmptyDocument));
  ExpectShortPrefixesFail(FormatDocument(SampleTables()));
}

TEST(DocumentReading, TextAfterTheLastRecordIsIgnored) {
  const std::string text = FormatDocument(SampleTables());
  for (const std::string& tail :
       {std::string("garbage"), std::string("\r\n\r\n,,,x"), std::string("1,2,3\r\n"),
        std::string("\0\xff\r\n", 4), std::string(100000, '9')}) {
    EXPECT_TRUE(SameDocument(SampleTables(), ParseDocument(text + tail))) << tail.substr(0, 20);
  }
}

TEST(DocumentFormat, SampleDocumentReadsAndWritesBackExactly) {
  const std::optional<std::string> text =
      ReadFilePrefix(TOVA_SOURCE_DIR "/samples/Tova.ini", kMaxDocumentBytes);
  ASSERT_TRUE(text);
  const std::optional<Tables> read = ParseDocument(*text);
  ASSERT_TRUE(read);
  EXPECT_EQ(FormatDocument(*read), *text);
  ExpectShortPrefixesFail(*text);

  int lineRefs = 0, circleRefs = 0;
  for (std::size_t i = 0; i < read->unitTable.size(); ++i) {
    const UnitRecord& unit = read->unitTable[i];
    if (unit.state != kRowLive) continue;
    for (int16_t ref : {unit.part0, unit.part1, unit.part2}) {
      if (IsCircleRef(ref)) {
        ++circleRefs;
        const CircleRecord* c = CircleAt(*read, RefRow(ref));
        EXPECT_TRUE(c && c->state == kRowLive) << "unit " << i << " refers to " << ref;
      } else {
        ++lineRefs;
        const LineRecord* l = LineAt(*read, RefRow(ref));
        EXPECT_TRUE(l && l->state == kRowLive) << "unit " << i << " refers to " << ref;
      }
    }
  }
  EXPECT_GT(lineRefs, 0);
  EXPECT_GT(circleRefs, 0);
}

class ReadFilePrefixTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    dir_ = std::filesystem::temp_directory_path() / ("tova_read_prefix_" + std::to_string(stamp));
    ASSERT_TRUE(std::filesystem::create_directory(dir_));
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  std::filesystem::path dir_;
};

TEST_F(ReadFilePrefixTest, ReadsRegularFilesOnlyAndStopsAtTheCap) {
  EXPECT_FALSE(ReadFilePrefix((dir_ / "missing.ini").string(), kMaxDocumentBytes));
  EXPECT_FALSE(ReadFilePrefix(dir_.string(), kMaxDocumentBytes));

  // Bytes come back as they are: no line-end translation, NUL kept.
  const std::string bytes("3,0\r\n\0\xff\n\r", 9);
  const std::string path = Write("doc.ini", bytes);
  EXPECT_EQ(ReadFilePrefix(path, kMaxDocumentBytes), bytes);
  EXPECT_EQ(ReadFilePrefix(path, 4), bytes.substr(0, 4));
  EXPECT_EQ(ReadFilePrefix(path, 0), "");
  EXPECT_EQ(ReadFilePrefix(Write("empty.ini", ""), kMaxDocumentBytes), "");

  const std::string big(100000, '7');
  EXPECT_EQ(ReadFilePrefix(Write("big.ini", big), 65536), big.substr(0, 65536));
}

}  // namespace
}  // namespace tova
