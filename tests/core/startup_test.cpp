#include "app/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "diagram/rendering.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::TempWorkingFolder;
using testing::TestProgram;

std::string SampleDocument() { return testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"); }

bool CanvasIsBlank(const Surface& P) {
  for (int y = 0; y < P.Height(); ++y) {
    for (int x = 0; x < P.Width(); ++x) {
      if (P.Pixel(x, y) != kWindowColour) return false;
    }
  }
  return true;
}

// What start-up sets whether or not the start-up document can be read.
void ExpectStartValues(const TestProgram& t) {
  const Program& p = t.program;
  const testing::ScriptedShell& s = t.shell;
  EXPECT_EQ(s.visible(Control::P), true);
  EXPECT_EQ(s.visible(Control::D), false);
  EXPECT_EQ(s.text(Control::Text3), " 0");
  EXPECT_EQ(s.enabled(Control::CC8), false);
  EXPECT_EQ(s.enabled(Control::cpp), false);
  EXPECT_EQ(s.Value(Control::Check1), 1);
  EXPECT_EQ(s.Value(Control::Check2), 1);
  EXPECT_EQ(s.Value(Control::Check3), 0);
  for (Control c : {Control::C0, Control::C1, Control::C2, Control::C8, Control::C9,
                    Control::C10, Control::Mfile, Control::C11}) {
    EXPECT_EQ(s.enabled(c), true) << ControlName(c);
  }
  for (Control c : {Control::C3, Control::C6, Control::C7, Control::C12, Control::a5}) {
    EXPECT_EQ(s.enabled(c), false) << ControlName(c);
  }
  EXPECT_EQ(p.view.viewTilt, 45);
  EXPECT_EQ(p.view.viewTurn, 45);
  EXPECT_EQ(p.view.viewSize, 14);
  EXPECT_EQ(p.view.viewCentre, 100);
  EXPECT_EQ(p.view.viewStep, 8);
  EXPECT_EQ(p.view.lastDirection, 0);
  EXPECT_EQ(p.app.currentShape, 0);
  EXPECT_EQ(p.app.currentLineKind, kNone);
  EXPECT_EQ(p.find.findMode, 0);
  EXPECT_EQ(p.find.findLocked, 0);
  EXPECT_EQ(p.find.foundUnit, kNone);
  EXPECT_EQ(p.find.foundRelation, kNone);
  // No cross-hair is on the canvas, so the first pointer move draws only the new one.
  EXPECT_EQ(p.canvas.markX, kNone);
  EXPECT_EQ(p.canvas.markY, kNone);
  EXPECT_EQ(p.P.DrawMode(), kXorPen);
}

TEST(StartUp, ReadsAndDrawsTheStartUpDocument) {
  TempWorkingFolder folder;
  folder.Write("Tova.ini", SampleDocument());
  TestProgram t;
  Form_Load(t.program);

  ExpectStartValues(t);
  EXPECT_EQ(t.shell.beeps(), 4);
  EXPECT_TRUE(t.shell.script.boxes().empty());
  EXPECT_EQ(t.program.app.fileNumber, 1);
  EXPECT_EQ(FormatDocument(t.program.tables), SampleDocument());
  Program expected(t.shell);
  expected.tables = t.program.tables;
  RedrawDiagram(expected);
  EXPECT_EQ(t.program.P.Snapshot(), expected.P.Snapshot());
  EXPECT_FALSE(CanvasIsBlank(t.program.P));
  EXPECT_EQ(t.program.canvas.figureStage, 0);
  EXPECT_EQ(t.program.canvas.firstPane, kNone);
}

TEST(StartUp, WithoutTheStartUpDocumentSaysSoAndStartsEmpty) {
  TempWorkingFolder folder;
  TestProgram t;
  Form_Load(t.program);

  ExpectStartValues(t);
  EXPECT_EQ(t.shell.beeps(), 2);
  ASSERT_EQ(t.shell.script.boxes().size(), 1u);
  const testing::ShownBox& box = t.shell.script.boxes()[0];
  EXPECT_EQ(box.text, "Three Is A Error! Retry!");
  EXPECT_EQ(box.title, "Malvo");
  EXPECT_EQ(box.buttons, Buttons::Ok);
  EXPECT_EQ(box.icon, Icon::Exclamation);
  EXPECT_EQ(t.program.app.fileNumber, 2);
  EXPECT_EQ(t.program.tables, Tables{});
  EXPECT_TRUE(CanvasIsBlank(t.program.P));
}

TEST(StartUp, ABadStartUpDocumentLeavesNoHalfReadDrawing) {
  const std::string sample = SampleDocument();
  const std::string bad[] = {
      "301" + sample.substr(sample.find(',')),  // a header past the line table's end
      sample.substr(0, sample.size() / 2),      // cut short
      "44,2,14,1\r\n175,195,x,195,0,1\r\n",     // not a number
      "44,2,14,1\r\n175,99999,55,195,0,1\r\n",  // out of 16-bit range
  };
  for (const std::string& text : bad) {
    TempWorkingFolder folder;
    folder.Write("Tova.ini", text);
    TestProgram t;
    Form_Load(t.program);

    ExpectStartValues(t);
    EXPECT_EQ(t.shell.beeps(), 4);
    ASSERT_EQ(t.shell.script.boxes().size(), 1u);
    EXPECT_EQ(t.shell.script.boxes()[0].text, kFileErrorMessage);
    EXPECT_EQ(t.shell.log().back(), "box Three Is A Error! Retry!");
    EXPECT_EQ(t.program.app.fileNumber, 2);
    EXPECT_EQ(t.program.tables, Tables{});
    EXPECT_TRUE(CanvasIsBlank(t.program.P));
  }
}

TEST(StartUp, AFolderNamedLikeTheStartUpDocumentIsNotADocument) {
  TempWorkingFolder folder;
  std::filesystem::create_directory(folder.path() / "Tova.ini");
  TestProgram t;
  Form_Load(t.program);
  EXPECT_EQ(t.shell.script.boxes().size(), 1u);
  EXPECT_EQ(t.program.app.fileNumber, 2);
}

}  // namespace
}  // namespace tova
