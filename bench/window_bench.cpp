// A pointer move on the real window, offscreen, until the changed pixels are painted: the
// program's handler, then the repaint of the dirty rectangle; plain, and on an exercise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleFactory>

#include "app/qt/form1.h"
#include "app/qt/picture_box.h"
#include "diagram/rendering.h"
#include "bench_stats.h"
#include "full_drawing.h"

namespace tova::bench {
namespace {

// A circle being drawn from the front view's middle on full tables, each move painted; on an
// exercise, with its given views under the canvas and the object's window open.
void MoveUntilPainted(benchmark::State& state, const char* document) {
  // Start on the sample drawing (a start-up document, so no box), then fill the tables.
  QDir::setCurrent(TOVA_SOURCE_DIR "/samples");
  Form1 window;
  window.Load(document);
  Program& program = window.program();
  program.tables = FullDrawing();
  program.P.Clear();
  RedrawDiagram(program);
  window.show();
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "The object") button->click();
  }
  PictureBox* P = window.canvas();
  const QPoint origin = P->contentsRect().topLeft();
  const auto move = [&](int x, int y) {
    QMouseEvent event(QEvent::MouseMove, QPointF(origin + QPoint(x, y)), QPointF(P->mapToGlobal(origin + QPoint(x, y))),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(P, &event);
    QApplication::processEvents();  // the update of the changed pixels is painted here
  };
  window.program().app.currentShape = 1;
  move(100, 100);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(origin + QPoint(100, 100)),
                    QPointF(P->mapToGlobal(origin + QPoint(100, 100))), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(P, &press);
  QApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    const int d = 20 + (i++ % 60);
    move(100 + d, 100 + d / 3);
  }
}

void PointerMoveUntilPainted(benchmark::State& state) { MoveUntilPainted(state, "Tova.ini"); }
void PointerMoveUntilPaintedInAnExercise(benchmark::State& state) {
  MoveUntilPainted(state, "exercises/06-cylinder-on-plate.exercise");
}

BENCHMARK(PointerMoveUntilPainted)
    ->Repetitions(30)->ReportAggregatesOnly(true)->ComputeStatistics("p99", P99)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PointerMoveUntilPaintedInAnExercise)
    ->Repetitions(30)->ReportAggregatesOnly(true)->ComputeStatistics("p99", P99)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tova::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
