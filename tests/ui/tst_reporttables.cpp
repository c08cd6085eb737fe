// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's tables as the page breaks and the line breaks read them:
// every table of the report says what it is, a value of a column declared
// whole stays on one line while the column's title may wrap, and the
// declarations of tables written in pieces land in the table, not in the
// paragraph before it.
#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "report/ReportLayout.h"
#include "support/ContaminantProjects.h"

namespace {

// The report's body on A4 within its margins, in points.
const QSizeF kBody(481.9, 746.0);

// An example computed as the program computes it before a report.
ProjectPtr loadExample(const char* name) {
  ProjectPtr project(virelo_LoadProject(
      QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(QLatin1String(name)).toLocal8Bit().constData(),
      "rb"));
  if (!project) return project;
  virelo_math_CalcAll(project.get());
  virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

std::vector<QTextTable*> topLevelTables(const QTextDocument& doc) {
  std::vector<QTextTable*> tables;
  for (QTextFrame* child : doc.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(child)) tables.push_back(table);
  return tables;
}

QString cellText(QTextTable* table, int row, int column) {
  const QTextTableCell cell = table->cellAt(row, column);
  QString text;
  for (QTextBlock b = table->document()->findBlock(cell.firstPosition());
       b.isValid() && b.position() <= cell.lastPosition(); b = b.next())
    text += b.text();
  return text;
}

// The lines the layout gave the paragraphs of a cell.
int cellLines(QTextTable* table, int row, int column) {
  const QTextTableCell cell = table->cellAt(row, column);
  int lines = 0;
  for (QTextBlock b = table->document()->findBlock(cell.firstPosition());
       b.isValid() && b.position() <= cell.lastPosition(); b = b.next())
    lines += b.layout() ? b.layout()->lineCount() : 0;
  return lines;
}

bool cellUnbroken(QTextTable* table, int row, int column) {
  const QTextTableCell cell = table->cellAt(row, column);
  for (QTextBlock b = table->document()->findBlock(cell.firstPosition());
       b.isValid() && b.position() <= cell.lastPosition(); b = b.next())
    if (!b.blockFormat().nonBreakableLines()) return false;
  return true;
}

// The top-level table whose header row holds `title`, or null.
QTextTable* tableWithTitle(const QTextDocument& doc, const QString& title, int* column) {
  for (QTextTable* table : topLevelTables(doc))
    for (int c = 0; c < table->columns(); ++c)
      if (cellText(table, 0, c).simplified() == title) {
        *column = c;
        return table;
      }
  return nullptr;
}

}  // namespace

class TestReportTables : public QObject {
  Q_OBJECT

 private slots:
  void everyTableOfTheExamplesSaysWhatItIs();
  void declaredValuesStayOnOneLineUnderTitlesThatWrap();
  void aTableWrittenInPiecesKeepsItsLeadSentenceApart();
};

void TestReportTables::everyTableOfTheExamplesSaysWhatItIs() {
  int declared = 0;
  for (const char* name : {"dry-cleaner", "petrol-station", "fuel-depot", "worked-example"}) {
    ProjectPtr project = loadExample(name);
    QVERIFY2(project, name);
    const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), kBody);
    for (QTextTable* table : topLevelTables(*doc)) {
      const QTextTableFormat format = table->format();
      QVERIFY2(format.hasProperty(kLayoutRoleProperty) || format.hasProperty(kLayoutNoWrapProperty),
               qPrintable(QStringLiteral("%1: a table opening \"%2\" is not declared")
                              .arg(QLatin1String(name), cellText(table, 0, 0).left(40))));
      // A declared column string has one letter per column at most: a
      // longer one belongs to another table's shape.
      const QString columns = format.property(kLayoutNoWrapProperty).toString();
      QVERIFY2(columns.size() <= table->columns(),
               qPrintable(QStringLiteral("%1: \"%2\" declares %3 columns of %4")
                              .arg(QLatin1String(name), cellText(table, 0, 0).left(40))
                              .arg(columns.size())
                              .arg(table->columns())));
      // A column of numbers only is declared whole; but for a target, which
      // may carry the words of its origin ("from the chain").
      for (int c = 0; c < table->columns(); ++c) {
        if (cellText(table, 0, c).startsWith(QStringLiteral("Target"))) continue;
        int numbers = 0, others = 0;
        for (int r = std::max(0, format.headerRowCount()); r < table->rows(); ++r) {
          const QTextTableCell cell = table->cellAt(r, c);
          if (cell.row() != r || cell.column() != c || cell.columnSpan() > 1) continue;
          bool number = false;
          cellText(table, r, c).toDouble(&number);
          ++(number ? numbers : others);
        }
        if (numbers > 0 && others == 0)
          QVERIFY2(c < columns.size() && columns[c] == QLatin1Char('n'),
                   qPrintable(QStringLiteral("%1: numbers under \"%2\" may wrap")
                                  .arg(QLatin1String(name), cellText(table, 0, c))));
      }
      ++declared;
    }
    // No mark is left behind in the text for a reader to copy.
    const QString text = doc->toPlainText();
    QVERIFY2(!text.contains(QChar(0xE002)) && !text.contains(QChar(0xE003)), name);
  }
  QVERIFY(declared >= 20);
}

void TestReportTables::declaredValuesStayOnOneLineUnderTitlesThatWrap() {
  // The fuel depot has a contaminant without a decay constant: "not
  // entered" stands in the decay constant's narrow column.
  ProjectPtr project = loadExample("fuel-depot");
  QVERIFY(project);
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), kBody);
  int decay = -1;
  QTextTable* inputs = tableWithTitle(*doc, QStringLiteral("Decay constant [1/d]"), &decay);
  QVERIFY(inputs);
  QVERIFY(inputs->format().headerRowCount() >= 1);
  // The title wraps in its narrow column: it does not widen the column.
  QVERIFY(!cellUnbroken(inputs, 0, decay));
  QVERIFY(cellLines(inputs, 0, decay) > 1);
  bool notEntered = false;
  for (int r = 1; r < inputs->rows(); ++r) {
    QVERIFY2(cellUnbroken(inputs, r, decay), qPrintable(cellText(inputs, r, decay)));
    QCOMPARE(cellLines(inputs, r, decay), 1);
    notEntered |= cellText(inputs, r, decay) == QStringLiteral("not entered");
    // The contaminant's name may wrap.
    QVERIFY(!cellUnbroken(inputs, r, 0) || !cellText(inputs, r, 0).contains(QLatin1Char(' ')));
  }
  QVERIFY(notEntered);

  // In every declared table of the report, each value under a column
  // declared whole is set so, and the layout keeps it to one line.
  int values = 0;
  for (QTextTable* table : topLevelTables(*doc)) {
    const QString columns = table->format().property(kLayoutNoWrapProperty).toString();
    for (int r = std::max(0, table->format().headerRowCount()); r < table->rows(); ++r)
      for (int c = 0; c < columns.size(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        if (columns[c] != QLatin1Char('n') || cell.row() != r || cell.column() != c) continue;
        QVERIFY2(cellUnbroken(table, r, c), qPrintable(cellText(table, r, c)));
        QVERIFY2(cellLines(table, r, c) <= 1, qPrintable(cellText(table, r, c)));
        ++values;
      }
  }
  QVERIFY(values > 50);
}

void TestReportTables::aTableWrittenInPiecesKeepsItsLeadSentenceApart() {
  ProjectPtr project = loadExample("worked-example");
  QVERIFY(project);
  const auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), kBody);
  // The results table follows its lead sentence; the lead keeps its own
  // role and the table carries the table's, with the value columns whole.
  int column = -1;
  QTextTable* results = tableWithTitle(*doc, QStringLiteral("d/x"), &column);
  QVERIFY(results);
  QCOMPARE(LayoutRoleOf(results), LayoutRole::kTable);
  const QString columns = results->format().property(kLayoutNoWrapProperty).toString();
  QCOMPARE(columns.size(), results->columns());
  QCOMPARE(columns[0], QLatin1Char('w'));
  QCOMPARE(columns[column], QLatin1Char('n'));
  QTextBlock before;
  for (auto it = doc->rootFrame()->begin(); !it.atEnd() && it.currentFrame() != results; ++it)
    if (it.currentBlock().isValid()) before = it.currentBlock();
  QVERIFY(before.text().startsWith(QStringLiteral("Assessment range")));
  QCOMPARE(LayoutRoleOf(before), LayoutRole::kLead);
  // The first cell's text is the title alone, without the mark.
  QCOMPARE(cellText(results, 0, 0), QStringLiteral("Contaminant"));
}

QTEST_MAIN(TestReportTables)
#include "tst_reporttables.moc"
