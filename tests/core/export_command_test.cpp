// The command-line programs' runs: what tova-export says and writes, and the files that it and
// tova-check write over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <sstream>

#include "document/document_format.h"
#include "export/png_image.h"
#include "support/golden.h"
#include "support/test_program.h"
#include "tools/check_command.h"
#include "tools/export_command.h"
#include "view3d/navigation.h"
#include "view3d/view_attributes.h"

namespace tova {
namespace {

using testing::ReadAll;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), {}};
}

// Every figure and line kind in every view, arcs across 0 degrees and with meeting ends, a relation.
const std::string kVaried = ReadAll(TOVA_SOURCE_DIR "/tests/golden/varied.KRT");

// What each run of tova-export said is in tests/golden/export.txt.
TEST(ExportCommand, WritesEachFormatAndThe3DViewAsAPictureAndRefusesBadInputWritingNothing) {
  testing::TempWorkingFolder folder;
  folder.Write("d.svg", kVaried);  // the drawing, named like an output to try writing over it
  folder.Write("varied.svg", "an older file");
  folder.Write("damaged.KRT", "1,0,0,0\r\n0,0,0,0,0,0\r\n1,2,3,4,0,1\r\n");  // a used row after an unused one
  std::filesystem::create_directory("folder.KRT");
  const char* kRuns[] = {"d.svg varied.svg", "d.svg varied.dxf", "d.svg varied.obj",
      "--tilt=53 --turn=37 --pen=12 --background=1 d.svg tilt-53-37.png", "missing.KRT o.svg",
      "folder.KRT o.svg", "damaged.KRT o.svg", "d.svg out", "--tilt 9 d.svg o.svg", "--size 51 d.svg o.png",
      "--centre=5x d.svg o.png", "--turn=9999999999 d.svg o.png", "--pen=#1234 d.svg o.png",
      "d.svg o.png --centre", "--scale=2 d.svg o.png", "d.svg", "d.svg no-folder/o.svg", "d.svg ./d.svg",
      "--date=2026-12-07 --number=7 d.svg sheet.pdf", "--author=Li d.svg o.svg", "--date=2026-02-30 d.svg o.pdf"};
  std::vector<std::string> said;
  for (const char* run : kRuns) {
    std::ostringstream out, err;
    const int status = RunExport(Words(run), out, err);
    said.push_back(std::string(run) + " -> " + std::to_string(status) + " " + out.str() + err.str());
    said.back().pop_back();  // the newline that ends what it said, or the space where it said nothing
  }
  testing::ExpectGolden("export.txt", said);
  for (std::string name : {"varied.svg", "varied.dxf", "varied.obj"}) {
    testing::ExpectGolden(name + ".txt", testing::Lines(std::istringstream(ReadAll(name))));
  }
  testing::StartedProgram started;
  Program& p = started.program;
  p.tables = ParseDocument(kVaried).value();
  C9_Click(p);
  StepView(p, 3);
  SetViewPenColour(p, 12);
  SetViewBackColour(p, 1);
  const auto files = std::distance(std::filesystem::directory_iterator("."), {});  // no temporary ones left
  EXPECT_EQ(std::tuple(ReadAll("tilt-53-37.png"), ReadAll("d.svg"), files),
            std::tuple(*EncodePng(p.D.Snapshot()), kVaried, 8));
}

// A file written over keeps its mode, one the user made private too; a new file gets the umask's.
TEST(CommandOutputs, KeepTheModeOfTheFileTheyReplaceAndTakeTheUmasksWhenNew) {
  testing::TempWorkingFolder folder;
  folder.Write("d.KRT", kVaried);
  const mode_t umaskBefore = umask(027);
  for (auto [run, mode] : {std::pair("export d.KRT o.svg", 0600), {"export d.KRT o.png", 0751},
                           {"export d.KRT n.dxf", 0}, {"check --html o.html d.KRT d.KRT", 0600},
                           {"check --csv n.csv d.KRT d.KRT", 0}}) {  // 0: no file there before
    std::vector<std::string> words = Words(run);  // the program, then the output's name third
    const std::string program = words[0], output = words[2];
    if (mode) folder.Write(output, "older"), std::filesystem::permissions(output, std::filesystem::perms(mode));
    words.erase(words.begin());
    std::ostringstream out, err;
    const int status = (program == "check" ? RunCheck : RunExport)(words, out, err);
    const auto octal = [](auto bits) { return (std::ostringstream() << std::oct << static_cast<int>(bits)).str(); };
    const std::string written = octal(std::filesystem::status(output).permissions());
    EXPECT_EQ(std::tuple(status, err.str(), written, ReadAll(output) != "older"),
              std::tuple(0, std::string(), octal(mode ? mode : 0640), true)) << run;
  }
  umask(umaskBefore);
}

}  // namespace
}  // namespace tova
