// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One question, one answer, in the windows and the report: on every case
// of the dry cleaner and the petrol station (both decay conventions, the
// three bases, with and without the chain and the wells) the Results page's
// lights are the engine's verdicts, the Robustness window moves the
// screening class, the report's results tables give the same verdicts, and
// the Decay chain window classes each species as the verdict's chain does.
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocument>
#include <QtTest>
#include <cstring>
#include <map>

#include "analysis/ChainWindow.h"
#include "analysis/RobustnessDialog.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"
#include "tests/support/CaseVariants.h"

namespace {

QString className(AssessmentClass c) {
  return QString::fromLatin1(AssessmentClassName(c));
}

// The verdict a report's results table gives a contaminant. A table whose
// header has a "Verdict" column gives it as the second class word after the
// name (the first is the screening class); a table without one, where no
// row has evidence beyond the models, gives only the class.
QString reportVerdict(const QString& table, const QString& name) {
  const qsizetype at = table.indexOf(name + QLatin1Char(' '));
  if (at < 0) return QStringLiteral("(no row)");
  const bool verdictColumn = table.left(at).contains(QStringLiteral(" Verdict"));
  static const QRegularExpression word(QStringLiteral("\\b(Green|Yellow|Red|Problems)\\b"));
  QRegularExpressionMatchIterator it = word.globalMatch(table, at + name.size());
  int seen = 0;
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    if (++seen == (verdictColumn ? 2 : 1)) return m.captured(1);
  }
  return {};
}

QString between(const QString& text, const QString& from, const QString& to) {
  const qsizetype start = text.indexOf(from);
  if (start < 0) return {};
  const qsizetype end = text.indexOf(to, start + from.size());
  return text.mid(start, end < 0 ? -1 : end - start);
}

}  // namespace

class TestOneAnswer : public QObject {
  Q_OBJECT

  FakePageHost host;

  void checkResultsPage(Project* project, const std::vector<RowVerdict>& verdicts) {
    CPropResults page(&host);
    page.ShowProject(project);
    for (int side : {0, 1}) {
      ResultListModel* model = page.listModel(side);
      for (int r = 0; r < model->size(); ++r) {
        const ContaminantResult& result = project->results[model->row(r).resultIndex];
        for (const RowVerdict& v : verdicts) {
          if (v.contaminantIndex != result.contaminantIndex || v.plumeLength != (side == 0)) continue;
          QCOMPARE(model->index(r, 0).data(ResultListModel::ClassRole).toInt(), int(v.verdict));
        }
      }
    }
  }

  void checkRobustness(const Project& project, const std::vector<RowVerdict>& verdicts) {
    const ProjectSettings& settings = virelo_SettingsOf(project);
    for (int k = 0; k < project.resultCount; ++k) {
      for (const RowVerdict& v : verdicts) {
        if (v.contaminantIndex != project.results[k].contaminantIndex ||
            v.verdict == AssessmentClass::Problems)
          continue;
        RobustnessDialog dialog(&project, k, v.plumeLength,
                                v.plumeLength ? settings.plumeRange : settings.afRange);
        QCOMPARE(int(dialog.breakEvens().cls), int(v.models.screeningClass));
      }
    }
  }

  void checkReport(const Project& project, const std::vector<RowVerdict>& verdicts) {
    const ProjectSettings& settings = virelo_SettingsOf(project);
    const QString text =
        BuildReportDocument(project, ReportSettingsFor(project, settings.plumeRange, settings.afRange),
                            QSizeF(515, 760))
            ->toPlainText()
            .simplified();
    const QString plume = between(text, QStringLiteral("Plume length Assessment range"),
                                  QStringLiteral("Attenuation factor Assessment range"));
    const QString af =
        between(text, QStringLiteral("Attenuation factor Assessment range"), QStringLiteral("Problems"));
    for (const RowVerdict& v : verdicts) {
      if (v.verdict == AssessmentClass::Problems) continue;
      const QString name = QString::fromLatin1(project.contaminants[v.contaminantIndex].name);
      QVERIFY2(reportVerdict(v.plumeLength ? plume : af, name) == className(v.verdict),
               qPrintable(name + QStringLiteral(": ") + (v.plumeLength ? plume : af)));
    }
  }

  void checkChainWindow(Project* project, const std::vector<RowVerdict>& verdicts) {
    std::vector<DecayChain>& chains = virelo_Extras(project).chains;
    if (chains.size() != 1) return;
    const ProjectSettings& settings = virelo_SettingsOf(*project);
    ChainWindow window(project, &chains, AssessmentRangeOf(settings.afRange),
                       QString::fromStdString(settings.concentrationUnit));
    QTableWidget* receptor = nullptr;
    for (QTableWidget* table : window.findChildren<QTableWidget*>())
      if (table->columnCount() == 7 && table->horizontalHeaderItem(0)->text() == QStringLiteral("Species"))
        receptor = table;
    QVERIFY(receptor);
    for (const RowVerdict& v : verdicts) {
      if (v.plumeLength || !v.models.inChain) continue;
      const QString name = QString::fromLatin1(project->contaminants[v.contaminantIndex].name);
      const QList<QTableWidgetItem*> found = receptor->findItems(name, Qt::MatchExactly);
      QVERIFY2(!found.isEmpty(), qPrintable(name));
      const int row = found.first()->row();
      const QString screening = receptor->item(row, 3)->text(), exact = receptor->item(row, 5)->text();
      const VerdictBasis basis = settings.verdictBasis;
      const QString underBasis =
          basis == VerdictBasis::Screening                                         ? screening
          : basis == VerdictBasis::Exact                                           ? exact
          : (screening == QStringLiteral("Red") || exact == QStringLiteral("Red")) ? QStringLiteral("Red")
          : (screening == QStringLiteral("Yellow") || exact == QStringLiteral("Yellow"))
              ? QStringLiteral("Yellow")
              : screening;
      QCOMPARE(underBasis, className(v.models.chainClass));
    }
  }

 private slots:
  // A chain the verdicts cannot use (cis-DCE without CA) is named on the
  // Results page and in the report, with every species judged without it.
  void aChainLeftOutIsNamedOnThePageAndInTheReport() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
    QVERIFY(project);
    for (int k = 0; k < project->contaminantCount; ++k)
      if (std::strncmp(project->contaminants[k].name, "cis-1,2", 7) == 0)
        project->contaminants[k].valueMask &= ~kValueCa;
    virelo_FreeResults(project.get());
    QVERIFY(virelo_math_CalcAll(project.get()));
    const QString expected = QStringLiteral(
        "Problem 830: A decay chain of the project has problems (Data > Decay chain names them): its species "
        "were judged without it! Judged without their decay chain: Tetrachloroethene (PCE), Trichloroethene "
        "(TCE), cis-1,2-Dichloroethene, Vinyl chloride.");
    CPropResults page(&host);
    page.ShowProject(project.get());
    auto* label = page.findChild<QLabel*>(QStringLiteral("omittedEvidenceLabel"));
    QVERIFY(label);
    QVERIFY2(label->text().contains(expected), qPrintable(label->text()));
    QVERIFY(!label->isHidden());
    const ProjectSettings& settings = virelo_SettingsOf(*project);
    const QString text =
        BuildReportDocument(*project, ReportSettingsFor(*project, settings.plumeRange, settings.afRange),
                            QSizeF(515, 760))
            ->toPlainText()
            .simplified();
    QVERIFY2(text.contains(expected), qPrintable(text));
  }

  void everyFaceGivesTheVerdictsClass() {
    const std::vector<CaseVariant> variants = CaseVariants(VIRELO_SOURCE_DIR, false);
    QCOMPARE(variants.size(), size_t(36));
    for (const CaseVariant& variant : variants) {
      ProjectPtr project(virelo_LoadProject(variant.example.c_str(), "rb"));
      QVERIFY(project);
      variant.ApplyTo(project.get());
      virelo_FreeResults(project.get());
      QVERIFY(virelo_math_CalcAll(project.get()));
      virelo_math_CalcExactAll(project.get(), 1);
      const std::vector<RowVerdict> verdicts = ProjectVerdicts(*project, VerdictOptionsOf(*project));
      QVERIFY(!verdicts.empty());
      const QByteArray label = QByteArray::fromStdString(variant.Label());
      checkResultsPage(project.get(), verdicts);
      if (QTest::currentTestFailed()) QFAIL(label + ": the Results page");
      checkRobustness(*project, verdicts);
      if (QTest::currentTestFailed()) QFAIL(label + ": the Robustness window");
      // The report takes a second to lay out: every case under the
      // screening basis, and with the worse of the two the cases that have
      // all the evidence.
      if (variant.basis == VerdictBasis::Screening ||
          (variant.basis == VerdictBasis::Worse && variant.chains && variant.wells)) {
        checkReport(*project, verdicts);
        if (QTest::currentTestFailed()) QFAIL(label + ": the report");
      }
      checkChainWindow(project.get(), verdicts);
      if (QTest::currentTestFailed()) QFAIL(label + ": the Decay chain window");
    }
  }
};

QTEST_MAIN(TestOneAnswer)
#include "tst_oneanswer.moc"
