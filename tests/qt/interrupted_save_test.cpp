// QtShell::SaveFile replaces a file whole or leaves it as it was, wherever a full disk (a write
// error) or a crash cuts the new bytes short.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "app/qt/qt_shell.h"
#include "support/test_program.h"

namespace tova {
namespace {

struct InterruptedSave : ::testing::Test {
  void SetUp() override { folder.Write("drawing.KRT", old); }
  bool OnlyTheOldFile() const {
    return testing::ReadAll("drawing.KRT") == old &&
           std::ranges::distance(std::filesystem::directory_iterator(folder.path())) == 1;
  }
  // Saves with the file size limited to `limit` bytes: true when it says it saved.
  bool SaveCutAt(rlim_t limit) {
    rlimit cut{};
    getrlimit(RLIMIT_FSIZE, &cut);
    const rlimit unlimited = cut;
    cut.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &cut);
    const bool saved = shell.SaveFile("drawing.KRT", newer);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    return saved;
  }
  testing::TempWorkingFolder folder;
  const std::string old = testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini");
  const std::string newer = std::string(6500, '7');  // about the size of a document with every table full
  QtShell shell;
};

TEST_F(InterruptedSave, AWriteErrorOrACrashAtAnyByteKeepsTheOldFileWhole) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails instead of ending us
  for (rlim_t limit = 0; limit < newer.size(); ++limit) {
    ASSERT_FALSE(SaveCutAt(limit)) << "at byte " << limit;
    ASSERT_TRUE(OnlyTheOldFile()) << "write error at byte " << limit;
    const pid_t child = fork();
    if (child == 0) {  // going past the limit ends the child as a crash would
      std::signal(SIGXFSZ, SIG_DFL);
      _exit(SaveCutAt(limit) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 1) << "at byte " << limit;
    ASSERT_TRUE(OnlyTheOldFile()) << "crash at byte " << limit;
  }
  std::filesystem::create_directory("folder.KRT");
  EXPECT_FALSE(shell.SaveFile("folder.KRT", newer) || shell.SaveFile("missing/new.KRT", newer));
  std::filesystem::remove("folder.KRT");
  EXPECT_TRUE(OnlyTheOldFile());
  EXPECT_TRUE(shell.SaveFile("drawing.KRT", newer) && testing::ReadAll("drawing.KRT") == newer);
}

}  // namespace
}  // namespace tova
