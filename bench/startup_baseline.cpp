// The yardstick for start-up: a plain Qt window with as many widgets as Tova's, built the
// ordinary way, doing nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Baseline");
  auto* client = new QWidget(&window);
  client->setFixedSize(638, 437);
  window.setCentralWidget(client);
  auto* canvas = new QFrame(client);
  canvas->setGeometry(0, 0, 449, 433);
  new QFrame(canvas);
  for (int i = 0; i < 24; ++i) {
    (new QPushButton(QString("B%1").arg(i), client))->setGeometry(460 + (i % 3) * 55, 10 + (i / 3) * 30, 50, 25);
  }
  for (int i = 0; i < 6; ++i) (new QLabel("Label", client))->move(460, 300 + i * 12);
  for (int i = 0; i < 3; ++i) (new QCheckBox("Box", client))->move(470 + i * 50, 370);
  for (int i = 0; i < 3; ++i) (new QScrollBar(Qt::Horizontal, client))->setGeometry(560, 260 + i * 30, 73, 17);
  for (int i = 0; i < 3; ++i) (new QLineEdit(client))->setGeometry(472 + i * 55, 400, 49, 25);
  for (int m = 0; m < 10; ++m) {
    QMenu* menu = window.menuBar()->addMenu(QString("Menu%1").arg(m));
    for (int i = 0; i < 10; ++i) menu->addAction(QString("Item %1").arg(i));
  }
  window.show();
  return QApplication::exec();
}
