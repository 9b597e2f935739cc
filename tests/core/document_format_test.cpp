#include "document/document_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "document/document_file.h"
#include "support/test_program.h"

namespace tova {
namespace {

constexpr std::string_view kEmptyDocument =
    "0,0,0,0\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n";

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

// A document of all-zero rows under the given header.
std::string ZeroDocument(int lastLine, int lastCircle, int lastUnit, int lastRelation) {
  std::string text = std::to_string(lastLine) + ',' + std::to_string(lastCircle) + ',' +
                     std::to_string(lastUnit) + ',' + std::to_string(lastRelation) + "\r\n";
  for (auto [last, record] : {std::pair{lastLine, "0,0,0,0,0,0\r\n"}, {lastCircle, "0,0,0,0,0,0,0\r\n"},
                              {lastUnit, "0,0,0,0\r\n"}, {lastRelation, "0,0,0,0,0,0,0,0,0\r\n"}}) {
    for (int i = 0; i <= last; ++i) text += record;
  }
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

TEST(DocumentFormat, TheEmptyDocumentAndAOneUnitDocumentAreExact) {
  EXPECT_EQ(FormatDocument(Tables{}), kEmptyDocument);
  EXPECT_EQ(kEmptyDocument.size(), 65u);
  EXPECT_EQ(ParseDocument(kEmptyDocument), Tables{});

  Tables t;
  t.lineTable[0] = {175, 195, 55, 195, 0, kRowLive};
  t.lineTable[1] = {175, 245, 55, 245, 0, kRowLive};
  t.lineTable[2] = {245, 195, 245, 195, 0, kRowLive};
  t.unitTable[0] = {1000, 1001, 1002, kRowLive};
  EXPECT_EQ(FormatDocument(t),
            "3,0,1,0\r\n"
            "175,195,55,195,0,1\r\n175,245,55,245,0,1\r\n245,195,245,195,0,1\r\n0,0,0,0,0,0\r\n"
            "0,0,0,0,0,0,0\r\n"
            "1000,1001,1002,1\r\n0,0,0,0\r\n"
            "0,0,0,0,0,0,0,0,0\r\n");
}

TEST(DocumentFormat, UsedAndDeletedRowsRoundTrip) {
  Tables t = SampleTables();
  const std::string text = FormatDocument(t);
  EXPECT_TRUE(text.starts_with("5,2,3,2\r\n")) << text;
  // Deleted rows keep their values; only the state says -1.
  EXPECT_NE(text.find("\r\n-5,32767,-32768,7,2,-1\r\n"), std::string::npos) << text;
  const std::optional<Tables> read = ParseDocument(text);
  ASSERT_EQ(read, t);
  EXPECT_EQ(static_cast<uint16_t>(read->lineTable[1].state), 0xFFFFu);

  // Rows after the first never-used row are not part of the document.
  t.lineTable[7] = {9, 9, 9, 9, 9, kRowLive};
  EXPECT_EQ(FormatDocument(t), text);
}

TEST(DocumentFormat, FullTablesAreWrittenWholeAndReadBackWhole) {
  Tables t;
  int16_t n = -16000;
  const auto fill = [&](auto& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      std::apply([&](auto&... field) { ((field = n += 97), ...); }, Fields(rows[i]));
      rows[i].state = i % 3 ? kRowLive : kRowDeleted;
    }
  };
  fill(t.lineTable);
  fill(t.circleTable);
  fill(t.unitTable);
  fill(t.relationTable);
  // References of live units and relations must name rows of their tables.
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const auto row = static_cast<int16_t>(i);
    UnitRecord& u = t.unitTable[i];
    u.part0 = i % 2 ? LineRef(row) : CircleRef(static_cast<int16_t>(i % 21));
    u.part1 = LineRef(static_cast<int16_t>(row + 100));
    u.part2 = LineRef(static_cast<int16_t>(row + 200));
  }
  for (RelationRecord& r : t.relationTable) {
    r = {1, 2, 3, 4, 5, 6, 7, 300, r.state};
  }
  const std::string text = FormatDocument(t);
  EXPECT_TRUE(text.starts_with("300,20,100,20\r\n"));
  EXPECT_EQ(ParseDocument(text), t);
}

TEST(DocumentReading, LineDivisionAndBlanksPlayNoPart) {
  const std::string text = FormatDocument(SampleTables());
  for (const std::string& variant :
       {ReplaceAll(text, "\r\n", ","), ReplaceAll(text, "\r\n", "\n"), ReplaceAll(text, "\r\n", "\r"),
        text.substr(0, text.size() - 2),
        "  " + ReplaceAll(ReplaceAll(text, ",", ", \t"), "\r\n", "\r\n \t ")}) {
    EXPECT_EQ(ParseDocument(variant), SampleTables()) << variant;
  }
}

TEST(DocumentReading, HeaderIndexes) {
  EXPECT_EQ(ParseDocument("-1,-1,-1,-1\r\n"), Tables{});
  // No unit rows: the relation block follows the circle block.
  const std::optional<Tables> read =
      ParseDocument("0,0,-1,0\r\n1,2,3,4,5,1\r\n6,7,8,9,10,11,1\r\n1,2,3,4,5,6,7,8,1\r\n");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->unitTable[0], UnitRecord{});
  EXPECT_EQ(read->relationTable[0], (RelationRecord{1, 2, 3, 4, 5, 6, 7, 8, 1}));
  // The first three indexes may be any integer; the fourth must fit in 16 bits.
  EXPECT_TRUE(ParseDocument("-40000,-1,-1,-32768\r\n"));
  EXPECT_FALSE(ParseDocument("-1,-1,-1,-32769\r\n"));
  // Up to the last row of each table, and not one beyond, even when the rows are there.
  EXPECT_EQ(ParseDocument(ZeroDocument(300, 20, 100, 20)), Tables{});
  for (const std::string& past : {ZeroDocument(301, 0, 0, 0), ZeroDocument(400, 0, 0, 0),
                                  ZeroDocument(0, 21, 0, 0), ZeroDocument(0, 0, 101, 0),
                                  ZeroDocument(0, 0, 0, 21), std::string("99999999999,0,0,0\r\n")}) {
    EXPECT_FALSE(ParseDocument(past)) << past.substr(0, 20);
  }
}

TEST(DocumentReading, ValuesMustBe16BitIntegers) {
  // At the first and last header value, the first line value and the very last value.
  for (std::string_view token : {"a", "", "+5", "-", "--1", "1.5", "12x", "0x1F", "1 2"}) {
    for (int at : {0, 3, 4, 29}) {
      EXPECT_FALSE(ParseDocument(EmptyWith(at, token))) << "'" << token << "' at " << at;
    }
  }
  // The first header value is any integer; the others must fit in 16 bits.
  for (std::string_view token : {"32768", "-32769", "65535", "4294967297", "-99999999999999999999"}) {
    for (int at : {3, 4, 29}) {
      EXPECT_FALSE(ParseDocument(EmptyWith(at, token))) << "'" << token << "' at " << at;
    }
  }
  for (auto [token, value] : {std::pair{"-32768", -32768}, {"32767", 32767}, {"007", 7}, {" \t-7", -7}}) {
    const std::optional<Tables> read = ParseDocument(EmptyWith(29, token));
    ASSERT_TRUE(read) << token;
    EXPECT_EQ(read->relationTable[0].state, value) << token;
  }
}

TEST(DocumentReading, DamagedTablesAreNotRead) {
  // A used row after a never-used one.
  EXPECT_FALSE(ParseDocument(std::string("2,0,0,0\r\n0,0,0,0,0,0\r\n") +
                             "0,0,0,0,0,0\r\n1,1,2,2,0,1\r\n0,0,0,0,0,0,0\r\n0,0,0,0\r\n"
                             "0,0,0,0,0,0,0,0,0\r\n"));
  // Live units and relations naming rows outside their tables; a deleted one may.
  for (std::string_view unit : {"1000,1001,1301,1", "2021,1001,1002,1", "1500,1001,1002,1",
                                "999,1000,1001,1"}) {
    EXPECT_FALSE(ParseDocument("0,0,1,0\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n" + std::string(unit) +
                               "\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"))
        << unit;
  }
  EXPECT_TRUE(ParseDocument("0,0,1,0\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n5000,0,0,-1\r\n"
                            "0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"));
  EXPECT_FALSE(ParseDocument("0,0,0,1\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0\r\n"
                             "0,1,2,3,0,21,0,0,1\r\n0,0,0,0,0,0,0,0,0\r\n"));
  // Never-used rows after the first carry nothing.
  const std::optional<Tables> read =
      ParseDocument("2,0,0,0\r\n1,1,1,1,0,1\r\n5,5,5,5,0,0\r\n7,7,7,7,7,0\r\n"
                    "0,0,0,0,0,0,0\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->lineTable[1], (LineRecord{5, 5, 5, 5, 0, 0}));
  EXPECT_EQ(read->lineTable[2], LineRecord{});
  EXPECT_EQ(ParseDocument(FormatDocument(*read)), read);
}

TEST(DocumentReading, EveryCutShortOfTheLastValueFailsAndWhatFollowsItIsIgnored) {
  for (const std::string& text : {std::string(kEmptyDocument), FormatDocument(SampleTables())}) {
    for (std::size_t length = 0; length + 2 < text.size(); ++length) {
      EXPECT_FALSE(ParseDocument(std::string_view(text).substr(0, length))) << length;
    }
    for (const std::string& tail : {std::string("garbage"), std::string("\r\n\r\n,,,x"),
                                    std::string("\0\xff", 2), std::string(100000, '9')}) {
      EXPECT_EQ(ParseDocument(text + tail), ParseDocument(text));
    }
  }
}

TEST(DocumentFormat, TheSampleDrawingReadsWritesBackExactlyAndRefersToLiveRows) {
  const std::optional<std::string> text =
      ReadFilePrefix(TOVA_SOURCE_DIR "/samples/Tova.ini", kMaxDocumentBytes);
  ASSERT_TRUE(text);
  const std::optional<Tables> read = ParseDocument(*text);
  ASSERT_TRUE(read);
  EXPECT_EQ(FormatDocument(*read), *text);
  for (const UnitRecord& unit : read->unitTable) {
    if (unit.state != kRowLive) continue;
    const CircleRecord* circle = CircleAt(*read, RefRow(unit.part0));
    const LineRecord* line = LineAt(*read, RefRow(unit.part0));
    EXPECT_TRUE(IsCircleRef(unit.part0) ? circle && circle->state == kRowLive
                                        : line && line->state == kRowLive);
    for (int16_t ref : {unit.part1, unit.part2}) {
      EXPECT_FALSE(IsCircleRef(ref));
      EXPECT_TRUE(LineAt(*read, RefRow(ref)) && LineAt(*read, RefRow(ref))->state == kRowLive);
    }
  }
}

TEST(ReadFilePrefix, ReadsRegularFilesOnlyUpToTheCap) {
  testing::TempWorkingFolder folder;
  EXPECT_FALSE(ReadFilePrefix("missing.ini", kMaxDocumentBytes));
  EXPECT_FALSE(ReadFilePrefix(folder.path().string(), kMaxDocumentBytes));
  // Bytes come back as they are: no line-end translation, NUL kept.
  const std::string bytes("3,0\r\n\0\xff\n\r", 9);
  folder.Write("doc.ini", bytes);
  EXPECT_EQ(ReadFilePrefix("doc.ini", kMaxDocumentBytes), bytes);
  EXPECT_EQ(ReadFilePrefix("doc.ini", 4), bytes.substr(0, 4));
  folder.Write("empty.ini", "");
  EXPECT_EQ(ReadFilePrefix("empty.ini", kMaxDocumentBytes), "");
}

}  // namespace
}  // namespace tova
