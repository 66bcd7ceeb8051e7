#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

// The benchmark programs draw text and widgets without a display: unless a
// platform is chosen, Qt runs offscreen.
inline void UseOffscreenPlatformUnlessSet() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// main() of a benchmark program that needs a Qt application of type App
// (QGuiApplication for drawing, QApplication for widgets); `registerCases`
// registers the program's cases.
template <typename App, typename Register>
int RunBenchmarks(int argc, char** argv, Register registerCases) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  UseOffscreenPlatformUnlessSet();
  App application(argc, argv);
  registerCases();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// main() of a benchmark program that needs no Qt application.
template <typename Register>
int RunPlainBenchmarks(int argc, char** argv, Register registerCases) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  registerCases();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
