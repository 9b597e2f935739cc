// tova-export's 3D picture against what the window's 3D view shows for the same view.
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <sstream>

#include "app/qt/form1.h"
#include "app/qt/qt_text.h"
#include "export/export_command.h"
#include "qt/scripted_qt_shell.h"
#include "support/test_program.h"

namespace tova {
namespace {

// The picture in a PNG file, read by Qt's own reader.
Image ReadPng(const QString& path) {
  const QImage png = QImage(path).convertToFormat(QImage::Format_RGB32);
  Image image{png.width(), png.height(), {}};
  for (int y = 0; y < png.height(); ++y) {
    for (int x = 0; x < png.width(); ++x) image.pixels.push_back(png.pixel(x, y));
  }
  return image;
}

int Export(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunExport(arguments, out, err);
  EXPECT_EQ(err.str(), "");
  return status;
}

TEST(ExportWindowTest, ThePngIsThePictureTheWindowsThreeDViewDrawsForTheSameView) {
  testing::TempWorkingFolder folder;
  folder.Write("Tova.ini", testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
  testing::ScriptedQtShell shell;
  Form1 window{&shell};
  window.Load();
  QTest::mouseClick(window.findChild<QWidget*>("C9"), Qt::LeftButton);  // "MAKE-3D"
  ASSERT_EQ(Export({"Tova.ini", "opened.png"}), 0);
  EXPECT_EQ(ReadPng("opened.png"), window.program().D.Snapshot());

  // Tilted up and turned left, at another size.
  QTest::mouseClick(window.findChild<QWidget*>("a1"), Qt::LeftButton);
  window.findChild<QScrollBar*>("cpp")->setValue(20);
  QTest::mouseClick(window.findChild<QWidget*>("C14"), Qt::LeftButton);
  const ViewVars& v = window.program().view;
  ASSERT_EQ(Export({"--tilt", std::to_string(v.viewTilt), "--turn", std::to_string(v.viewTurn), "--size",
                    "20", "Tova.ini", "turned.png"}),
            0);
  EXPECT_NE(ReadPng("turned.png"), ReadPng("opened.png"));
  EXPECT_EQ(ReadPng("turned.png"), window.program().D.Snapshot());
}

}  // namespace
}  // namespace tova
