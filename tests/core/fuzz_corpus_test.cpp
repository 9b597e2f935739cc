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

// What an input reads as, and exports to: a short digest of each output, named.
std::string Outputs(const Tables& t) {
  const std::pair<const char*, uint64_t> kOutputs[] = {
      {"document", testing::Hash(FormatDocument(t))}, {"svg", testing::Hash(FormatSvg(t))},
      {"dxf", testing::Hash(FormatDxf(t))}, {"obj", testing::Hash(FormatObj(t))},
      {"png", testing::Hash(std::span<const uint32_t>(RenderViewPicture(t, {}).pixels))}};
  std::string line;
  for (const auto& [name, digest] : kOutputs) line += std::string(" ") + name + "=" + testing::Hex(digest, 8);
  return line;
}

TEST(FuzzCorpus, EveryKeptInputReadsAndExportsAsItDid) {
  const std::filesystem::directory_iterator corpus(TOVA_SOURCE_DIR "/tests/fuzz/corpus");
  std::vector<std::filesystem::path> inputs(begin(corpus), end(corpus));
  std::sort(inputs.begin(), inputs.end());
  std::vector<std::string> outcomes;
  for (const auto& path : inputs) {
    const std::string bytes = testing::ReadAll(path);
    EXPECT_EQ(testing::CheckDocumentReader(bytes), std::nullopt) << path.filename();
    const std::optional<Tables> t = ParseDocument(bytes);
    outcomes.push_back(path.filename().string().substr(0, 12) + (t ? Outputs(*t) : " refused"));
  }
  // The outputs that changed; `tova-export` shows them for the input named.
  testing::ExpectGolden("corpus.txt", outcomes, [&](std::size_t i, const std::string& golden) {
    std::string changed = inputs[i].filename().string() + " changed:", w;
    for (std::istringstream now(outcomes[i]); now >> w;) changed += golden.find(w) == std::string::npos ? " " + w.substr(0, w.find('=')) : "";
    return changed;
  });
}

}  // namespace
}  // namespace tova
