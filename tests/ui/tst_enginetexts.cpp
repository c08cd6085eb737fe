// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The engine's English words as a German or Dutch reader sees them: class
// names, redox conditions, the problem texts and the readings of the lines of
// evidence, with the German catalogue built into the program installed. The
// English program shows the engine's text unchanged.
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "analysis/EvidenceWindow.h"
#include "engine/case/linesofevidence.h"
#include "engine/case/projectcase.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/evidence/evidence.h"
#include "engine/project/records.h"
#include "engine/time/transient.h"
#include "engine/time/transientchain.h"
#include "persistence/projectfile.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "support/FakePlatform.h"

namespace {

struct ProjectFree {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using Owned = std::unique_ptr<Project, ProjectFree>;

Owned Calculated(const char* name) {
  Owned project(virelo_LoadProject((QByteArray(VIRELO_SOURCE_DIR "/examples/") + name).constData(), "rb"));
  if (project) {
    virelo_math_CalcAll(project.get());
    virelo_math_CalcExactAll(project.get(), 1);
  }
  return project;
}

// The program's own catalogue for `code`, with the reader's decimal sign,
// for as long as the test runs.
class Language {
 public:
  explicit Language(const char* code) {
    ok_ = translator_.load(QStringLiteral(":/i18n/virelo_") + QLatin1String(code));
    if (ok_) QCoreApplication::installTranslator(&translator_);
    SetShownDecimalSign(QLatin1Char(','));
  }
  ~Language() {
    QCoreApplication::removeTranslator(&translator_);
    SetShownDecimalSign(QLatin1Char('.'));
  }
  bool ok() const { return ok_; }

 private:
  QTranslator translator_;
  bool ok_ = false;
};

// English words that no German or Dutch reading keeps: a sentence the
// catalogue does not know shows itself by them.
const QRegularExpression kEnglish(
    QStringLiteral("\\b(the|The|of|and|wells|from|its|has|gives|No|needs|stays)\\b"));

}  // namespace

class TestEngineTexts : public QObject {
  Q_OBJECT

 private slots:
  void englishIsUnchanged();
  void termsAndProblemTexts();
  void everyReadingOfTheExamplesIsTranslated();
  void whyATimeCurveHasNoScreeningValues();
  void evidenceWindowSpeaksGerman();
};

void TestEngineTexts::englishIsUnchanged() {
  const QString reading = QStringLiteral(
      "The wells suggest ANAEROBIC-FE. The literature gives it a decay constant of 0.009 1/d there.");
  QCOMPARE(EngineText(reading), reading);
  QCOMPARE(EngineTerm("Green"), QStringLiteral("Green"));
  QCOMPARE(EngineTerm("UNKOWN / VARIABLE"), QStringLiteral("UNKOWN / VARIABLE"));
}

void TestEngineTexts::termsAndProblemTexts() {
  {
    const Language german("de");
    QVERIFY(german.ok());
    QCOMPARE(EngineTerm(AssessmentClassName(AssessmentClass::Green)), QStringLiteral("Grün"));
    QCOMPARE(EngineTerm(AssessmentClassName(AssessmentClass::Red)), QStringLiteral("Rot"));
    QCOMPARE(EngineTerm(virelo_RedoxText(0)), QStringLiteral("UNBEKANNT / WECHSELND"));
    // Every problem text of the one table has its translation, with the
    // reader's decimal sign in its numbers.
    char text[256];
    for (const ProblemCode code : {10, 20,  30,  510, 520, 521, 530, 531, 540, 541, 560, 570, 580,
                                   40, 590, 600, 610, 50,  60,  70,  650, 660, 800, 810, 820, 830}) {
      QVERIFY(virelo_GetProblemText(code, text));
      const QString shown = EngineTerm(text);
      QVERIFY2(shown != QString::fromLatin1(text), text);
      QVERIFY2(!shown.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(shown));
    }
    // A sentence with its parts: the trend classes inside are translated too.
    QCOMPARE(
        EngineText(QStringLiteral("Over 8 rounds: the plume's mass Decreasing, its centre of mass No Trend. "
                                  "Wells: 2 Decreasing, 1 Stable.")),
        QStringLiteral("Über 8 Messkampagnen: Masse der Fahne Abnehmend, ihr Schwerpunkt Kein Trend. "
                       "Messstellen: 2 Abnehmend, 1 Stabil."));
    QCOMPARE(EngineText(QStringLiteral("The receptor exceeds CA from 120.5 d to 1461 d (4 years).")),
             QStringLiteral("Am Schutzgut wird CA von 120,5 d bis 1461 d (4 Jahre) überschritten."));
    QCOMPARE(EngineText(
                 QStringLiteral("Attenuation factor Red (worse than the screening model by: exact wells).")),
             QStringLiteral(
                 "Abminderungsfaktor Rot (schlechter als das Screening-Modell durch: exakt Messstellen)."));
  }
  const Language dutch("nl");
  QVERIFY(dutch.ok());
  QCOMPARE(EngineTerm("Probably Decreasing"), QStringLiteral("Waarschijnlijk dalend"));
  QCOMPARE(EngineText(QStringLiteral("The literature gives it a decay constant of 0.0012 1/d there.")),
           QStringLiteral("De literatuur geeft daar een afbraakconstante van 0,0012 1/d."));
  // A sentence the catalogue does not hold stays English, numbers aside.
  QCOMPARE(EngineText(QStringLiteral("Something new at 1.5 m.")), QStringLiteral("Something new at 1,5 m."));
}

void TestEngineTexts::everyReadingOfTheExamplesIsTranslated() {
  for (const char* example : {"petrol-station.vrp", "dry-cleaner.vrp", "fuel-depot.vrp"}) {
    Owned project = Calculated(example);
    QVERIFY2(project, example);
    ProjectCase evaluated(*project);
    const std::vector<EvidenceRow> rows = LinesOfEvidence(*project, evaluated);
    QVERIFY(!rows.empty());
    for (const char* code : {"de", "nl"}) {
      const Language language(code);
      QVERIFY(language.ok());
      for (const EvidenceRow& row : rows) {
        const QString reading = EngineText(row.reading);
        const QString where =
            QStringLiteral("%1 %2 %3: %4").arg(code, example, QString::fromStdString(row.reading), reading);
        QVERIFY2(!reading.contains(kEnglish), qPrintable(where));
        QVERIFY2(!reading.contains(QRegularExpression(QStringLiteral("(?<![\\w.])\\d+\\.\\d"))),
                 qPrintable(where));
        QVERIFY(EngineTerm(EvidenceLineName(row.line)) != QLatin1String(EvidenceLineName(row.line)) ||
                QLatin1String(code) == QLatin1String("nl"));
        QVERIFY(EngineTerm(EvidenceLightName(row)) != QLatin1String(EvidenceLightName(row)));
      }
    }
  }
}

// The Time window's tooltip and the report's Time section give this reason
// where the screening curve is left empty; it reaches the reader in his
// language, for a contaminant alone and for a species of a chain.
void TestEngineTexts::whyATimeCurveHasNoScreeningValues() {
  TransientInputs alone;
  alone.R = 2.0;
  alone.lambda = 0.01;
  alone.ks = 0.02;  // fades faster than lambda / R = 0.005 decays
  const char* aloneReason = TransientScreeningReason(alone);
  QVERIFY(aloneReason);
  TransientChain chain;
  chain.inputs = alone;
  chain.names = {"parent", "daughter"};
  chain.lambda = {0.05, 0.001};
  chain.c0 = {100.0, 0.0};
  chain.yield = {1.0, 0.7};
  chain.ks = {0.01, 0.0};  // slower than the parent's 0.025, faster than the daughter's 0.0005
  chain.ownR = {2.0, 2.0};
  QVERIFY(!TransientChainScreeningReason(chain, 0));
  const char* chainReason = TransientChainScreeningReason(chain, 1);
  QVERIFY(chainReason);
  QVERIFY(QString::fromLatin1(chainReason) != QString::fromLatin1(aloneReason));
  for (const char* code : {"de", "nl"}) {
    const Language language(code);
    QVERIFY(language.ok());
    for (const char* reason : {aloneReason, chainReason}) {
      const QString shown = EngineText(QString::fromLatin1(reason));
      QVERIFY2(shown != QString::fromLatin1(reason), reason);
      QVERIFY2(!shown.contains(kEnglish), qPrintable(shown));
    }
  }
}

void TestEngineTexts::evidenceWindowSpeaksGerman() {
  FakePlatform platform;
  Owned project = Calculated("petrol-station.vrp");
  QVERIFY(project);
  const Language german("de");
  QVERIFY(german.ok());
  EvidenceWindow window(*project, VerdictOptionsOf(*project));
  window.show();
  auto* table = window.findChild<QTableWidget*>();
  QVERIFY(table);
  QTRY_VERIFY_WITH_TIMEOUT(table->rowCount() > 0 && !table->item(0, 3)->text().endsWith(QLatin1String("...")),
                           20000);
  QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Verhalten der Fahne"));
  int lights = 0;
  for (int r = 0; r < table->rowCount(); ++r) {
    const QString light = table->item(r, 2)->text();
    QVERIFY2(
        light != QLatin1String("Green") && light != QLatin1String("Yellow") && light != QLatin1String("Red"),
        qPrintable(light));
    lights +=
        light == QStringLiteral("Grün") || light == QLatin1String("Gelb") || light == QLatin1String("Rot");
    QVERIFY2(!table->item(r, 3)->text().contains(kEnglish), qPrintable(table->item(r, 3)->text()));
  }
  QVERIFY(lights > 5);
}

QTEST_MAIN(TestEngineTexts)
#include "tst_enginetexts.moc"
