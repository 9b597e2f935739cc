// Golden files: what a test sees, line by line, against what it saw when the file was written.
// Run the tests with TOVA_UPDATE_GOLDEN=1 to write the files afresh, then read `git diff` of
// tests/golden before committing: every changed line is a change the user can see.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tova::testing {

// 64-bit FNV-1a, for digests of what a user can see.
uint64_t Hash(std::string_view bytes, uint64_t h = 0xcbf29ce484222325ull);
uint64_t Hash(std::span<const uint32_t> words, uint64_t h = 0xcbf29ce484222325ull);
std::string Hex(uint64_t value, int digits = 16);

// Compares the lines with tests/golden/<name>, reporting the first that differs.
void ExpectGolden(const std::string& name, const std::vector<std::string>& lines);

}  // namespace tova::testing
