// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// On a 1366x768 laptop every window and dialog opens inside the screen's free
// area, with its frame, and shows its tables' column titles and its charts'
// axis titles whole. The headless screen is set to that size before the
// application starts. The same test runs in German and Dutch as well.
#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "analysis/AnalyteMappingDialog.h"
#include "analysis/ColumnMappingDialog.h"
#include "analysis/TimeWindow.h"
#include "analysis/TimingTableModel.h"
#include "app/AboutDialog.h"
#include "app/AnalysisCommands.h"
#include "app/DataCommands.h"
#include "app/Language.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "pages/CPropResults.h"
#include "pages/ProblemsDialog.h"
#include "platform/DecimalSign.h"
#include "platform/HelpViewer.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "shell_fixture.h"

namespace {

constexpr int kLaptopWidth = 1366, kLaptopHeight = 768;

// Waits for a window's background runs (their Run buttons come back).
void settle(QWidget* window) {
  for (int k = 0; k < 600; ++k) {
    bool running = false;
    for (QPushButton* b : window->findChildren<QPushButton*>())
      // A run's own Cancel button, not a dialog's standard one.
      if (b->text() == QCoreApplication::translate("TimeWindow", "Cancel") && b->isEnabled() &&
          b->isVisible() && !qobject_cast<QDialogButtonBox*>(b->parentWidget()))
        running = true;
    if (!running) break;
    QTest::qWait(50);
  }
  QTest::qWait(30);
}

// What a reader cannot read in `window` as it stands, one line each: column
// titles narrower than their text and axis titles longer than their axis.
QStringList cutTexts(QWidget* window) {
  QStringList cut;
  for (QHeaderView* header : window->findChildren<QHeaderView*>()) {
    if (header->orientation() != Qt::Horizontal || !header->isVisible() || !header->model()) continue;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
      if (header->isSectionHidden(section) || header->sectionSize(section) == 0) continue;
      const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
      int widest = 0;
      for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
      if (widest + margin > header->sectionSize(section))
        cut << QStringLiteral("%1: column \"%2\" %3 of %4 px")
                   .arg(window->windowTitle(), text)
                   .arg(header->sectionSize(section))
                   .arg(widest + margin);
    }
  }
  // Cells shown on one line: the visible rows' texts against their columns.
  for (QTableView* table : window->findChildren<QTableView*>()) {
    if (!table->isVisible() || table->wordWrap() || !table->model()) continue;
    QAbstractItemModel* model = table->model();
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    for (int row = 0; row < model->rowCount(); ++row) {
      if (table->isRowHidden(row) ||
          table->visualRect(model->index(row, 0)).top() > table->viewport()->height())
        continue;
      for (int column = 0; column < model->columnCount(); ++column) {
        if (table->isColumnHidden(column) || table->indexWidget(model->index(row, column))) continue;
        const QString text = model->index(row, column).data().toString();
        const int needed = table->fontMetrics().horizontalAdvance(text) + margin;
        if (!text.contains(QLatin1Char('\n')) && needed > table->columnWidth(column))
          cut << QStringLiteral("%1: cell \"%2\" %3 of %4 px")
                     .arg(window->windowTitle(), text)
                     .arg(table->columnWidth(column))
                     .arg(needed);
      }
    }
  }
  for (QChartView* view : window->findChildren<QChartView*>()) {
    if (!view->isVisible() || !view->chart()) continue;
    const QRectF plot = view->chart()->plotArea();
    for (QAbstractAxis* axis : view->chart()->axes()) {
      if (!axis->isVisible() || !axis->isTitleVisible() || axis->titleText().isEmpty()) continue;
      const qreal room = axis->orientation() == Qt::Vertical ? plot.height() : plot.width();
      const int needed = QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText());
      if (needed > room)
        cut << QStringLiteral("%1: axis \"%2\" %3 of %4 px")
                   .arg(window->windowTitle(), axis->titleText())
                   .arg(int(room))
                   .arg(needed);
    }
  }
  return cut;
}

// Shows `window` as the program does and says what does not fit: outside the
// free area (a frame's room left), or cut on any of its tabs.
QStringList misfits(QWidget* window) {
  window->show();
  QTest::qWaitForWindowExposed(window);
  settle(window);
  QStringList wrong;
  const QRect free = window->screen()->availableGeometry();
  const QSize least = window->minimumSizeHint();
  if (window->width() + 16 > free.width() || window->height() + 48 > free.height() ||
      least.width() + 16 > free.width() || least.height() + 48 > free.height())
    wrong << QStringLiteral("%1 opens %2x%3")
                 .arg(window->windowTitle())
                 .arg(window->width())
                 .arg(window->height());
  QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
  if (tabs.isEmpty()) return wrong + cutTexts(window);
  for (QTabWidget* tab : tabs)
    for (int page = 0; page < tab->count(); ++page) {
      tab->setCurrentIndex(page);
      settle(window);
      wrong += cutTexts(window);
    }
  wrong.removeDuplicates();
  return wrong;
}

}  // namespace

class TestLaptopScreen : public QObject {
  Q_OBJECT

  ShellSession* session_ = nullptr;
  std::unique_ptr<MainDialog> window_;

 private slots:
  void initTestCase() {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(screen, QSize(kLaptopWidth, kLaptopHeight));
    session_ = new ShellSession;
    const QString file = session_->path("cleaner.vrp");
    QVERIFY(QFile::copy(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", file));
    window_ = session_->start(file);
  }
  void cleanupTestCase() {
    window_.reset();
    delete session_;
  }

  void mainWindowPagesFit() {
    QStringList wrong;
    for (int page = 0; page < PageTabs::kPageCount; ++page) {
      window_->ViewPage(page);
      wrong += misfits(window_.get());
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  void everyDataWindowFits() {
    QStringList wrong, seen;
    session_->platform.dialogHandler = [&](QDialog* dialog) {
      seen << dialog->windowTitle();
      wrong += misfits(dialog);
      return int(QDialog::Rejected);
    };
    for (const char* name : {"siteData", "decayChain", "uncertainty", "transport", "time", "evidence"})
      window_->dataCommands->action(name)->trigger();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(seen.size(), 6);
  }

  void resultWindowsFit() {
    QStringList wrong, seen;
    session_->platform.dialogHandler = [&](QDialog* dialog) {
      seen << dialog->windowTitle();
      wrong += misfits(dialog);
      return int(QDialog::Rejected);
    };
    OpenPlumeView(*window_, 0);
    OpenRobustness(*window_, 0, CPropResults::AttenuationFactorSide);
    EditGenericData(*window_);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(seen.size(), 3);
  }

  // The dialogs a window opens on the way: the column and analyte
  // mappings of an import, the problems of a result, and the manual.
  void mappingProblemsAndHelpFit() {
    QStringList wrong;
    ColumnMappingDialog columns({"Monsterpunt", "Monsternamedatum", "Resultaat", "Bemerkung"}, window_.get());
    wrong += misfits(&columns);
    AnalyteMappingDialog analytes(window_->project, window_.get());
    wrong += misfits(&analytes);
    ProblemsDialog problems(window_.get());
    for (int k = 0; k < 40; ++k) problems.AppendLine("Problem line %d of a long list of problems.", k);
    wrong += misfits(&problems);
    Platform desktop;
    QVERIFY(desktop.requestHelp(1102, Platform::HelpKind::Topic));
    QVERIFY(help::window());
    wrong += misfits(help::window());
    help::closeWindow();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  void aboutFits() {
    AboutDialog about(window_.get(), 0);
    const QStringList wrong = misfits(&about);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  // The Time window shows every contaminant's row of the dry cleaner
  // without scrolling, and keeps the size the user gives it.
  void timeWindowShowsEveryRowAndKeepsItsSize() {
    TimeWindow time(*window_->project, window_.get());
    time.show();
    QVERIFY(QTest::qWaitForWindowExposed(&time));
    settle(&time);
    QCOMPARE(time.model()->rowCount(), 4);
    QTableView* table = time.table();
    const int last = table->rowViewportPosition(3) + table->rowHeight(3);
    QVERIFY2(last <= table->viewport()->height(),
             qPrintable(QStringLiteral("%1 of %2").arg(last).arg(table->viewport()->height())));
    QCOMPARE(table->verticalScrollBar()->maximum(), 0);
    QStringList wrong = cutTexts(&time);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));

    time.resize(time.width() - 40, time.height() - 30);
    const QSize chosen = time.size();
    time.close();
    QCOMPARE(SessionSizeOf("TimeWindow"), chosen);
    TimeWindow again(*window_->project, window_.get());
    QCOMPARE(again.size(), chosen);
  }
};

// The headless screen is a laptop's before the application starts.
int main(int argc, char** argv) {
  QTemporaryDir folder;
  const QString config = folder.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 2;
  file.write(QStringLiteral("{\"screens\": [{\"name\": \"laptop\", \"x\": 0, \"y\": 0, \"width\": %1, "
                            "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                 .arg(kLaptopWidth)
                 .arg(kLaptopHeight)
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
  QApplication app(argc, argv);
  // VIRELO_TEST_LANGUAGE=de or nl: the same screen in German or Dutch, as
  // main() would start it.
  const QString language = QString::fromLocal8Bit(qgetenv("VIRELO_TEST_LANGUAGE"));
  if (!language.isEmpty()) {
    if (language::installTranslators(&app, language) < 1) return 2;
    SetShownDecimalSign(DecimalSignFor(language));
  }
  TestLaptopScreen test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_laptopscreen.moc"
