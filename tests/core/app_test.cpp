// Start-up, command states, file commands, colours, help, leaving (tests/golden/app.txt); full tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <tuple>

#include "app/controls.h"
#include "app/file_commands.h"
#include "app/help.h"
#include "app/input.h"
#include "app/leaving.h"
#include "app/load_document.h"
#include "app/startup.h"
#include "app/stored_document.h"
#include "canvas/commit.h"
#include "document/document_format.h"
#include "program/commands.h"
#include "support/golden.h"
#include "support/test_program.h"
#include "view3d/navigation.h"
#include "view3d/view_attributes.h"

namespace tova {
namespace {

const std::string kSample = testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini");

// Queues the answers ("OK", "Cancel", "path: <text>", "open: <path>", "no file"), runs the command, then
// writes out what the program showed (runs of switches or beeps on one line) and now holds.
void Do(std::vector<std::string>& lines, testing::TestProgram& t, const std::string& name,
        const std::function<void(Program&)>& command, const std::vector<std::string>& answers = {}) {
  testing::DialogScript& script = t.shell.script;
  std::string label = name;
  for (const std::string& a : answers) {
    if (a == "OK" || a == "Cancel") script.QueueAnswer(a == "OK" ? Answer::Ok : Answer::Cancel);
    if (a.starts_with("path: ")) script.QueuePrompt(a.substr(6));
    if (a.starts_with("open: ")) script.QueueOpen(a.substr(6));
    if (a == "no file") script.QueueOpen(std::nullopt);
    label += (label == name ? ": " : ", ") + (a == "path: " ? "an empty path" : a);
  }
  command(t.program);
  EXPECT_TRUE(script.Exhausted()) << label;
  lines.push_back("== " + label);
  std::size_t box = 0;
  for (const std::string& call : t.shell.log()) {
    const std::string verb = call.substr(0, call.find(' '));
    if ((verb == "enable" || verb == "beep") && lines.back().starts_with(verb)) {
      lines.back() += ", " + call.substr(verb == "beep" ? 0 : 7);
    } else if (verb == "box") {
      const testing::ShownBox& b = script.boxes[box++];
      lines.push_back("box [" + b.title + (b.buttons == Buttons::Ok ? " OK" : " OK/Cancel") +
                      (b.icon == Icon::Question ? " ?] \"" : " !] \"") +
                      std::regex_replace(b.text, std::regex("\r\n"), "\\r\\n") + '"');
    } else if (verb == "save") {
      const std::string path = call.substr(5, call.rfind(' ') - 5);
      lines.push_back("save " + path + (testing::ReadAll(path) == kSample ? ": the sample" : ": nothing"));
    } else {
      lines.push_back(call);
    }
  }
  for (auto& q : script.prompts) lines.push_back("prompt " + q.title + " \"" + q.prompt + "\" " + q.preset);
  for (const std::string& field : script.openFields) lines.push_back("Open dialog " + field);
  for (const std::string& page : t.shell.helpPages) lines.push_back("help page " + page);
  const Program& p = t.program;
  const std::string saved = FormatDocument(p.tables);
  const std::optional<Rgb> window = t.shell.backColours[static_cast<std::size_t>(Control::Form1)];
  lines.push_back((saved == kSample ? "the sample" : p.tables == Tables{} ? "no drawing" : "other drawing") +
                  std::string(ParseDocument(saved) != p.tables ? ", a figure pending" : "") +
                  (DocumentChanged(p) ? ", changed" : "") + "; canvas " +
                  (p.P.Snapshot() == testing::FreshDrawing(p) ? "as drawn" : "other") + " on " +
                  testing::Hex(p.P.BackColour(), 6) + (window ? "; window " + testing::Hex(*window, 6) : ""));
  const auto v = [](auto... n) { return ((" " + std::to_string(n)) + ...); };
  const CanvasVars& c = p.canvas;
  lines.push_back("file" + v(p.app.fileNumber) + "; figure" + v(c.figureStage, c.pendingCommit) + "; panes" +
                  v(c.firstPane, c.secondPane, c.thirdPane) + "; marks" + v(c.markX, c.markY) + "; find" +
                  v(p.find.findMode, p.find.findLocked, p.find.foundUnit, p.find.foundRelation) +
                  "; line kind" + v(p.app.currentLineKind) + "; ended" + v(t.shell.ended) + "; view" +
                  v(p.view.viewTilt, p.view.viewTurn, p.view.viewSize, p.view.viewCentre, p.view.viewStep));
  t.shell.ForgetCalls();
  t.shell.helpPages.clear();
}

TEST(App, StartUpCommandStatesFileCommandsColoursHelpAndLeaving) {
  std::vector<std::string> lines;
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"none", "", "Tova.ini"}, {"a folder", "/", "Tova.ini"}, {"cut short", kSample.substr(0, 500), "Tova.ini"},
      {"a header past the line table's end", "301" + kSample.substr(kSample.find(',')), "Tova.ini"},
      {"not a number", "44,2,14,1\r\n175,195,x,195,0,1\r\n", "Tova.ini"},
      {"out of 16-bit range", "44,2,14,1\r\n175,99999,55,195,0,1\r\n", "Tova.ini"},
      {"named, missing", "", "part.KRT"}, {"named", kSample, "part.KRT"}, {"the sample", kSample, "Tova.ini"}};
  std::optional<testing::TestProgram> started;
  for (const auto& [label, text, name] : cases) {  // the steps after these go on from the last
    testing::TempWorkingFolder folder;
    if (text == "/") std::filesystem::create_directory(name);
    if (text.size() > 1) folder.Write(name, text);
    Do(lines, started.emplace(), "start-up document " + label, [&](Program& p) { Form_Load(p, name); });
  }
  testing::TestProgram& t = *started;
  testing::TempWorkingFolder folder;
  folder.Write("bad.KRT", "400,0,0,0\r\n" + std::string(401 * 13, '0'));
  Do(lines, t, "FILE", C10_Click, {"Cancel", "Cancel", "Cancel"});
  Do(lines, t, "Save", Msave_Click, {"OK", "path: "});
  Do(lines, t, "Save", Msave_Click, {"OK", "path: no such folder/drawing.KRT", "path: drawing.KRT"});
  t.program.tables.pendingLines[2] = {1, 2, 3, 4, 1};
  Do(lines, t, "Open, a figure pending", Mopen_Click, {"OK", "open: bad.KRT", "no file"});
  Do(lines, t, "a line unit drawn", [](Program& q) {
    testing::Clicks(q, {{10, 20}, {100, 60}, {50, 300}, {60, 350}}), C7_Click(q);
  });
  Do(lines, t, "Save", Msave_Click, {"OK", "path: no such folder/drawing.KRT", "path: drawn.KRT"});
  t.program.canvas.markX = t.program.canvas.markY = 5;
  t.program.tables.pendingLines[1] = {5, 6, 7, 8, 1};  // New takes a figure's lines away too
  Do(lines, t, "FILE, marks at 5 5", C10_Click, {"OK", "path: again.KRT", "OK", "OK", "no file"});
  t.program.canvas.markX = t.program.canvas.markY = 5;
  Do(lines, t, "Open, marks at 5 5", Mopen_Click, {"OK", "open: again.KRT"});
  Do(lines, t, "a line's first segment drawn: busy, then back-only", [](Program& q) {
    testing::Click(q, 10, 20), testing::Click(q, 100, 60);
    q.find = {.findMode = 1, .findLocked = 1, .foundUnit = 2, .foundRelation = 0};  // as if it were on
  });
  for (std::string item : {"pred", "predl", "fflbl"}) {
    Do(lines, t, "colour menu item " + item, [&](Program& q) { HandleInput(q, {InputKind::Click, item}); });
  }
  Do(lines, t, "Help, Malvo, About", [](Program& q) { hlp_Click(q), malvo_Click(q), about_Click(q); });
  Do(lines, t, "EXIT", C11_Click, {"Cancel", "Cancel"});
  Do(lines, t, "closing the window", [](Program& q) { if (LeavingSequence(q)) q.shell.EndProgram(); },
      {"OK", "path: ", "Cancel"});
  Do(lines, t, "EXIT", C11_Click, {"OK", "path: last.KRT", "OK"});
  testing::ExpectGolden("app.txt", lines);
}

// Every control and menu item of app/controls.h used on the sample: tests/golden/controls.txt holds,
// under each name, what it did, so that a misspelt name, a lost action or a wrong value shows there.
TEST(App, EveryControlAndMenuItemReachesItsAction) {
  // What shows an action that would do nothing on the sample at rest, and the answers it needs;
  // the 3D view's controls and menus are used in 3D mode, after "GO"'s direction and a copy.
  const std::map<std::string_view, std::function<void(Program&)>> before = {
      {"C7", [](Program& q) { testing::Clicks(q, {{10, 20}, {100, 60}, {50, 300}, {60, 350}}); }},
      {"CC8", [](Program& q) { C8_Click(q), testing::Click(q, 175, 195); }}};
  const std::string_view in3D = " C12 C13 C14 C15 C16 a1 a2 a3 a4 a5 cpp cqq ";
  const std::map<std::string_view, std::vector<std::string>> answers = {
      {"CC8", {"OK"}}, {"C10", {"Cancel", "Cancel", "Cancel"}}, {"C11", {"Cancel", "Cancel"}},
      {"Mnew", {"Cancel"}}, {"Msave", {"Cancel"}}, {"Mopen", {"Cancel"}}};
  std::vector<std::string> lines;
  testing::TempWorkingFolder folder;
  folder.Write("Tova.ini", kSample);
  const auto use = [&](std::string_view name, InputKind kind, std::string_view menu) {
    testing::TestProgram t;
    Form_Load(t.program);
    if (before.contains(name)) before.at(name)(t.program);
    if (menu.starts_with("D.") || in3D.find(" " + std::string(name) + " ") != std::string_view::npos) {
      C9_Click(t.program), StepView(t.program, 4), copy_Click(t.program);
    }
    for (int i = 0; i < kControlCount && kind == InputKind::Scroll; ++i) {
      if (ControlName(Control(i)) == name) t.shell.SetValue(Control(i), 30);
    }
    t.shell.ForgetCalls();
    Do(lines, t, std::string(name), [&](Program& p) { HandleInput(p, {kind, name}); },
       answers.contains(name) ? answers.at(name) : std::vector<std::string>{});
    const Surface& d = t.program.D;
    const auto n = [](auto... v) { return ((" " + std::to_string(v)) + ...); };
    const auto digest = [](const Image& i) { return testing::Hex(testing::Hash(std::span<const uint32_t>(i.pixels)), 8); };
    lines.push_back("shape" + n(t.program.app.currentShape) + "; 3D view " + testing::Hex(d.ForeColour(), 6) + " on " +
                    testing::Hex(d.BackColour(), 6) + ", style, width and mode" + n(int(d.DrawStyle()), d.DrawWidth(),
                    d.DrawMode()) + ", pixels " + digest(d.Snapshot()) + "; clipboard " + digest(t.shell.clipboard));
  };
  for (const ControlLayout& c : kControlColumn) {
    if (c.kind == ControlKind::Button || c.kind == ControlKind::HScrollBar) {
      use(c.name, c.kind == ControlKind::Button ? InputKind::Click : InputKind::Scroll, "");
    }
  }
  for (const MenuLayout& m : kMenuBar) {
    for (const MenuItemLayout& item : m.items) use(item.name, InputKind::Click, m.caption);
  }
  testing::ExpectGolden("controls.txt", lines);
}

void Commit(Program& p, int16_t shape, std::initializer_list<std::pair<int, int>> clicks) {
  p.app.currentShape = shape;
  testing::Clicks(p, clicks);
  C7_Click(p);
}

void LineUnit(Program& p, int i) {
  const int x = 10 + (i % 40) * 5, y = 10 + (i / 40) * 60;
  Commit(p, kShapeLine, {{x, y}, {x + 4, y + 30}, {50, 300}, {60, 350}});
}

void CircleUnit(Program& p, int x, int z) { Commit(p, kShapeCircle, {{x, 60}, {x + 20, 60}, {z, 100}}); }

// Every table filled to its last row, by drawing or from a document (whose header names the last rows):
// one more figure of each kind changes nothing and says nothing, and the document reads back the same.
TEST(FullTables, FilledByDrawingOrFromADocument) {
  const auto relation = [](Program& p) { Commit(p, kShapeLine, {{40, 300}, {140, 330}}); };
  const std::pair<std::function<void(Program&)>, std::string> fillings[] = {
      {[&](Program& p) {  // lines, the last four by a relation
         for (int i = 0; i < 97; ++i) LineUnit(p, i);
         CircleUnit(p, 100, 300), relation(p);
       }, "300,3,100,1\r\n"},
      {[&](Program& p) {  // relations, then circles
         for (int i = 0; i < 21; ++i) relation(p);
         for (int i = 2; i < 21; ++i) CircleUnit(p, 60 + i, 300);
       }, "126,20,21,20\r\n"},
      {[](Program& p) {  // every table, from a document
         Tables full;  // in place of the two circle units
         for (int16_t i = 0; i <= 300; ++i) full.lineTable.at(i) = {i, 20, 40, 60, 0, kRowLive};
         full.circleTable.fill({100, 100, 20, 0, 359, 0, kRowLive});
         full.unitTable.fill({CircleRef(20), LineRef(0), LineRef(300), kRowLive});
         full.relationTable.fill({0, 1, 2, 300, 0, 20, 100, 101, kRowLive});
         ASSERT_TRUE(ReadDocumentText(p, FormatDocument(full)));
       }, "300,20,100,20\r\n"}};
  for (const auto& [fill, header] : fillings) {
    testing::StartedProgram t;
    CircleUnit(t.program, 60, 300), CircleUnit(t.program, 160, 330);
    fill(t.program);
    const Tables before = t.program.tables;
    EXPECT_TRUE(FormatDocument(before).starts_with(header)) << FormatDocument(before).substr(0, 20);
    LineUnit(t.program, 7), CircleUnit(t.program, 100, 300), relation(t.program);
    EXPECT_TRUE(t.program.tables == before && t.shell.script.boxes.empty());
    EXPECT_EQ(ParseDocument(FormatDocument(before)), before);
  }
}

}  // namespace
}  // namespace tova
