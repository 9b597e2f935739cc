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
  const std::filesystem::directory_iterator corpus(TOVA_SOURCE_DIR "/tests/fuzz/corpus");
  std::vector<std::filesystem::path> inputs(begin(corpus), end(corpus));
  std::sort(inputs.begin(), inputs.end());
  std::vector<std::string> outcomes;
  for (const auto& path : inputs) {
    const std::string bytes = testing::ReadAll(path);
    EXPECT_EQ(testing::CheckDocumentReader(bytes), std::nullopt) << path.filename();
    const std::optional<Tables> t = ParseDocument(bytes);
    const uint64_t seen =
        t ? testing::Hash(FormatDocument(*t) + FormatSvg(*t) + FormatDxf(*t) + FormatObj(*t),
                          testing::Hash(std::span<const uint32_t>(RenderViewPicture(*t, {}).pixels)))
          : 0;
    outcomes.push_back(path.filename().string().substr(0, 12) + " " + (t ? testing::Hex(seen) : "refused"));
  }
  testing::ExpectGolden("corpus.txt", outcomes);
}

}  // namespace
}  // namespace tova
