// Every input the fuzzer has kept, read again: the properties the fuzzer checks still hold, and
// what each one reads as, and exports to, is what it was when tests/golden/corpus.txt was written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "document/document_format.h"
#include "export/dxf_export.h"
#include "export/obj_export.h"
#include "export/svg_export.h"
#include "export/view_picture.h"
#include "fuzz/document_reader_check.h"
#include "support/golden.h"
#include "support/test_program.h"

namespace tova {
namespace {

TEST(FuzzCorpus, EveryKeptInputReadsAndExportsAsItDid) {
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(TOVA_SOURCE_DIR "/tests/fuzz/corpus")) {
    inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  EXPECT_GT(inputs.size(), 10u);
  std::vector<std::string> outcomes;
  for (const auto& path : inputs) {
    const std::string bytes = testing::ReadAll(path);
    const std::optional<std::string> fault = testing::CheckDocumentReader(bytes);
    EXPECT_FALSE(fault) << path.filename() << ": " << fault.value_or("");
    const std::optional<Tables> t = ParseDocument(bytes);
    std::string seen = "refused";
    if (t) {
      const Image view = RenderViewPicture(*t, ViewOptions{});
      seen = testing::Hex(testing::Hash(FormatDocument(*t) + FormatSvg(*t) + FormatDxf(*t) + FormatObj(*t),
                                        testing::Hash(view.pixels)));
    }
    outcomes.push_back(path.filename().string().substr(0, 12) + " " + seen);
  }
  testing::ExpectGolden("corpus.txt", outcomes);
}

}  // namespace
}  // namespace tova
