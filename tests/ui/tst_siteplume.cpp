// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Plume as a whole part of the Site data window, driven as a user does:
// the rounds and the light the engine gives, a round length that reaches
// the project, transects and background wells typed, refused where they
// name no well, kept through a save, and each control's paragraph of the
// manual.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "analysis/SiteDataWindow.h"
#include "analysis/SitePlumeView.h"
#include "analysis/SiteTrendsView.h"
#include "engine/project/extras.h"
#include "engine/site/massdischarge.h"
#include "engine/site/plumemass.h"
#include "persistence/projectfile.h"
#include "platform/ManualHelp.h"
#include "platform/Platform.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"
#include "support/TableDriving.h"

namespace {

void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class TestSitePlume : public QObject {
  Q_OBJECT
 private slots:
  void roundsAndLightAreTheEngines() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SitePlumeView* view = window.plumeView();
    QVERIFY(view);
    window.tabs()->setCurrentWidget(view);
    view->contaminantCombo()->setCurrentText(QStringLiteral("Benzene"));

    const PlumeMassResult r =
        PlumeMassOf(virelo_ExtrasOf(*project).site, "Benzene", PlumeMassOptionsFor(*project, "Benzene"));
    QCOMPARE(view->roundsTable()->rowCount(), static_cast<int>(r.rounds.size()));
    QCOMPARE(r.rounds.size(), size_t(8));
    for (int row = 0; row < view->roundsTable()->rowCount(); ++row) {
      QCOMPARE(view->roundsTable()->item(row, 0)->text(), QString::fromStdString(r.rounds[row].date));
      QCOMPARE(view->roundsTable()->item(row, 2)->text().toDouble(),
               QString::number(r.rounds[row].moments.mass, 'g', 4).toDouble());
    }
    QVERIFY(view->roundsTable()->horizontalHeaderItem(2)->text().contains("kg/m"));
    const QString summary = view->summaryLabel()->text();
    QVERIFY2(summary.contains("Mass: Decreasing (S = -24"), qPrintable(summary));
    QVERIFY2(summary.contains("centre of mass: No Trend"), qPrintable(summary));
    QVERIFY2(summary.contains("Green"), qPrintable(summary));
    QVERIFY2(summary.contains("nearly in a row"), qPrintable(summary));

    // The round length is the project's: 100 days joins the quarterly rounds.
    QSignalSpy changed(&window, &SiteDataWindow::projectChanged);
    project->modified = 0;
    view->roundDaysSpin()->setFocus();
    view->roundDaysSpin()->selectAll();
    QTest::keyClicks(view->roundDaysSpin(), QStringLiteral("100"));
    QTest::keyClick(view->roundDaysSpin(), Qt::Key_Return);
    QCOMPARE(virelo_ExtrasOf(*project).monitoring.roundDays, 100);
    QVERIFY(project->modified);
    QVERIFY(changed.count() >= 1);
    QCOMPARE(view->roundsTable()->rowCount(),
             static_cast<int>(PlumeMassOf(virelo_ExtrasOf(*project).site, "Benzene",
                                          PlumeMassOptionsFor(*project, "Benzene"))
                                  .rounds.size()));
    QVERIFY(view->roundsTable()->rowCount() < 8);
    QVERIFY2(view->summaryLabel()->text().contains("No light"), qPrintable(view->summaryLabel()->text()));
  }

  void transectsAndBackgroundAreTypedAndKept() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SitePlumeView* view = window.plumeView();
    window.tabs()->setCurrentWidget(view);
    view->contaminantCombo()->setCurrentText(QStringLiteral("Benzene"));
    QTableWidget* table = view->transectTable();

    QTest::mouseClick(view->addTransectButton(), Qt::LeftButton);
    QCOMPARE(table->rowCount(), 1);
    QVERIFY(virelo_ExtrasOf(*project).monitoring.transects.empty());
    // One well is not a transect; the row waits and nothing is kept.
    QVERIFY(typeIntoCell(table, 0, 1, QStringLiteral("MW2")));
    QVERIFY2(view->messageLabel()->text().contains("two wells or more"),
             qPrintable(view->messageLabel()->text()));
    QVERIFY(virelo_ExtrasOf(*project).monitoring.transects.empty());
    QVERIFY(typeIntoCell(table, 0, 1, QStringLiteral("MW2, MW9")));
    QVERIFY2(view->messageLabel()->text().contains("no well MW9"), qPrintable(view->messageLabel()->text()));
    QVERIFY(virelo_ExtrasOf(*project).monitoring.transects.empty());
    QVERIFY(typeIntoCell(table, 0, 1, QStringLiteral("MW2, MW3")));
    const std::vector<Transect> one = {{"T1", {"MW2", "MW3"}}};
    QCOMPARE(virelo_ExtrasOf(*project).monitoring.transects, one);
    QVERIFY(project->modified);
    // The discharge table shows what the engine gives for it.
    const MassDischargeResult r =
        MassDischargeOf(virelo_ExtrasOf(*project).site, "Benzene", one, MassDischargeOptionsFor(*project));
    QVERIFY2(r.problem.empty(), r.problem.c_str());
    QCOMPARE(view->dischargeTable()->rowCount(), 1);
    QCOMPARE(view->dischargeTable()->item(0, 2)->text().toInt(),
             static_cast<int>(r.transects[0].rounds.size()));
    QVERIFY(view->dischargeTable()->item(0, 3)->text().startsWith(
        QString::number(r.transects[0].rounds.back().discharge, 'g', 4)));

    // A kept transect renamed to nothing stays as it was.
    QVERIFY(typeIntoCell(table, 0, 0, QString()));
    QVERIFY(view->messageLabel()->text().contains("needs a name"));
    QCOMPARE(virelo_ExtrasOf(*project).monitoring.transects, one);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("T1"));

    // Background wells: an unknown one is refused, a known one kept.
    TypeInto(view->backgroundEdit(), QStringLiteral("MW6, XX"));
    QVERIFY(view->messageLabel()->text().contains("no well XX"));
    QVERIFY(virelo_ExtrasOf(*project).monitoring.backgroundWells.empty());
    TypeInto(view->backgroundEdit(), QStringLiteral("MW6"));
    QCOMPARE(virelo_ExtrasOf(*project).monitoring.backgroundWells, std::vector<std::string>{"MW6"});
    // The redox table's solvent score reads the marked wells at once.
    TypeInto(view->backgroundEdit(), QStringLiteral("MW1, MW6"));
    QTableWidget* redox = window.trendsView()->redoxTable();
    QVERIFY(redox->rowCount() > 0);
    const QString tip = redox->item(0, 12)->toolTip();
    QVERIFY2(tip.contains("marked MW1, MW6"), qPrintable(tip));
    TypeInto(view->backgroundEdit(), QStringLiteral("MW6"));

    // Saved and opened again, the window shows them as typed.
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/kept.vrp").toLocal8Bit();
    QCOMPARE(virelo_SaveProject(project.get(), path.constData()), 1);
    Owned again(virelo_LoadProject(path.constData(), "rb"));
    QVERIFY(again);
    SiteDataWindow reopened(again.get());
    QCOMPARE(reopened.plumeView()->transectTable()->rowCount(), 1);
    QCOMPARE(reopened.plumeView()->transectTable()->item(0, 1)->text(), QStringLiteral("MW2, MW3"));
    QCOMPARE(reopened.plumeView()->backgroundEdit()->text(), QStringLiteral("MW6"));

    // Removing it leaves the project as without.
    table->setCurrentCell(0, 0);
    QTest::mouseClick(view->removeTransectButton(), Qt::LeftButton);
    QVERIFY(virelo_ExtrasOf(*project).monitoring.transects.empty());
    QCOMPARE(table->rowCount(), 0);
  }

  // Site data imported again without a marked background well: the mark
  // stays (the user's), the tab names it as counting for nothing, and the
  // other wells can still be edited around it.
  void aMarkedWellGoneFromTheSiteIsNamed() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    ProjectExtras& extras = virelo_Extras(project.get());
    SiteData& site = extras.site;
    QVERIFY(site.FindWell("MW6"));
    extras.monitoring.backgroundWells = {"MW6", "MW1"};
    std::erase_if(site.wells, [](const SiteWell& w) { return w.name == "MW6"; });
    std::erase_if(site.samples, [](const SiteSample& s) { return s.well == "MW6"; });
    SiteDataWindow window(project.get());
    SitePlumeView* view = window.plumeView();
    QVERIFY2(view->messageLabel()->text().contains("Background well MW6 is no longer in the site data"),
             qPrintable(view->messageLabel()->text()));
    QCOMPARE(view->backgroundEdit()->text(), QStringLiteral("MW6, MW1"));

    TypeInto(view->backgroundEdit(), QStringLiteral("MW6, MW1, MW2"));
    QCOMPARE(extras.monitoring.backgroundWells, (std::vector<std::string>{"MW6", "MW1", "MW2"}));
    TypeInto(view->backgroundEdit(), QStringLiteral("MW6, XX"));
    QVERIFY(view->messageLabel()->text().contains("no well XX"));
    QCOMPARE(extras.monitoring.backgroundWells, (std::vector<std::string>{"MW6", "MW1", "MW2"}));
    TypeInto(view->backgroundEdit(), QStringLiteral("MW1"));
    QCOMPARE(extras.monitoring.backgroundWells, std::vector<std::string>{"MW1"});
    QVERIFY(!view->messageLabel()->text().contains("MW6"));
  }

  void controlsHaveTheirParagraphs() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    SitePlumeView* view = window.plumeView();
    const ManualHelp& manual = ManualHelp::builtIn();
    const std::pair<QWidget*, const char*> controls[] = {
        {view->roundsTable(), "M0"},
        {view->roundDaysSpin(), "round"},
        {view->transectTable(), "transect"},
        {view->backgroundEdit(), "background"},
    };
    for (const auto& [widget, words] : controls)
      QVERIFY2(manual.text(controlId(widget)).contains(QLatin1String(words)), words);
  }
};

QTEST_MAIN(TestSitePlume)
#include "tst_siteplume.moc"
