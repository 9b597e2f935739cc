// The real window: laid out by the tables, driven by pointer events, buttons and the close box.
#include <QAbstractButton>
#include <QApplication>
#include <QColorSpace>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "app/menu_tree.h"
#include "app/qt/form1.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_text.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "export/export_command.h"
#include "support/test_program.h"

namespace tova {
namespace {

// The window's own shell, with its questions answered from a queue (Cancel once it is empty)
// instead of shown; prompts and the Open dialog are cancelled.
class ScriptedQtShell : public QtShell {
 public:
  Answer MessageBox(std::string_view, std::string_view, Buttons buttons, Icon) override {
    if (buttons == Buttons::Ok) return Answer::Ok;
    const Answer answer = answers.empty() ? Answer::Cancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> OpenFileDialog(std::string_view) override { return {}; }

  std::deque<Answer> answers;
};

class WindowTest : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* Child(std::string_view name) const { return window.findChild<T*>(ToQString(name)); }
  void LoadSample() {
    folder.Write("Tova.ini", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
    window.Load();
  }
  void Press(const char* button) { QTest::mouseClick(Child(button), Qt::LeftButton); }
  // The File menu and the buttons that can be used, in the layout's order; kReady while no
  // figure is begun.
  static constexpr const char* kReady = "Mfile C0 C1 C2 C8 C9 C10 C11";
  std::string Enabled() const {
    std::string on = Child<QMenu>("Mfile")->menuAction()->isEnabled() ? "Mfile" : "";
    for (const ControlLayout& c : kControlColumn) {
      const bool button = c.kind == ControlKind::Button;
      if (button && Child(c.name)->isEnabled()) on += (on.empty() ? "" : " ") + std::string(c.name);
    }
    return on;
  }

  // Pointer events at canvas coordinates. As a hand does it, the pointer comes to a point
  // before it presses there, and a double click is press, release, double-click, release.
  QPoint At(QPoint p) const { return p + P->contentsRect().topLeft(); }
  void Move(QPoint p) {
    QMouseEvent move(QEvent::MouseMove, At(p), P->mapToGlobal(At(p)), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(P, &move);
  }
  void Click(std::initializer_list<QPoint> points) {
    for (const QPoint p : points) {
      Move(p);
      QTest::mouseClick(P, Qt::LeftButton, {}, At(p));
    }
  }
  void DoubleClick(QPoint p) {
    Click({p});
    QTest::mouseDClick(P, Qt::LeftButton, {}, At(p));
    QTest::mouseRelease(P, Qt::LeftButton, {}, At(p));
  }
  // The window's tables painted afresh by a program of their own.
  Image Repainted() {
    fresh.program.tables = window.program().tables;
    fresh.program.P.Clear();
    RedrawDiagram(fresh.program);
    return fresh.program.P.Snapshot();
  }

  testing::TempWorkingFolder folder;
  ScriptedQtShell shell;
  Form1 window{&shell};
  PictureBox* P = window.canvas();
  testing::TestProgram fresh;
};

TEST_F(WindowTest, ControlsMenusAndTabOrderFollowTheLayoutTables) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Tova绘图系统"));
  EXPECT_EQ(window.client()->size(), QSize(638, 437));
  EXPECT_EQ(P->geometry(), QRect(0, 0, 449, 433));
  EXPECT_EQ(window.view()->geometry(), QRect(-14, 2, 465, 433));  // in the canvas's drawing area
  const char* const kWidgets[] = {"tova::PictureBox", "QPushButton", "QLabel",
                                  "QCheckBox",        "QScrollBar",  "QLineEdit"};
  const auto px = &TwipsToPixels;
  for (const ControlLayout& c : kControlColumn) {
    QWidget* w = Child(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_STREQ(w->metaObject()->className(), kWidgets[static_cast<int>(c.kind)]) << c.name;
    EXPECT_EQ(w->parentWidget(), window.client()) << c.name;
    EXPECT_EQ(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height))) << c.name;
    auto* button = qobject_cast<QAbstractButton*>(w);
    auto* label = qobject_cast<QLabel*>(w);
    EXPECT_EQ(button ? button->text() : label ? label->text() : "", ToQString(c.caption)) << c.name;
    EXPECT_EQ(w->toolTip(), ToQString(c.tip)) << c.name;
    EXPECT_FALSE(w->accessibleName().isEmpty()) << c.name;
  }
  EXPECT_EQ(Child("C1")->accessibleName(), "Draw circles");  // what "O" does, for screen readers
  for (const ScrollBarRange& r : kScrollBars) {
    const auto* bar = Child<QScrollBar>(r.name);
    EXPECT_EQ(std::tuple(bar->orientation(), bar->minimum(), bar->maximum(), bar->value()),
              std::tuple(Qt::Horizontal, r.min, r.max, r.value))
        << r.name;
  }

  // The menu bar as "name caption: item caption [ticked, and still after choosing it]", shown and
  // laid out. Choosing an item toggles it before its action runs: a check mark must never move.
  QString shown, laid;
  for (const QAction* bar : window.menuBar()->actions()) {
    shown += bar->menu()->objectName() + " " + bar->text() + ":";
    for (QAction* item : bar->menu()->actions()) {
      shown += " " + item->objectName() + " " + item->text() + (item->isChecked() ? " ticked" : "");
      item->toggle();
      shown += item->isChecked() ? " ticked" : "";
    }
  }
  for (const MenuLayout& m : kMenuBar) {
    laid += ToQString(m.name) + " " + ToQString(m.caption) + ":";
    for (const MenuItemLayout& i : m.items) {
      laid += " " + ToQString(i.name) + " " + ToQString(i.caption) + (i.ticked ? " ticked ticked" : "");
    }
  }
  EXPECT_EQ(shown.toStdString(), laid.toStdString());

  // The Tab key visits the controls that take the focus in the layout's order.
  std::string expected, visited;
  for (const std::string_view name : kTabOrder) {
    if (Child(name)->focusPolicy() & Qt::TabFocus) expected += std::string(name) + " ";
  }
  for (QWidget* w = Child("C0"); visited.empty() || w != Child("C0"); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) visited += w->objectName().toStdString() + " ";
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(WindowTest, StartUpShowsTheReadyWindowWithTheProgramsPixelsOnTheCanvas) {
  LoadSample();
  EXPECT_TRUE(window.view()->isHidden());
  EXPECT_EQ(Enabled(), kReady);
  EXPECT_EQ(Child<QLineEdit>("Text3")->text(), " 0");

  // The canvas shows the program's own pixels, with the pane dividers drawn over them.
  QImage expected = P->image().copy();
  EXPECT_EQ(expected.pixel(100, 135), qRgb(0, 128, 0));  // an edge of the sample's block
  for (int x = 0; x < kCanvasWidth; ++x) expected.setPixel(x, 216, qRgb(0, 0, 0));
  for (int y = 0; y < kCanvasHeight; ++y) expected.setPixel(216, y, qRgb(0, 0, 0));
  window.show();
  EXPECT_TRUE(P->grab(P->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32) == expected);
}

TEST_F(WindowTest, CirclesAndARelationDrawnWithThePointerAreStoredPaintedAndDeletedThroughFind) {
  window.Load();
  // A circle in the front view, stored by a double click in the side view that gives its depth.
  Press("C1");
  Click({{100, 100}});
  EXPECT_EQ(Enabled(), "");
  Click({{150, 100}});
  DoubleClick({300, 80});
  // Another, stored with "OK"; then a segment in the side view between the lower ends of the
  // circles' side-view lines: "OK" right after it stores a relation.
  Press("C1");
  Click({{60, 150}, {90, 150}, {400, 130}});
  EXPECT_EQ(Enabled(), "C3 C4 C5 C6 C7");
  Press("C7");
  Press("C0");
  Click({{300, 150}, {400, 180}});
  Press("C7");
  const Tables& t = window.program().tables;
  EXPECT_EQ(std::vector(t.circleTable.begin(), t.circleTable.begin() + 3),
            (std::vector<CircleRecord>{{100, 100, 50, 0, 359, 0, 1}, {60, 150, 30, 0, 359, 0, 1}, {}}));
  EXPECT_EQ(std::vector(t.unitTable.begin(), t.unitTable.begin() + 3),
            (std::vector<UnitRecord>{{2000, 1000, 1001, 1}, {2001, 1002, 1003, 1}, {}}));
  EXPECT_EQ(t.relationTable[0], (RelationRecord{4, 5, 6, 7, 0, 1, 0, 2, 1}));

  // The canvas is the stored drawing painted afresh, with the guide lines of the last pointer
  // position XOR-drawn over it until the pointer goes to the quarter that belongs to no view.
  Repainted();
  DrawCrossHair(fresh.program, 400, 180);
  EXPECT_EQ(window.program().P.Snapshot(), fresh.program.P.Snapshot()) << "with the guide lines";
  Move({400, 400});
  EXPECT_EQ(window.program().P.Snapshot(), Repainted()) << "without them";

  // "FIND/OUT", then "DEL" on what the pointer found: the relation, then the second circle.
  Press("C8");
  shell.answers = {Answer::Ok, Answer::Ok};
  Click({{350, 165}});
  Press("CC8");
  Click({{30, 150}});
  Press("CC8");
  EXPECT_EQ(std::pair(t.relationTable[0].state, t.unitTable[1].state), std::pair(kRowDeleted, kRowDeleted));
  EXPECT_EQ(window.program().P.Snapshot(), Repainted());
}

TEST_F(WindowTest, TheThreeDViewTurnsAsTheExportedPngShowsItAndGivesWayToTheCanvas) {
  LoadSample();
  Press("C9");  // "MAKE-3D"
  EXPECT_FALSE(window.view()->isHidden());
  Press("a5");  // "GO": 31 steps, each shown
  const ViewVars& v = window.program().view;
  EXPECT_EQ(v.viewTurn, 45 + 31 * 8);
  Press("a1");  // tilted up and turned left, then up again at another size
  Child<QScrollBar>("cpp")->setValue(20);
  Press("C14");
  std::ostringstream out, err;
  ASSERT_EQ(RunExport({"--tilt", std::to_string(v.viewTilt), "--turn", std::to_string(v.viewTurn),
                       "--size", "20", "Tova.ini", "view.png"}, out, err), 0) << err.str();
  QImage png = QImage("view.png").convertToFormat(QImage::Format_RGB32);
  png.setColorSpace(QColorSpace());  // as the window's pictures, which carry none
  EXPECT_TRUE(png == window.view()->image());
  Press("C16");  // "GOTO-2D"
  EXPECT_TRUE(window.view()->isHidden());
  EXPECT_EQ(Enabled(), kReady);
}

TEST_F(WindowTest, ClosingTheWindowAsksAndStaysOpenUnlessConfirmed) {
  window.Load();
  shell.answers = {Answer::Cancel, Answer::Cancel};  // save: no; leave: no
  EXPECT_FALSE(window.close());
  shell.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace tova

// On Qt's offscreen platform unless a platform is chosen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  return RUN_ALL_TESTS();
}
