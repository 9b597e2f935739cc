// Saving cut short at every byte of the new document, as a full disk or a crash would cut it:
// the old file stays whole and no temporary file is left.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/qt/qt_shell.h"
#include "document/document_format.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ReadAll;

// A document of full tables: every row of every table used.
std::string FullDocument() {
  Tables t;
  for (LineRecord& l : t.lineTable) l.state = kRowLive;
  for (CircleRecord& c : t.circleTable) c.state = kRowDeleted;
  for (UnitRecord& u : t.unitTable) u = {1000, 1001, 1002, kRowLive};
  for (RelationRecord& r : t.relationTable) r.state = kRowLive;
  return FormatDocument(t);
}

void LimitFileSize(rlim_t bytes) {
  rlimit r{};
  getrlimit(RLIMIT_FSIZE, &r);
  r.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &r);
}

class InterruptedSave : public ::testing::Test {
 protected:
  void SetUp() override { folder.Write("drawing.KRT", old); }
  void ExpectOnlyTheOldFile(const char* how, std::size_t limit) {
    ASSERT_EQ(ReadAll("drawing.KRT"), old) << how << " at byte " << limit;
    int files = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(folder.path())) ++files;
    ASSERT_EQ(files, 1) << how << " at byte " << limit << " left a file behind";
  }

  testing::TempWorkingFolder folder;
  const std::string old = ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini");
  const std::string full = FullDocument();
};

TEST_F(InterruptedSave, AWriteErrorAtAnyByteKeepsTheOldFileWhole) {
  ASSERT_TRUE(full.starts_with("300,20,100,20\r\n"));
  QtShell shell;
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  for (std::size_t limit = 0; limit < full.size(); ++limit) {
    LimitFileSize(limit);
    const bool saved = shell.SaveFile("drawing.KRT", full);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    ASSERT_FALSE(saved) << "at byte " << limit;
    ExpectOnlyTheOldFile("error", limit);
  }
  EXPECT_TRUE(shell.SaveFile("drawing.KRT", full));
  EXPECT_EQ(ReadAll("drawing.KRT"), full);
}

TEST_F(InterruptedSave, ACrashAtAnyByteKeepsTheOldFileWhole) {
  for (std::size_t limit = 0; limit < full.size(); ++limit) {
    const pid_t child = fork();
    if (child == 0) {  // going past the limit ends the child as a crash would
      std::signal(SIGXFSZ, SIG_DFL);
      LimitFileSize(limit);
      QtShell shell;
      _exit(shell.SaveFile("drawing.KRT", full) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 1) << "at byte " << limit;
    ExpectOnlyTheOldFile("crash", limit);
  }
}

}  // namespace
}  // namespace tova
