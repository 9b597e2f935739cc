#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/qt/qt_shell.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ReadAll;

// Files larger than `bytes` cannot be written for as long as it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

TEST(QtShellSaveFile, ReplacesTheFileWholeOrLeavesItAsItWas) {
  testing::TempWorkingFolder folder;
  QtShell shell;
  const std::string old = "0,0,0,0\r\nthe old document, kept byte for byte\r\n";
  folder.Write("keep.KRT", old);
  const std::string bigger(4096, '7');
  {
    const FileSizeLimit limit(100);  // the disk fills up part-way through the new document
    EXPECT_FALSE(shell.SaveFile("keep.KRT", bigger));
  }
  EXPECT_EQ(ReadAll("keep.KRT"), old);
  std::filesystem::create_directory("folder.KRT");
  EXPECT_FALSE(shell.SaveFile("folder.KRT", bigger));
  EXPECT_FALSE(shell.SaveFile("missing/new.KRT", bigger));
  // Nothing is left behind by the failures.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
  EXPECT_EQ(entries, 2);

  EXPECT_TRUE(shell.SaveFile("keep.KRT", bigger));
  EXPECT_EQ(ReadAll("keep.KRT"), bigger);
}

}  // namespace
}  // namespace tova
