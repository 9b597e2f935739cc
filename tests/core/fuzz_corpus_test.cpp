// Every input the fuzzer has kept, read again: the properties the fuzzer checks still hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/document_reader_check.h"

namespace tova {
namespace {

TEST(FuzzCorpus, EveryKeptInputStillHoldsTheReadersProperties) {
  int inputs = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(TOVA_SOURCE_DIR "/tests/fuzz/corpus")) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::optional<std::string> fault = testing::CheckDocumentReader(bytes.str());
    EXPECT_FALSE(fault) << entry.path().filename() << ": " << fault.value_or("");
    ++inputs;
  }
  EXPECT_GT(inputs, 10);
}

}  // namespace
}  // namespace tova
