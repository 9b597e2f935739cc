#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

#include "app/click_handlers.h"
#include "app/menu_tree.h"
#include "app/qt/form1.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_text.h"
#include "app/window_layout.h"
#include "qt/scripted_qt_shell.h"
#include "support/test_program.h"

namespace tova {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* Child(std::string_view name) {
    T* widget = window.findChild<T*>(ToQString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  testing::TempWorkingFolder folder;
  testing::ScriptedQtShell shell;
  Form1 window{&shell};
};

TEST_F(WindowTest, ControlsHaveTheirNamesCaptionsAndPlaces) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Tova绘图系统"));
  EXPECT_EQ(window.client()->size(), QSize(638, 437));
  EXPECT_EQ(window.client()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_TRUE(window.font().bold());
  EXPECT_EQ(window.font().pixelSize(), 11);

  for (const ControlLayout& c : kControlColumn) {
    QWidget* widget = Child(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), window.client()) << c.name;
    EXPECT_EQ(widget->geometry(), QRect(TwipsToPixels(c.left), TwipsToPixels(c.top),
                                        TwipsToPixels(c.width), TwipsToPixels(c.height)))
        << c.name;
    QString caption;
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) caption = b->text();
    if (auto* l = qobject_cast<QLabel*>(widget)) caption = l->text();
    EXPECT_EQ(caption, ToQString(c.caption)) << c.name;
  }
  EXPECT_EQ(Child("a1")->geometry(), QRect(480, 280, 17, 17));  // 252 twips round to 17 pixels
  // Every control says what it does, to the pointer and to screen readers.
  for (const ControlLayout& c : kControlColumn) {
    QWidget* widget = Child(c.name);
    EXPECT_FALSE(widget->toolTip().isEmpty()) << c.name;
    EXPECT_FALSE(widget->accessibleName().isEmpty()) << c.name;
  }
  EXPECT_EQ(Child("C6")->toolTip(), "Abandon the figure being drawn");
  EXPECT_EQ(Child("C6")->accessibleName(), "Abandon the figure being drawn");
  EXPECT_EQ(Child("C9")->accessibleName(), "MAKE-3D");
  EXPECT_EQ(Child("C1")->accessibleName(), "Draw circles");
  // Labels keep their own light grey.
  EXPECT_TRUE(Child("Label4")->autoFillBackground());

  PictureBox* P = window.canvas();
  EXPECT_EQ(P->objectName(), "P");
  EXPECT_EQ(P->geometry(), QRect(0, 0, 449, 433));
  EXPECT_EQ(P->contentsRect().size(), QSize(kCanvasWidth, kCanvasHeight));
  PictureBox* D = window.view();
  EXPECT_EQ(D->objectName(), "D");
  EXPECT_EQ(D->parentWidget(), P);
  EXPECT_EQ(D->geometry().size(), QSize(465, 433));
  EXPECT_EQ(D->geometry().topLeft() - P->contentsRect().topLeft(), QPoint(-16, 0));
}

TEST_F(WindowTest, ScrollBarsHaveTheirRangesAndPositions) {
  for (const ScrollBarRange& r : kScrollBars) {
    auto* bar = Child<QScrollBar>(r.name);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->value()), std::tuple(r.min, r.max, r.value));
  }
  EXPECT_EQ(Child<QScrollBar>("cdd")->value(), 5);
}

TEST_F(WindowTest, MenuBarHoldsTheMenuTreeAndCheckMarksNeverMove) {
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(kMenuBar.size()));
  for (std::size_t m = 0; m < kMenuBar.size(); ++m) {
    QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), ToQString(kMenuBar[m].name));
    EXPECT_EQ(menu->title(), ToQString(kMenuBar[m].caption));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(kMenuBar[m].items.size()));
    for (std::size_t i = 0; i < kMenuBar[m].items.size(); ++i) {
      const MenuItemLayout& layout = kMenuBar[m].items[i];
      QAction* item = items[static_cast<qsizetype>(i)];
      EXPECT_EQ(item->objectName(), ToQString(layout.name));
      EXPECT_EQ(item->text(), ToQString(layout.caption));
      EXPECT_EQ(item->isChecked(), layout.ticked) << layout.name;
      // Choosing an item toggles it before its action runs; the mark is put back.
      item->toggle();
      item->toggle();
      item->toggle();
      EXPECT_EQ(item->isChecked(), layout.ticked) << layout.name << " after choosing it";
    }
  }
}

// The next widget that the Tab key moves the focus to.
QWidget* NextTabStop(QWidget* widget) {
  for (QWidget* w = widget->nextInFocusChain(); w != widget; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) return w;
  }
  return widget;
}

TEST_F(WindowTest, TabOrderFollowsTheLayout) {
  std::vector<QWidget*> expected;
  for (const std::string_view name : kTabOrder) {
    QWidget* w = Child(name);
    if (w != nullptr && (w->focusPolicy() & Qt::TabFocus)) expected.push_back(w);
  }
  ASSERT_GT(expected.size(), 30u);
  for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
    EXPECT_EQ(NextTabStop(expected[i]), expected[i + 1])
        << expected[i]->objectName().toStdString() << " -> "
        << NextTabStop(expected[i])->objectName().toStdString();
  }
}

TEST_F(WindowTest, StartUpWithoutADocumentShowsTheReadyWindowOnAnEmptyCanvas) {
  window.Load();
  EXPECT_EQ(shell.beeps, 2);
  ASSERT_EQ(shell.script.boxes().size(), 1u);
  EXPECT_EQ(shell.script.boxes()[0].text, "Three Is A Error! Retry!");
  EXPECT_EQ(window.program().app.fileNumber, 2);

  EXPECT_TRUE(window.view()->isHidden());
  EXPECT_FALSE(window.canvas()->isHidden());
  for (const char* name : {"C0", "C1", "C2", "C8", "C9", "C10", "C11"}) {
    EXPECT_TRUE(Child(name)->isEnabled()) << name;
  }
  for (const char* name : {"C3", "C4", "C5", "C6", "C7", "CC8", "C12", "C16", "a1", "a5", "cpp"}) {
    EXPECT_FALSE(Child(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Child("cqq")->isEnabled());
  EXPECT_TRUE(Child<QMenu>("Mfile")->menuAction()->isEnabled());
  EXPECT_TRUE(Child<QCheckBox>("Check1")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>("Check2")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>("Check3")->isChecked());
  EXPECT_EQ(Child<QLineEdit>("Text3")->text(), " 0");
  EXPECT_EQ(Child<QLineEdit>("Text1")->text(), "");
}

TEST_F(WindowTest, CanvasShowsTheProgramsPixelsWithoutACopy) {
  std::ifstream in(TOVA_SOURCE_DIR "/samples/Tova.ini", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  folder.Write("Tova.ini", text.str());
  window.Load();
  EXPECT_EQ(shell.beeps, 4);
  EXPECT_TRUE(shell.script.boxes().empty());

  const QImage& image = window.canvas()->image();
  EXPECT_EQ(reinterpret_cast<const void*>(image.constBits()),
            reinterpret_cast<const void*>(window.program().P.Bits()));
  EXPECT_EQ(image.size(), QSize(kCanvasWidth, kCanvasHeight));
  // A green edge of the sample block in the front view, as the window paints it.
  window.show();
  const QImage shown = window.canvas()->grab().toImage();
  const QPoint origin = window.canvas()->contentsRect().topLeft();
  EXPECT_EQ(shown.pixelColor(origin + QPoint(100, 135)), QColor(0, 128, 0));
  EXPECT_EQ(shown.pixelColor(origin + QPoint(100, 100)), QColor(255, 255, 255));
  // The pane dividers are drawn over the canvas.
  EXPECT_EQ(shown.pixelColor(origin + QPoint(100, 216)), QColor(0, 0, 0));
  EXPECT_EQ(shown.pixelColor(origin + QPoint(216, 100)), QColor(0, 0, 0));
}

TEST_F(WindowTest, ShapeAndLineKindButtonsSetTheirVariables) {
  window.Load();
  Program& p = window.program();
  using Choice = std::pair<int16_t, int16_t>;  // shape, line kind
  const auto click = [&](const char* name) {
    QTest::mouseClick(Child(name), Qt::LeftButton);
    return std::pair(p.app.currentShape, p.app.currentLineKind);
  };
  EXPECT_EQ(click("C1"), Choice(1, kNone));
  EXPECT_EQ(click("C2"), Choice(2, kNone));
  EXPECT_EQ(click("C0"), Choice(0, kNone));
  // The line-kind buttons are off until a figure is complete.
  EXPECT_EQ(click("C4"), Choice(0, kNone));
  for (const char* name : {"C3", "C4", "C5"}) Child(name)->setEnabled(true);
  EXPECT_EQ(click("C4"), Choice(0, 1));
  EXPECT_EQ(click("C5"), Choice(0, 2));
  EXPECT_EQ(click("C3"), Choice(0, 0));
  EXPECT_EQ(shell.beeps, 2);  // the buttons themselves make no sound
}

TEST_F(WindowTest, TheThreeDViewTurnsAndGivesWayToTheCanvasAgain) {
  window.Load();
  QTest::mouseClick(Child("C9"), Qt::LeftButton);
  EXPECT_FALSE(window.view()->isHidden());
  EXPECT_TRUE(Child("a5")->isEnabled());
  QTest::mouseClick(Child("a5"), Qt::LeftButton);  // "GO": 31 steps, each shown
  EXPECT_EQ(window.program().view.viewTurn, 45 + 31 * 8);
  Child<QScrollBar>("cpp")->setValue(30);
  EXPECT_EQ(window.program().view.viewSize, 30);
  QTest::mouseClick(Child("C16"), Qt::LeftButton);
  EXPECT_TRUE(window.view()->isHidden());
  EXPECT_TRUE(Child("C9")->isEnabled());
  EXPECT_FALSE(Child("cpp")->isEnabled());
}

TEST_F(WindowTest, ClosingTheWindowAsksAndStaysOpenUnlessConfirmed) {
  window.Load();
  window.show();
  shell.script.QueueAnswer(Answer::Ok);  // save: yes, but with an empty name
  shell.script.QueuePrompt("");
  shell.script.QueueAnswer(Answer::Cancel);  // leave: no
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  shell.script.QueueAnswer(Answer::Cancel);
  shell.script.QueueAnswer(Answer::Ok);
  EXPECT_TRUE(window.close());
  EXPECT_EQ(shell.script.boxes().back().text.substr(0, 32), "  THANK YOU USE THIS SYSTEM !   ");
  EXPECT_TRUE(shell.script.Exhausted());
}

TEST_F(WindowTest, EveryClickHandlerBelongsToAControl) {
  for (const ClickHandler& h : ClickHandlers()) {
    QObject* control = window.findChild<QObject*>(ToQString(h.control));
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(control) || qobject_cast<QAction*>(control))
        << h.control;
  }
}

}  // namespace
}  // namespace tova
