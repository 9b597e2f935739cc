// The real window: laid out by the tables, driven by pointer events, buttons and the close box.
#include <QApplication>
#include <QColorSpace>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

#include <sstream>

#include "app/qt/exercise_bar.h"
#include "app/qt/form1.h"
#include "app/qt/launch.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_text.h"
#include "exercise/exercise_pictures.h"
#include "support/golden.h"
#include "support/test_program.h"
#include "tools/export_command.h"

namespace tova {
namespace {

// The window's shell, giving `answer` to every box; prompts and the Open dialog are cancelled.
struct ScriptedQtShell : QtShell {
  ScriptedQtShell() : QtShell(QDir::current().filePath("recovery")) {}  // the test's own folder
  Answer MessageBox(std::string_view, std::string_view, Buttons, Icon) override { return ++boxes, answer; }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> OpenFileDialog(std::string_view) override { return {}; }
  // The Save dialog shows the name it is given and answers the next of `savePlaces` (none: cancel).
  std::optional<std::string> SaveFileDialog(const QString& name) override {
    offered << name;
    return savePlaces.empty() ? std::nullopt : std::optional(savePlaces.takeFirst().toStdString());
  }
  Answer answer = Answer::Ok;
  int boxes = 0;
  QStringList savePlaces, offered;
};

class WindowTest : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* Child(std::string_view name) const { return window.findChild<T*>(ToQString(name)); }
  void Press(const char* button) { QTest::mouseClick(Child(button), Qt::LeftButton); }
  // The File menu, Undo, Redo and the buttons that can be used, in the layout's order.
  std::string Enabled() const {
    QStringList on;
    for (auto [name, a] : {std::pair{"Mfile", Child<QMenu>("Mfile")->menuAction()}, {"Mundo", Child<QAction>("Mundo")},
                           {"Mredo", Child<QAction>("Mredo")}}) {
      if (a->isEnabled()) on << name;
    }
    for (const QPushButton* b : window.client()->findChildren<QPushButton*>()) {
      if (b->isEnabled()) on << b->objectName();
    }
    return on.join(' ').toStdString();
  }

  // Pointer events at a picture box's own coordinates; a click moves the pointer there first.
  QPoint At(QPoint p) const { return p + P->contentsRect().topLeft(); }
  void Move(PictureBox* box, QPoint p) {
    p += box->contentsRect().topLeft();
    QMouseEvent move(QEvent::MouseMove, p, box->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(box, &move);
  }
  // The canvas shows `expected` inside its border, with the pane dividers over it.
  bool CanvasShows(QImage expected) const {
    for (int x = 0; x < kCanvasWidth; ++x) expected.setPixel(x, 216, qRgb(0, 0, 0));
    for (int y = 0; y < kCanvasHeight; ++y) expected.setPixel(216, y, qRgb(0, 0, 0));
    return P->grab(P->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32) == expected;
  }
  void Click(std::initializer_list<QPoint> points) {
    for (const QPoint p : points) {
      Move(P, p);
      QTest::mouseClick(P, Qt::LeftButton, {}, At(p));
    }
  }

  testing::TempWorkingFolder folder;
  ScriptedQtShell shell;
  Form1 window{&shell};
  PictureBox* P = window.canvas();
};

// tests/golden/window.txt: each control's class, place, texts and name for screen readers, the bars'
// ranges, the menus' items and keys, ticked before and after one is chosen (a tick must never move).
TEST_F(WindowTest, ControlsMenusAndTabOrderAreAsLaidOut) {
  std::vector<std::string> lines;
  const auto add = [&](const QString& line) { lines.push_back(line.toStdString()); };
  const auto box = [](const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  };
  add(window.windowTitle() + " " + box(window.client()->geometry()) + ", 3D view " +
      box(window.view()->geometry()));
  for (const QWidget* w : window.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* bar = qobject_cast<const QScrollBar*>(w);
    add(w->objectName() + " " + w->metaObject()->className() + " " + box(w->geometry()) + " \"" +
        (button ? button->text() : label ? label->text() : "") + "\" \"" + w->toolTip() + "\" \"" +
        w->accessibleName() + "\"" +
        (bar ? QString(" %1..%2 at %3").arg(bar->minimum()).arg(bar->maximum()).arg(bar->value()) : ""));
  }
  for (const QAction* menu : window.menuBar()->actions()) {
    add(menu->menu()->objectName() + " " + menu->text() + ":");
    for (QAction* item : menu->menu()->actions()) {
      QString line = item->isSeparator() ? "  ----" : "  " + item->objectName() + " " + item->text();
      for (const QKeySequence& keys : item->shortcuts()) line += " " + keys.toString(QKeySequence::NativeText);
      line += item->isChecked() ? " ticked" : "";
      item->toggle();
      add(line + (item->isChecked() ? " ticked" : ""));
    }
  }
  QString tab;
  for (QWidget* w = Child("C0"); tab.isEmpty() || w != Child("C0"); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) tab += w->objectName() + " ";
  }
  add("tab: " + tab);
  testing::ExpectGolden("window.txt", lines);
}

TEST_F(WindowTest, CirclesDrawnWithThePointerAreStoredAndTheCanvasShowsTheProgramsPixels) {
  window.Load();
  Child<QAction>("pblue")->trigger();  // a menu item runs its handler: the canvas turns blue
  // A circle in the front view, stored by a double click (press, release, double-click, release)
  // in the side view that gives its depth; another, stored with "OK".
  Press("C1");
  Click({{100, 100}});
  EXPECT_EQ(Enabled(), "Mundo");  // Undo abandons the circle begun
  // Over the canvas's border with no button held, the pointer reaches nothing; with a button held
  // the canvas keeps it outside too, and the rubber band follows.
  const QImage centred = P->image().copy();
  for (const auto& [at, held] : {std::pair{QPoint(1, 60), Qt::NoButton}, {QPoint(P->width() + 40, 60), Qt::LeftButton}}) {
    QMouseEvent move(QEvent::MouseMove, at, P->mapToGlobal(at), Qt::NoButton, held, {});
    QApplication::sendEvent(P, &move);
    EXPECT_EQ(P->image() == centred, held == Qt::NoButton) << at.x();
  }
  Click({{150, 100}, {300, 80}});
  QTest::mouseDClick(P, Qt::LeftButton, {}, At({300, 80}));
  QTest::mouseRelease(P, Qt::LeftButton, {}, At({300, 80}));
  Press("C1");
  Click({{60, 150}, {90, 150}, {400, 130}});
  Press("C7");
  const Tables& t = window.program().tables;
  EXPECT_EQ(std::vector(t.circleTable.begin(), t.circleTable.begin() + 3),
            (std::vector<CircleRecord>{{100, 100, 50, 0, 359, 0, 1}, {60, 150, 30, 0, 359, 0, 1}, {}}));
  EXPECT_EQ(Child<QLineEdit>("Text1")->text() + Child<QLineEdit>("Text2")->text(), " 400 130");
  Child<QAction>("Mundo")->trigger();  // the second circle taken back: Redo can bring it back
  EXPECT_EQ(Enabled(), "Mfile Mundo Mredo C0 C1 C2 C8 C9 C10 C11");

  // The canvas shows the program's own pixels inside its border, with the pane dividers over them.
  EXPECT_EQ(P->image().pixel(5, 5), qRgb(0, 0, 128));
  window.show();
  EXPECT_TRUE(CanvasShows(P->image().copy()));

  // Closing the window asks; it stays open unless leaving is confirmed.
  shell.answer = Answer::Cancel;
  EXPECT_FALSE(window.close());
  shell.answer = Answer::Ok;
  EXPECT_TRUE(window.close());
}

TEST_F(WindowTest, TheThreeDViewTurnsAsTheExportedPngShowsItAndGivesWayToTheCanvas) {
  folder.Write("Tova.ini", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
  window.Load();
  Press("C9");  // "MAKE-3D": the pointer turns the model from the view's top left corner
  EXPECT_FALSE(window.view()->isHidden());
  Move(window.view(), {0, 10});  // straight down: tilted one step (8 degrees), not turned
  Child<QScrollBar>("cpp")->setValue(20);
  std::ostringstream out, err;
  ASSERT_EQ(RunExport({"--tilt", "53", "--turn", "45", "--size", "20", "Tova.ini", "view.png"}, out, err), 0)
      << err.str();
  QImage png = QImage("view.png").convertToFormat(QImage::Format_RGB32);
  png.setColorSpace(QColorSpace());  // as the window's pictures, which carry none
  EXPECT_TRUE(png == window.view()->image());
  Press("C16");  // "GOTO-2D"
  EXPECT_TRUE(window.view()->isHidden());
  EXPECT_EQ(Enabled(), "Mfile C0 C1 C2 C8 C9 C10 C11");
}

// The bar's buttons come after the window's own controls for the Tab key; the canvas shows the
// given views as the core composes them, guide lines included; "The object" turns by the keys.
TEST_F(WindowTest, AnExerciseBringsItsBarItsGivenViewsAndTheObject) {
  window.show();
  const QSize plain = window.size();
  EXPECT_EQ(window.exerciseBar(), nullptr);
  folder.Write("ex.KRT", "Tova exercise\ntitle: A block\ntask: Draw it.\naids: check, peek, object\n"
                         "line: 55, 195, 175, 195, solid\nbegin key\n" +
                             testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini") + "end key\n");
  window.Load("ex.KRT");
  ASSERT_NE(window.exerciseBar(), nullptr);
  QApplication::processEvents();
  EXPECT_EQ(window.height(), plain.height());
  QStringList tab;
  for (QWidget* w = Child("Check3")->nextInFocusChain(); w != Child("C0"); w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible()) tab << w->objectName() + " " + w->accessibleName();
  }
  EXPECT_EQ(tab.join(", ").toStdString(),
            "task Draw it., aid-check Check, aid-peek Peek, aid-object The object, hand-in Hand in");

  Move(P, {100, 120});  // the guide lines, composed over the given views where they change
  Move(P, {140, 190});
  QImage expected(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  ComposeCanvas(window.program(), {0, 0, kCanvasWidth, kCanvasHeight}, reinterpret_cast<uint32_t*>(expected.bits()),
                kCanvasWidth);
  EXPECT_EQ(expected.pixel(60, 195), 0xFF000000u | kGivenRgb);
  EXPECT_TRUE(CanvasShows(expected));

  Press("aid-check");
  const QLabel* words = Child<QLabel>("checkWords");
  EXPECT_EQ(words->isVisible() ? words->text().toStdString() : "", window.program().exercise.checkWords);
  Press("aid-object");
  ObjectWindow* object = window.objectWindow();
  ASSERT_TRUE(object != nullptr && object->isVisible());
  const QImage before = object->box()->image().copy();
  QTest::keyClick(object->box(), Qt::Key_Right);
  EXPECT_FALSE(object->box()->image() == before);
  object->close();  // as "The object" pressed again
  EXPECT_FALSE(window.program().exercise.objectShown || object->isVisible());
  EXPECT_EQ(Child<QLabel>("aidsUsed")->text(), "Used so far: Check 1, Peek 0, The object 1.");
}

// Where the file cannot be written the user is told and the dialog comes back; a cancel saves nothing.
TEST_F(WindowTest, AFileOfferedIsSavedWhereTheUserSaysAndAskedAgainWhereItCannotBe) {
  shell.savePlaces = {"no-such-folder/a.KRT", "b.KRT"};
  EXPECT_TRUE(shell.OfferFile("Anna - A block.KRT", "drawing"));
  EXPECT_EQ(shell.offered, QStringList({"Anna - A block.KRT", "no-such-folder/a.KRT"}));
  EXPECT_EQ(shell.boxes, 1);
  EXPECT_EQ(testing::ReadAll("b.KRT"), "drawing");
  EXPECT_FALSE(shell.OfferFile("Anna - A block.KRT", "drawing"));
}

TEST_F(WindowTest, LabelsAndCheckBoxesKeepTheirGreyWhenTheWindowIsRecoloured) {
  window.show();
  for (const char* colour : {"fwhit", "fblu"}) {
    Child<QAction>(colour)->trigger();
    for (const char* name : {"Label1", "Check1", "Check2", "Check3"}) {
      const QImage image = Child(name)->grab().toImage();
      EXPECT_EQ(image.pixel(image.width() - 2, 1), qRgb(192, 192, 192)) << name << " " << colour;
    }
  }
  EXPECT_EQ(window.client()->grab().toImage().pixel(636, 2), qRgb(0, 0, 128));  // the window did change
}

// From the desktop without a drawing named, the first start puts the sample in the drawings folder.
TEST_F(WindowTest, StartsOnTheNamedDrawingOrInTheDrawingsFolder) {
  using A = LaunchRequest::Action;
  const struct {
    QStringList arguments;
    A action;
    QString drawing;
    bool desktop;
  } kCommandLines[] = {
      {{"tova"}, A::Run, "", false},          {{"tova", "a.KRT"}, A::Run, "a.KRT", false},
      {{"tova", "--desktop"}, A::Run, "", true}, {{"tova", "--desktop", "a.KRT"}, A::Run, "a.KRT", true},
      {{"tova", "--help"}, A::Help, "", false}, {{"tova", "-v"}, A::Version, "", false},
      {{"tova", "a", "b"}, A::Error, "", false}, {{"tova", "--bad"}, A::BadOption, "", false}};
  for (const auto& c : kCommandLines) {
    const LaunchRequest r = ParseCommandLine(c.arguments);
    EXPECT_EQ(std::tuple(r.action, r.drawing, r.desktop), std::tuple(c.action, c.drawing, c.desktop))
        << c.arguments.join(' ').toStdString();
  }
  EXPECT_TRUE(ParseCommandLine({"tova", "--help"}).text.contains("--desktop"));
  EXPECT_EQ(ParseCommandLine({"tova", "--version"}).text, "tova " TOVA_VERSION "\n");

  const QString here = QDir::currentPath();
  qputenv("HOME", (here + "/home").toLocal8Bit());
  qunsetenv("XDG_CONFIG_HOME");
  const QString drawings = here + "/home/Documents/Tova";
  folder.Write("part.KRT", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
  const auto place = [](const char* drawing, bool desktop) {
    const StartPlace p = ChooseStartPlace({A::Run, {}, drawing, desktop});
    return std::pair(p.folder, p.document);
  };
  EXPECT_EQ(place("", false), std::pair(QString(), QString("Tova.ini")));  // from a terminal
  EXPECT_EQ(place("part.KRT", true), std::pair(here, here + "/part.KRT"));
  EXPECT_FALSE(QDir(drawings).exists());
  EXPECT_EQ(place("", true), std::pair(drawings, QString("Tova.ini")));

  // The first start shows the sample without a message; a Tova.ini the user changed stays.
  const auto start = [this](const std::string& document) {
    Form1 started{&shell};
    shell.boxes = 0;
    started.Load(document);
    return std::pair(shell.boxes, started.program().tables.lineTable[0].state);
  };
  EXPECT_EQ(start((drawings + "/Tova.ini").toStdString()), std::pair(0, kRowLive));
  folder.Write((drawings + "/Tova.ini").toStdString(), "changed");
  EXPECT_EQ(place("", true), std::pair(drawings, QString("Tova.ini")));
  EXPECT_EQ(testing::ReadAll((drawings + "/Tova.ini").toStdString()), "changed");
  EXPECT_EQ(start("part.KRT"), std::pair(0, kRowLive));
  EXPECT_EQ(start("missing.KRT"), std::pair(1, kRowUnused));  // the message, an empty drawing
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
