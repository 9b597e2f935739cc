// The command-line programs' runs: what tova-export says and writes, and the files that it and
// tova-check write over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <sstream>

#include "document/document_format.h"
#include "exercise/exercise_file.h"
#include "exercise/hand_in.h"
#include "export/png_image.h"
#include "support/golden.h"
#include "support/test_program.h"
#include "tools/check_command.h"
#include "tools/exercise_command.h"
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

// tova-exercise refuses a wrong command line or input in one line naming it, writing nothing; what
// it writes reads back as the exercise asked for, the key carried only when an aid needs it.
TEST(ExerciseCommand, RefusesBadInputWritingNothingAndWritesWhatReadsBack) {
  testing::TempWorkingFolder folder;
  folder.Write("key.KRT", kVaried);
  const std::pair<const char*, const char*> kBad[] = {  // what is added to a good run, what the message names
      {"--title=", "--title"}, {"--output=", "--output"}, {"key.KRT", "one key"}, {"--given front,back", "'front,back'"},
      {"--given=", "--given"}, {"--aids check,,peek", "'check,,peek'"}, {"--tolerance 20.5", "20.5"},
      {"--tolerance=-1", "-1"}, {"--tolerance 2px", "2px"}, {"--frob", "--frob"}, {"--anywhere=no", "--anywhere"},
      {"--start missing.KRT", "missing.KRT"}, {"--start .", "not a regular file"}, {"-o key.KRT", "key itself"}};
  for (const auto& [added, named] : kBad) {
    std::ostringstream out, err;
    std::vector<std::string> words = Words("key.KRT --title T -o e.txt --given front " + std::string(added));
    const int status = RunExercise(words, out, err);
    EXPECT_TRUE(status == 2 && out.str().empty() && err.str().find(named) != std::string::npos &&
                err.str().starts_with("tova-exercise: ") && err.str().find('\n') == err.str().size() - 1 &&
                !std::filesystem::exists("e.txt") && ReadAll("key.KRT") == kVaried) << added << ": " << err.str();
  }
  const Tables key = ParseDocument(kVaried).value();
  for (const auto& [options, given, aids] :
       {std::tuple("--given front,side --aids none --tolerance 3.5 --anywhere", std::array{true, false, true},
                   std::array{false, false, false, false}),
        std::tuple("--aids check,object --start key.KRT --given=none", std::array{false, false, false},
                   std::array{true, false, false, true})}) {
    std::ostringstream out, err;
    const std::string run = "key.KRT --title L-bracket --task Draw --task the-side -o e.txt " + std::string(options);
    EXPECT_EQ(RunExercise(Words(run), out, err), 0);
    const bool start = std::string(options).find("--start") != std::string::npos;
    const Exercise asked{"L-bracket", "Draw\nthe-side", given, aids, start ? 2 : 3.5, !start, GivenFigures(key, given),
                         start ? std::optional(FormatDocument(key)) : std::nullopt,
                         start ? std::optional(FormatDocument(key)) : std::nullopt};
    EXPECT_EQ(ReadExercise(ReadAll("e.txt")).exercise, asked) << options << err.str();
  }
}

// A hand-in is checked as its drawing, and every report tells whose it is and the help used.
TEST(CheckCommand, ShowsAHandInsStudentAndHelpInEveryReport) {
  testing::TempWorkingFolder folder;
  folder.Write("key.KRT", kVaried);
  const HandIn anna{"An L-bracket", "Anna Kowalska", {{2, 1, 4, 3}, 754, "Anna Kowalska"}};
  folder.Write("anna.KRT", FormatHandIn(ParseDocument(kVaried).value(), anna));
  std::ostringstream lines, json, err;
  EXPECT_EQ(RunCheck({"--csv", "c.csv", "--html", "c.html", "key.KRT", "anna.KRT", "key.KRT"}, lines, err), 0);
  EXPECT_EQ(RunCheck({"--json", "key.KRT", "anna.KRT", "key.KRT"}, json, err), 0);
  const std::string csv = ReadAll("c.csv"), html = ReadAll("c.html");
  EXPECT_TRUE(lines.str().starts_with("anna.KRT (Anna Kowalska; 12 min, 2 checks, 1 show-where, 4 peeks, 3 object "
                                      "views): 100 (")) << lines.str();
  EXPECT_NE(json.str().find("{\"file\":\"anna.KRT\",\"handIn\":{\"exercise\":\"An L-bracket\",\"name\":\"Anna "
                            "Kowalska\",\"seconds\":754,\"checks\":2,\"wheres\":1,\"peeks\":4,\"objects\":3},\"score\""),
            std::string::npos) << json.str();
  EXPECT_EQ(json.str().find("handIn"), json.str().rfind("handIn"));  // the key is no hand-in
  EXPECT_NE(csv.find("\r\nanna.KRT,100,0,0,0,,0,Anna Kowalska,754,2,1,4,3\r\nkey.KRT,100,0,0,0,,0,,,,,,\r\n"),
            std::string::npos) << csv;
  EXPECT_NE(html.find(">anna.KRT</a></td><td>Anna Kowalska</td>"), std::string::npos);
  EXPECT_NE(html.find("3 object views"), std::string::npos);
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
