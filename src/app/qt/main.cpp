// Tova: draw an object in three orthographic views and turn the wire-frame model they describe.
#include <QApplication>
#include <QStyleFactory>

#include "app/qt/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  tova::Form1 window;
  window.Load();
  window.show();
  return QApplication::exec();
}
