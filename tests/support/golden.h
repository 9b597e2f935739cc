// Golden files: what a test sees, line by line, against what it saw when the file was written.
// TOVA_UPDATE_GOLDEN=1 writes the files afresh instead; `git diff tests/golden` then shows every
// change the user would see, to be read before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <span>
#include <string>
#include <vector>

namespace tova::testing {

// 64-bit FNV-1a, for digests of what a user can see: of bytes, or of pixels.
template <typename T>
uint64_t Hash(std::span<const T> items, uint64_t h = 0xcbf29ce484222325ull) {
  for (T item : items) h = (h ^ static_cast<uint64_t>(item)) * 0x100000001b3ull;
  return h;
}
inline uint64_t Hash(std::string_view bytes, uint64_t h = 0xcbf29ce484222325ull) {
  return Hash(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), h);
}

inline std::string Hex(uint64_t value, int digits = 16) {
  std::string s(static_cast<std::size_t>(digits), '0');
  for (auto i = s.size(); i-- > 0; value >>= 4) s[i] = "0123456789abcdef"[value & 15];
  return s;
}

inline std::vector<std::string> Lines(std::istream&& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines `after` lost from `before`, "-" and the line's number in `before`, then those it
// gained, "+" and the number in `after`; empty when they are the same lines in the same numbers.
inline std::string DiffLines(const std::string& before, const std::string& after) {
  const std::vector<std::string> a = Lines(std::istringstream(before)), b = Lines(std::istringstream(after));
  std::string diff;
  for (auto [from, to, mark] : {std::tuple(&a, &b, "-"), std::tuple(&b, &a, "+")}) {
    std::multiset<std::string> there(to->begin(), to->end());
    for (std::size_t i = 0; i < from->size(); ++i) {
      if (const auto found = there.find((*from)[i]); found != there.end()) there.erase(found);
      else diff += mark + std::to_string(i + 1) + " " + (*from)[i] + "\n";
    }
  }
  return diff;
}

// Compares the lines with tests/golden/<name>. Reports the first that differs, against its golden
// line, with how many differ in all and what `explain` says of the line at that index (given its
// golden line): readable, what it was made from.
inline void ExpectGolden(const std::string& name, const std::vector<std::string>& lines,
                         const std::function<std::string(std::size_t, const std::string&)>& explain = nullptr) {
  const std::string path = TOVA_SOURCE_DIR "/tests/golden/" + name;
  if (const char* update = std::getenv("TOVA_UPDATE_GOLDEN"); update && *update == '1') {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path << " is missing; TOVA_UPDATE_GOLDEN=1 writes it";
  const std::vector<std::string> golden = Lines(std::move(in));
  const auto at = [](const std::vector<std::string>& v, std::size_t i) { return i < v.size() ? v[i] : "(no line)"; };
  std::size_t first = 0, differing = 0;
  for (std::size_t i = std::max(lines.size(), golden.size()); i-- > 0;) {
    if (at(lines, i) != at(golden, i)) first = i, ++differing;
  }
  if (differing == 0) return;
  ADD_FAILURE() << name << ", line " << first + 1 << " (the first of " << differing << " lines that differ)\n"
                << "  now:    " << at(lines, first) << "\n  golden: " << at(golden, first) << "\n"
                << (explain && first < lines.size() ? explain(first, at(golden, first)) : "");
}

}  // namespace tova::testing
