// Golden files: what a test sees, line by line, against what it saw when the file was written.
// TOVA_UPDATE_GOLDEN=1 writes the files afresh instead; `git diff tests/golden` then shows every
// change the user would see, to be read before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
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

// Compares the lines with tests/golden/<name>, reporting the first that differs.
inline void ExpectGolden(const std::string& name, const std::vector<std::string>& lines) {
  const std::string path = TOVA_SOURCE_DIR "/tests/golden/" + name;
  if (const char* update = std::getenv("TOVA_UPDATE_GOLDEN"); update && *update == '1') {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path << " is missing; TOVA_UPDATE_GOLDEN=1 writes it";
  std::vector<std::string> golden;
  for (std::string line; std::getline(in, line);) golden.push_back(line);
  for (std::size_t i = 0; i < std::max(lines.size(), golden.size()); ++i) {
    ASSERT_EQ(i < lines.size() ? lines[i] : "(no line)", i < golden.size() ? golden[i] : "(no line)")
        << name << ", line " << i + 1;
  }
}

}  // namespace tova::testing
