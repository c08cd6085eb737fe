// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Site data window keeps its size: a long list of refused rows scrolls
// in a box of a few lines, the decay chart's distances start at the nearest
// well of the fit, and the trend table shows every column at the window's
// default size.
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "analysis/SiteDataWindow.h"
#include "analysis/SiteDecayView.h"
#include "analysis/SiteTrendsView.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "persistence/projectfile.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"
#include "support/TableDriving.h"

namespace {

// The horizontal value axis of the chart a view shows.
QValueAxis* DistanceAxis(QChartView* view) {
  if (!view || !view->chart()) return nullptr;
  for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal))
    if (auto* value = qobject_cast<QValueAxis*>(axis)) return value;
  return nullptr;
}

// A picture of the window to look at, where VIRELO_SCREENSHOT_DIR asks for one.
void keepPicture(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("VIRELO_SCREENSHOT_DIR");
  if (!folder.isEmpty()) window.grab().save(folder + "/" + name);
}

}  // namespace

class TestSiteWindowSize : public QObject {
  Q_OBJECT
 private slots:
  void refusedRowsScrollAndTheWindowStaysOnTheScreen() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    const QSize before = window.size();

    // 400 rows, each refused for its own reason.
    QByteArray table = "well,date,analyte,value,unit\n";
    for (int k = 0; k < 400; ++k) table += "MW1,2024-01-01,Benzene,x" + QByteArray::number(k) + ",ug/L\n";
    QVERIFY(!window.ImportTable(table, "long.csv"));
    QTest::qWait(20);
    QVERIFY(window.statusLabel()->text().contains("long.csv:401"));  // the last refusal is kept
    auto* box = window.findChild<QScrollArea*>("siteStatusBox");
    QVERIFY(box);
    QVERIFY2(box->height() <= 10 * window.fontMetrics().lineSpacing(),
             qPrintable(QString::number(box->height())));
    QVERIFY(box->verticalScrollBar()->maximum() > 0);  // the rest is a scroll away
    QCOMPARE(window.size(), before);
    QVERIFY(window.minimumSizeHint().height() <= screen.height());
    keepPicture(window, "site-refused-rows.png");

    // A sound import afterwards still says so in the same box.
    QVERIFY(window.ImportTable("well,date,analyte,value,unit\nMW1,2024-03-12,Benzene,<1,ug/L\n", "t.csv"));
    QVERIFY(window.statusLabel()->text().startsWith("Imported"));
    QCOMPARE(window.size(), before);
  }

  // Wells far from the source: the axis starts just before the nearest one
  // that the fit uses, not at zero or a round number before it.
  void decayAxisStartsAtTheNearestWellOfTheFit() {
    FakePlatform platform;
    Owned project = Example();
    SiteData& site = virelo_Extras(project.get()).site;
    for (SiteWell& w : site.wells) w.s += 500.0;
    SiteDataWindow window(project.get());
    window.resize(980, 680);
    QVERIFY(showActive(window));
    window.tabs()->setCurrentIndex(1);
    QValueAxis* axis = DistanceAxis(window.decayView()->findChild<QChartView*>());
    QVERIFY(axis);
    double nearest = 1e300, farthest = -1e300;
    for (const SiteWell& w : site.wells) {
      if (!w.inFit) continue;
      nearest = std::min(nearest, w.s);
      farthest = std::max(farthest, w.s);
    }
    QVERIFY2(axis->min() <= nearest && axis->min() >= nearest - 0.05 * (farthest - nearest),
             qPrintable(QString("axis from %1, nearest well at %2").arg(axis->min()).arg(nearest)));
    QVERIFY(axis->max() >= farthest);
    keepPicture(window, "site-decay-far.png");
  }

  void trendTableShowsEveryColumnAtTheDefaultSize() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.resize(980, 680);  // the default where the screen allows it
    QVERIFY(showActive(window));
    window.tabs()->setCurrentIndex(2);
    QTest::qWait(20);
    auto* table = window.trendsView()->findChild<QTableWidget*>("siteTrendTable");
    QVERIFY(table);
    QVERIFY(table->rowCount() > 0);
    // Every contaminant's table, as the user picks them.
    auto* contaminant = window.trendsView()->findChild<QComboBox*>("siteTrendContaminant");
    for (int k = 0; k < contaminant->count(); ++k) {
      contaminant->setCurrentIndex(k);
      QTest::qWait(10);
      QVERIFY2(!table->horizontalScrollBar()->isVisible(), qPrintable(contaminant->itemText(k)));
      const int last = table->columnCount() - 1;
      const int right = table->horizontalHeader()->sectionViewportPosition(last) +
                        table->horizontalHeader()->sectionSize(last);
      QVERIFY(right <= table->viewport()->width());
    }
    keepPicture(window, "site-trends-default.png");
  }

  // Last, since it changes the size the next window opens with: the size
  // the user gave the window holds at its next opening.
  void theWindowKeepsTheSizeGiven() {
    FakePlatform platform;
    Owned project = Example();
    const QSize given(760, 540);
    {
      SiteDataWindow window(project.get());
      QVERIFY(showActive(window));
      QVERIFY(window.size() != given);
      window.resize(given);
      QTest::qWait(1);
      window.close();
    }
    SiteDataWindow again(project.get());
    QCOMPARE(again.size(), given);
  }
};

QTEST_MAIN(TestSiteWindowSize)
#include "tst_sitewindowsize.moc"
