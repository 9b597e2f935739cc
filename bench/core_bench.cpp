// The hot paths of the core on full tables: a pointer move while drawing and in find mode, a
// full redraw of the canvas and of the 3D model, "GO", and reading and writing a document.
// Each benchmark is repeated; the report gives the median and the 99th percentile of the
// repetitions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/canvas_input.h"
#include "app/startup.h"
#include "bench_stats.h"
#include "diagram/find_mode.h"
#include "diagram/rendering.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "export/dxf_export.h"
#include "export/obj_export.h"
#include "export/png_image.h"
#include "export/svg_export.h"
#include "export/view_picture.h"
#include "full_drawing.h"
#include "platform/silent_shell.h"
#include "program/program.h"
#include "tools/check_command.h"
#include "view3d/navigation.h"
#include "view3d/redraw.h"

namespace tova::bench {
namespace {

struct Fixture {
  Fixture() {
    program.tables = FullDrawing();
    program.app.currentLineKind = kNone;
    program.find = {0, 0, kNone, kNone};
    program.canvas.markX = program.canvas.markY = kNone;
    program.view.viewStep = 8;
    program.view.viewCentre = 100;
    RedrawDiagram(program);
  }
  SilentShell shell;
  Program program{shell};
};

// A circle being drawn: each move erases and draws the guide lines and the rubber-band circle
// and shows the position.
void PointerMoveWhileDrawing(benchmark::State& state) {
  Fixture f;
  f.program.app.currentShape = kShapeCircle;
  P_MouseMove(f.program, 100, 100);
  P_MouseDown(f.program, 100, 100);
  int i = 0;
  for (auto _ : state) {
    const double d = 20 + (i++ % 60);
    P_MouseMove(f.program, 100 + d, 100 + d / 3);
  }
}

// Find mode over full tables: the hit tests, the old highlight off and the new one on.
void PointerMoveInFindMode(benchmark::State& state) {
  Fixture f;
  f.program.find.findMode = 1;
  int i = 0;
  for (auto _ : state) P_MouseMove(f.program, 20 + (i++ % 180), 120);
}

void RedrawDiagramAfterAClear(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    state.PauseTiming();
    f.program.P.Clear();
    state.ResumeTiming();
    RedrawDiagram(f.program);
  }
}

void RedrawViewFullModel(benchmark::State& state) {
  Fixture f;
  C9_Click(f.program);
  f.program.view.viewSize = 50;
  for (auto _ : state) RedrawView(f.program);
}

// "GO": 31 steps and redraws (the shell here does not pause between them).
void GoThirtyOneSteps(benchmark::State& state) {
  Fixture f;
  C9_Click(f.program);
  for (auto _ : state) a5_Click(f.program);
}

void ReadAndWriteAFullDocument(benchmark::State& state) {
  const Tables full = FullDrawing();
  const std::string text = FormatDocument(full);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDocument(text));
    benchmark::DoNotOptimize(FormatDocument(full));
  }
}

// Each export of a full drawing, as tova-export makes it once its document is read.
void ExportAFullDrawing(benchmark::State& state) {
  const Tables full = FullDrawing();
  for (auto _ : state) {
    switch (state.range(0)) {
      case 0: benchmark::DoNotOptimize(FormatSvg(full)); break;
      case 1: benchmark::DoNotOptimize(FormatDxf(full)); break;
      case 2: benchmark::DoNotOptimize(FormatObj(full)); break;
      default: benchmark::DoNotOptimize(EncodePng(RenderViewPicture(full, ViewOptions{}))); break;
    }
  }
  state.SetLabel(std::array{"svg", "dxf", "obj", "png"}[static_cast<std::size_t>(state.range(0))]);
}

// tova-check on a class of 1,000 drawings, reading included: each drawing the key with one unit
// left out and one line drawn in another kind. Argument 0: the sample as the key; 1: full tables;
// 2: full tables, the object allowed anywhere.
void CheckAClassOfDrawings(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tova-bench-class";
  std::filesystem::create_directories(folder);
  const Tables key = state.range(0) ? FullDrawing()
                                    : ParseDocument(ReadFilePrefix(TOVA_SOURCE_DIR "/samples/Tova.ini", kMaxDocumentBytes).value()).value();
  std::vector<std::string> arguments = {(folder / "key.KRT").string()};
  std::ofstream(arguments[0], std::ios::binary) << FormatDocument(key);
  const int units = FindFreeRow(key, kUnitTable, kEndOfUsedRange) == kNone ? kUnitRows
                                                                           : FindFreeRow(key, kUnitTable, kEndOfUsedRange);
  for (int i = 0; i < 1000; ++i) {
    Tables drawing = key;
    drawing.unitTable[static_cast<std::size_t>(i % units)].state = kRowDeleted;
    drawing.lineTable[static_cast<std::size_t>(i % 30)].lineKind ^= 1;
    arguments.push_back((folder / ("student-" + std::to_string(i) + ".KRT")).string());
    std::ofstream(arguments.back(), std::ios::binary) << FormatDocument(drawing);
  }
  if (state.range(0) == 2) arguments.insert(arguments.begin(), "--anywhere");
  std::ostringstream out, err;
  for (auto _ : state) {
    out.str({});
    benchmark::DoNotOptimize(RunCheck(arguments, out, err));
  }
  std::filesystem::remove_all(folder);
  state.SetLabel(std::array{"the sample", "full tables", "full tables, anywhere"}[static_cast<std::size_t>(state.range(0))]);
}

void Measured(benchmark::internal::Benchmark* b) {
  b->Repetitions(30)->ReportAggregatesOnly(true)->ComputeStatistics("p99", P99)
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(PointerMoveWhileDrawing)->Apply(Measured);
BENCHMARK(PointerMoveInFindMode)->Apply(Measured);
BENCHMARK(RedrawDiagramAfterAClear)->Apply(Measured);
BENCHMARK(RedrawViewFullModel)->Apply(Measured);
BENCHMARK(GoThirtyOneSteps)->Apply(Measured);
BENCHMARK(ReadAndWriteAFullDocument)->Apply(Measured);
BENCHMARK(ExportAFullDrawing)->DenseRange(0, 3)->Apply(Measured);
BENCHMARK(CheckAClassOfDrawings)->DenseRange(0, 2)->Repetitions(5)->ReportAggregatesOnly(true)
    ->ComputeStatistics("p99", P99)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tova::bench

BENCHMARK_MAIN();
