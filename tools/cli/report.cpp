// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli report: the assessment report of a project as a PDF, made
// without a display.
#include <QApplication>
#include <QFile>
#include <clocale>
#include <iostream>
#include <memory>

#include "app/Language.h"
#include "engine/core/exact.h"
#include "platform/DecimalSign.h"
#include "report/AssessmentReport.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

// The report lays out text and draws charts with Qt, which needs an
// application object; the offscreen platform needs no display.
std::unique_ptr<QApplication> StartQt() {
  if (QCoreApplication::instance()) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the headless session (no runtime folder, no screen)
  // are no concern of the user's; its real failures still come through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
  });
  static int argc = 1;
  static char name[] = "virelo-cli";
  static char* argv[] = {name, nullptr};
  auto app = std::make_unique<QApplication>(argc, argv);
  // Qt adopts the user's locale; numbers in Virelo always keep their point.
  std::setlocale(LC_NUMERIC, "C");
  return app;
}

}  // namespace

std::string ReportUsage() {
  return "  report FILE.vrp -o OUT.pdf [--plume-range N] [--af-range N] [--lang en|de|nl]\n"
         "      Writes the assessment report of the project as a PDF on A4 pages:\n"
         "      inputs, both results tables with their classes, problems, charts and\n"
         "      methods. Needs no display. OUT.pdf is replaced only once it is complete.\n"
         "      --lang writes it in English (the default), German or Dutch; German and\n"
         "      Dutch write numbers with a decimal comma.\n" +
         RangeOptionsUsage();
}

int RunReport(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  int plumeRange = 0, afRange = 0;
  if (!ParseCliArguments(
          args,
          {{"-o", true}, {"--output", true}, {"--plume-range", true}, {"--af-range", true}, {"--lang", true}},
          &parsed, &error) ||
      !TakeRangeOptions(parsed, &plumeRange, &afRange, &error)) {
    return UsageError(error, err);
  }
  if (parsed.files.size() != 1) return UsageError("report takes one project file", err);
  std::string output;
  if (parsed.values.count("-o")) output = parsed.values.at("-o");
  if (parsed.values.count("--output")) output = parsed.values.at("--output");
  if (output.empty()) return UsageError("report needs -o OUT.pdf", err);
  QString lang = QStringLiteral("en");
  if (parsed.values.count("--lang")) lang = QString::fromStdString(parsed.values.at("--lang"));
  if (!language::isKnownCode(lang))
    return UsageError("unknown report language '" + lang.toStdString() + "': use en, de or nl", err);

  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadAssessedProject(path, err);
  if (!project) return kCliFailed;
  UseSavedRanges(parsed, *project, &plumeRange, &afRange);
  // Loading marks the contaminant list as changed; the project is the file
  // as it stands.
  project->modified = 0;
  virelo_math_CalcExactAll(project.get(), 0);

  const std::unique_ptr<QApplication> app = StartQt();
  // The report's texts come from the same catalogues as the windows'.
  language::installTranslators(QCoreApplication::instance(), lang);
  ReportSettings settings = ReportSettingsFor(*project, plumeRange, afRange);
  settings.decimalSign = DecimalSignFor(lang);
  QString reason;
  if (!WriteReportPdf(*project, settings, QFile::decodeName(output.c_str()), &reason)) {
    return WriteFailure(output, reason.toStdString(), err);
  }
  return kCliOk;
}
