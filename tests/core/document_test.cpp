// The exact bytes of a document, and what reading takes and refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "document/document_format.h"

namespace tova {
namespace {

// All-zero rows 0 to last of each table under that header.
std::string Zeros(int line, int circle, int unit, int relation) {
  std::string text = std::to_string(line) + ',' + std::to_string(circle) + ',' +
                     std::to_string(unit) + ',' + std::to_string(relation) + "\r\n";
  for (auto [last, row] : {std::pair{line, "0,0,0,0,0,0\r\n"}, {circle, "0,0,0,0,0,0,0\r\n"},
                           {unit, "0,0,0,0\r\n"}, {relation, "0,0,0,0,0,0,0,0,0\r\n"}}) {
    for (int i = 0; i <= last; ++i) text += row;
  }
  return text;
}

// `text` with the values from number `first` on (all "0", in one record) written as `values`.
std::string Edit(std::string_view text, int first, std::string_view values) {
  std::size_t at = 0;
  for (int i = 0; i < first; ++i) at = text.find_first_of(",\n", at) + 1;
  const auto count = static_cast<std::size_t>(std::ranges::count(values, ','));
  return std::string(text).replace(at, 2 * count + 1, values);
}

TEST(Document, WrittenExactlyAndReadStrictly) {
  Tables t;  // one line unit over line rows 0 to 2, row 2 deleted, with extreme values
  t.lineTable[0] = {175, 195, 55, 195, 0, kRowLive};
  t.lineTable[1] = {175, 245, 55, 245, 0, kRowLive};
  t.lineTable[2] = {-32768, 32767, 245, 195, 2, kRowDeleted};
  t.lineTable[4] = {9, 9, 9, 9, 9, kRowLive};  // after the first never-used row: not written
  t.unitTable[0] = {1000, 1001, 1002, kRowLive};
  const std::string empty = FormatDocument(Tables{}), one = FormatDocument(t);
  EXPECT_EQ(empty, "0,0,0,0\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(one, "3,0,1,0\r\n175,195,55,195,0,1\r\n175,245,55,245,0,1\r\n-32768,32767,245,195,2,-1\r\n"
                 "0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n1000,1001,1002,1\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n");
  const auto unit = [](std::string_view row) { return Edit(Zeros(0, 0, 1, 0), 17, row); };
  const auto relation = [](std::string_view row) { return Edit(Zeros(0, 0, 0, 1), 21, row); };
  std::vector<std::string> refused = {
      // Header indexes past the last row of a table, or not 16-bit where that is asked.
      Zeros(301, 0, 0, 0), Zeros(0, 21, 0, 0), Zeros(0, 0, 101, 0), Zeros(0, 0, 0, 21),
      "99999999999,0,0,0\r\n", "-1,-1,-1,-32769", Edit(empty, 0, "1.5"), Edit(empty, 0, ""),
      Edit(Zeros(2, 0, 0, 0), 16, "1,1,2,2,0,1"),  // a used row after a never-used one
      // Live units and relations naming rows outside their tables.
      unit("2021,1001,1002,1"), unit("1500,1001,1002,1"), unit("999,1000,1001,1"),
      unit("1000,1001,1301,1"), relation("0,1,2,3,0,21,0,0,1")};
  for (std::size_t length = 0; length + 2 < one.size(); ++length) refused.push_back(one.substr(0, length));
  for (std::string_view bad : {"a", "", "+5", "-", "--1", "1.5", "12x", "0x1F", "1 2", "32768", "-32769",
                                "65535", "4294967297", "-99999999999999999999"}) {
    for (int at : {3, 4, 29}) refused.push_back(Edit(empty, at, bad));
  }
  for (const std::string& text : refused) EXPECT_FALSE(ParseDocument(text)) << text.substr(0, 80);
  // What the reader says of a refused text, naming the line, or the table and row.
  for (const auto& [text, reason] : std::vector<std::pair<std::string, std::string>>{
           {"", "it is empty"},
           {one.substr(0, 20), "it ends on line 2 before its last value"},
           {Edit(empty, 5, "1x"), "line 2 holds something that is not a number"},
           {Edit(empty, 5, "-32769"), "line 2 holds -32769, outside -32768 to 32767"},
           {Zeros(0, 0, 0, 21), "its header names relation row 21, beyond the table's last row 20"},
           {Edit(Zeros(2, 0, 0, 0), 16, "1,1,2,2,0,1"), "line row 2 is used after the never-used row 0"},
           {relation("0,1,2,3,0,21,0,0,1"), "live relation row 0 refers outside its tables"}}) {
    EXPECT_EQ(ReadDocument(text).reason, reason);
  }

  // Documents and what they read as, written back ("=": as they are).
  const auto divided = [&](const char* by) { return std::regex_replace(one, std::regex("\r\n"), by); };
  std::vector<std::pair<std::string, std::string>> reads = {
      // Commas or a lone LF or CR for line ends, blanks before values, no last line end, what follows.
      {divided(","), one}, {divided("\n"), one}, {divided("\r"), one},
      {std::regex_replace(one, std::regex("(^|,|\n)"), "$1 \t"), one},
      {one.substr(0, one.size() - 2), one}, {one + "garbage\r\n,,x", one}, {one + '\0' + "\xff", one},
      // Header indexes below 0 read no rows; up to the last row of each table, all.
      {"-1,-1,-1,-1", empty}, {"-40000,-1,-1,-32768", empty}, {Zeros(300, 20, 100, 20), empty},
      {"-1,-1,-1,0\r\n1,2,3,4,5,6,7,8,1", relation("1,2,3,4,5,6,7,8,1")},
      // Rows after the first never-used one carry nothing.
      {Edit(Edit(Zeros(1, 0, 0, 0), 4, "5,5,5,5,0,0"), 10, "7,7,7,7,7,0"), Edit(empty, 4, "5,5,5,5,0,0")},
      // References at the ends of the tables; a deleted unit may name anything.
      {unit("2020,1300,1000,1"), "="}, {unit("5000,0,0,-1"), "="}, {relation("300,0,0,0,20,0,0,300,1"), "="}};
  for (auto [token, value] :
       {std::pair{"-32768", "-32768"}, {"32767", "32767"}, {"007", "7"}, {" \t-7", "-7"}}) {
    for (int at : {4, 28}) reads.emplace_back(Edit(empty, at, token), Edit(empty, at, value));
  }
  for (const auto& [text, written] : reads) {
    const std::optional<Tables> read = ParseDocument(text);
    ASSERT_TRUE(read) << text.substr(0, 80);
    EXPECT_EQ(FormatDocument(*read), written == "=" ? text : written) << text.substr(0, 80);
    EXPECT_EQ(ParseDocument(FormatDocument(*read)), read) << text.substr(0, 80);
  }
}

}  // namespace
}  // namespace tova
