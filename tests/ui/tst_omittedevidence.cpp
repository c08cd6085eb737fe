// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The wells left out of a verdict are said where the verdict is shown, never
// only in a tooltip: on the Results page (a line under the lists, the row's
// mark, the problems dialog of the row) and in the report's PDF (its
// problems section and the verdict's cell). Each reason of the engine's
// table is followed to every one of these, and the project's unit in any
// spelling of micrograms keeps the wells on the page.
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ProblemsDialog.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"
#include "support/FakePlatform.h"
#include "tests/engine/support/wells_omissions.h"

namespace {

QString problemText(ProblemCode code) {
  char text[256] = "";
  virelo_GetProblemText(code, text);
  return QString::fromLatin1(text);
}

ProjectPtr loadPetrolStation() {
  return ProjectPtr(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
}

// The PDF's text with its white space collapsed.
QString pdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  QString text = QString::fromUtf8(process.readAllStandardOutput());
  text.replace(QChar(0xFB00), QLatin1String("ff"));
  text.replace(QChar(0xFB01), QLatin1String("fi"));
  text.replace(QChar(0xFB02), QLatin1String("fl"));
  return text.simplified();
}

const QString kNames = QStringLiteral("Wells not compared: Benzene, Toluene, Ethylbenzene, Xylenes, MTBE.");

}  // namespace

class TestOmittedEvidence : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<FakePlatform> platform;
  std::unique_ptr<CPropResults> page;

  ResultListModel* rows(int side) { return page->listModel(side); }
  int rowNamed(int side, const QString& name) {
    for (int r = 0; r < rows(side)->size(); ++r)
      if (rows(side)->index(r, 0).data().toString() == name) return r;
    return -1;
  }
  QStringList badges(int side, int row) {
    return rows(side)->index(row, rows(side)->marksColumn()).data(ResultListModel::BadgesRole).toStringList();
  }
  QLabel* omittedLabel() { return page->findChild<QLabel*>(QStringLiteral("omittedEvidenceLabel")); }

 private slots:
  void init() {
    host = FakePageHost();
    platform = std::make_unique<FakePlatform>();
    page = std::make_unique<CPropResults>(&host);
    page->resize(900, 600);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
  }
  void cleanup() {
    if (page) page->ShowProject(nullptr);
    page.reset();
    platform.reset();
  }

  // Each reason, one project after another: the page's line names the
  // problem and every sampled contaminant, each row keeps a light of its
  // own model with the reason in its marks, the row's menu offers its
  // problems and the dialog lists the reason's problem; the report's PDF
  // says the same in its problems section and beside the verdicts.
  void everyReasonIsSaidWhereTheVerdictIs() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const WellsOmissionEntry& entry : kWellsOmissions) {
      const QString words = QStringLiteral("wells not compared (%1)").arg(QLatin1String(entry.words));
      ProjectPtr project = loadPetrolStation();
      QVERIFY(project);
      QVERIFY2(LeaveWellsOut(project.get(), entry.bit), entry.words);
      page->ShowProject(project.get());

      // (a) The page: a line where the verdicts are.
      QLabel* line = omittedLabel();
      QVERIFY(line);
      QVERIFY2(line->isVisible(), entry.words);
      const QString expected =
          QStringLiteral("Problem %1: %2 %3").arg(entry.code).arg(problemText(entry.code), kNames);
      QVERIFY2(line->text().split(QLatin1Char('\n')).contains(expected), qPrintable(line->text()));
      for (int side : {0, 1}) {
        for (const char* name : kPetrolStationSampled) {
          const int row = rowNamed(side, QLatin1String(name));
          QVERIFY(row >= 0);
          // Evidence left out is no problem of the models: the row keeps its values and light.
          QVERIFY2(rows(side)->row(row).hasValues, name);
          QVERIFY(rows(side)->row(row).cls != AssessmentClass::Problems);
          QVERIFY2(badges(side, row).join(QLatin1Char(',')).contains(words),
                   qPrintable(badges(side, row).join(QLatin1Char(','))));
        }
      }
      // The row's menu offers its problems, and the dialog lists the reason.
      const int mtbe = rowNamed(CPropResults::AttenuationFactorSide, QStringLiteral("MTBE"));
      QTreeView* list = page->list(CPropResults::AttenuationFactorSide);
      const QPoint at = list->visualRect(rows(1)->index(mtbe, 0)).center();
      QString dialogText;
      platform->dialogHandler = [&](QDialog* dialog) {
        dialogText = qobject_cast<ProblemsDialog*>(dialog)->problemText();
        return int(QDialog::Accepted);
      };
      {
        PopupMenuAnswer answer(QStringLiteral("\"MTBE\": show &problems"));
        requestContextMenu(list->viewport(), at);
        QVERIFY(answer.opened);
        QVERIFY2(answer.enabled.value(0), qPrintable(answer.texts.join(',')));
      }
      QVERIFY2(dialogText.contains(QStringLiteral("Problem %1 (the verdict stands without the wells): %2")
                                       .arg(entry.code)
                                       .arg(problemText(entry.code))),
               qPrintable(dialogText));
      platform->dialogHandler = nullptr;

      // (c) The report's PDF.
      virelo_FreeResults(project.get());
      QVERIFY(virelo_math_CalcAll(project.get()));
      virelo_math_CalcExactAll(project.get(), 1);
      const QString pdf = folder.filePath(QStringLiteral("left-out-%1.pdf").arg(entry.code));
      QString error;
      QVERIFY2(WriteReportPdf(*project, ReportSettingsFor(*project, 0, 0), pdf, &error), qPrintable(error));
      const QString text = pdfText(pdf);
      QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
      QVERIFY2(text.contains(QStringLiteral("Evidence left out of the verdicts")), entry.words);
      QVERIFY2(text.contains(
                   QStringLiteral("Problem %1: %2 %3").arg(entry.code).arg(problemText(entry.code), kNames)),
               entry.words);
      QVERIFY2(text.contains(QStringLiteral("wells not compared")), entry.words);
      page->ShowProject(nullptr);
    }
  }

  // Every spelling of micrograms per litre keeps MTBE's attenuation factor
  // Yellow by its wells on the page, with nothing left out; micromoles
  // leave it Green by its model, and the page says why.
  void spellingsOfMicrogramsKeepTheWells() {
    const char* const spellings[] = {"\xC2\xB5g/L", "\xC2\xB5g/l", "ug/L", "UG/L", "\xCE\xBCg/L"};
    for (const char* unit : spellings) {
      ProjectPtr project = loadPetrolStation();
      QVERIFY(project);
      virelo_Extras(project.get()).settings.concentrationUnit = unit;
      page->ShowProject(project.get());
      const int mtbe = rowNamed(1, QStringLiteral("MTBE"));
      QCOMPARE(int(rows(1)->row(mtbe).cls), int(AssessmentClass::Yellow));
      QVERIFY2(badges(1, mtbe).contains(QStringLiteral("wells")), unit);
      QVERIFY2(!omittedLabel()->isVisible(), qPrintable(omittedLabel()->text()));
      page->ShowProject(nullptr);
    }
    ProjectPtr project = loadPetrolStation();
    virelo_Extras(project.get()).settings.concentrationUnit = kMicromolesPerLitre;
    page->ShowProject(project.get());
    const int mtbe = rowNamed(1, QStringLiteral("MTBE"));
    QCOMPARE(int(rows(1)->row(mtbe).cls), int(AssessmentClass::Green));
    QVERIFY(badges(1, mtbe).contains(QStringLiteral("wells not compared (unit)")));
    QVERIFY(omittedLabel()->isVisible());
    page->ShowProject(nullptr);
  }
};

QTEST_MAIN(TestOmittedEvidence)
#include "tst_omittedevidence.moc"
