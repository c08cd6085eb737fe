// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Start-up of the desktop program up to the visible main window, with the
// bundled contaminant database and without the splash's waiting time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWindow>
#include <cstdio>

#include "app/Language.h"
#include "app/MainDialog.h"
#include "app/ReportBoxes.h"
#include "diagnostics/report.h"
#include "engine/project/records.h"
#include "persistence/database.h"
#include "platform/DecimalSign.h"
#include "platform/Platform.h"

namespace {
// Answers every question at once; the splash is skipped, boxes are counted.
class QuietPlatform : public Platform {
 public:
  int boxes = 0;
  int messageBox(QWidget*, const QString&, const QString&, int, Icon) override {
    ++boxes;
    return Ok;
  }
  int execDialog(QDialog*) override { return QDialog::Rejected; }
  bool requestHelp(int, HelpKind) override { return false; }
};

QuietPlatform* platform = nullptr;

bool waitExposed(QWidget* window) {
  QElapsedTimer clock;
  clock.start();
  while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
    if (clock.elapsed() > 5000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QCoreApplication::processEvents();  // the first paint
  return true;
}

void BM_StartupToVisibleWindow(benchmark::State& state) {
  int contaminants = 0;
  for (auto _ : state) {
    MainDialog window;
    window.Initialise(QString());
    window.show();
    if (!waitExposed(&window)) state.SkipWithError("window never exposed");
    contaminants = window.project ? window.project->contaminantCount : -1;
    benchmark::DoNotOptimize(contaminants);
    state.PauseTiming();
    window.hide();
    state.ResumeTiming();
  }
  state.counters["contaminants"] = contaminants;
  state.counters["message_boxes"] = platform->boxes;
}
BENCHMARK(BM_StartupToVisibleWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same in German: the translators are loaded as main() loads them, and
// every text of the pages is looked up in the catalogue.
void BM_StartupInGermanToVisibleWindow(benchmark::State& state) {
  for (auto _ : state) {
    language::installTranslators(qApp, QStringLiteral("de"));
    SetShownDecimalSign(DecimalSignFor(QStringLiteral("de")));
    {
      MainDialog window;
      window.Initialise(QString());
      window.show();
      if (!waitExposed(&window)) state.SkipWithError("window never exposed");
      state.PauseTiming();
      window.hide();
    }
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    SetShownDecimalSign(QLatin1Char('.'));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupInGermanToVisibleWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QuietPlatform quiet;
  platform = &quiet;
  Platform::setInstance(&quiet);

  // No per-user database; the bundled one lies in the build folder, one
  // level above this program.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
  const QString buildDir =
      QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir().absolutePath() +
      QStringLiteral("/..");
  if (!QFile::exists(buildDir + QStringLiteral("/generic.vrc"))) {
    std::fprintf(stderr, "generic.vrc not found in %s\n", qPrintable(buildDir));
    return 1;
  }
  virelo_SetModulePathOverride(QFile::encodeName(QDir(buildDir).canonicalPath()).constData());
  SetInstalledReportHandlers(ShowErrorBox, ShowWarningBox, nullptr);
  virelo_Init();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  virelo_Exit();
  Platform::setInstance(nullptr);
  return 0;
}
