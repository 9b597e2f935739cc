#include "support/golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tova::testing {

uint64_t Hash(std::string_view bytes, uint64_t h) {
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ull;
  return h;
}

uint64_t Hash(std::span<const uint32_t> words, uint64_t h) {
  for (uint32_t w : words) h = (h ^ w) * 0x100000001b3ull;
  return h;
}

std::string Hex(uint64_t value, int digits) {
  std::string s(static_cast<std::size_t>(digits), '0');
  for (auto i = s.size(); i-- > 0; value >>= 4) s[i] = "0123456789abcdef"[value & 15];
  return s;
}

void ExpectGolden(const std::string& name, const std::vector<std::string>& lines) {
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
    const std::string seen = i < lines.size() ? lines[i] : "(no line)";
    const std::string want = i < golden.size() ? golden[i] : "(no line)";
    ASSERT_EQ(seen, want) << name << ", line " << i + 1;
  }
}

}  // namespace tova::testing
