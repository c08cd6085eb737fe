// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Takes the pictures of docs/screenshots/ from the real windows, headless:
//   QT_QPA_PLATFORM=offscreen take_screenshots [--lang de|nl] PROJECT.vrp OUTDIR
// (in English unless --lang names the language, whatever the desktop's).
// Every question a window would ask is answered without a person, and the
// splash is grabbed instead of waited for.
#include <QAbstractTableModel>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

#include "analysis/ChainWindow.h"
#include "analysis/EvidenceWindow.h"
#include "analysis/PlumeView.h"
#include "analysis/RobustnessDialog.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteDecayView.h"
#include "analysis/TimeWindow.h"
#include "analysis/TransportDialog.h"
#include "analysis/UncertaintyWindow.h"
#include "app/AboutDialog.h"
#include "app/DataCommands.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/Language.h"
#include "app/MainDialog.h"
#include "app/PageTabs.h"
#include "app/ReportBoxes.h"
#include "diagnostics/report.h"
#include "engine/core/exact.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/transport.h"
#include "pages/CPropConts.h"
#include "pages/CPropResults.h"
#include "pages/ContaminantEditorDialog.h"
#include "pages/ResultListModel.h"
#include "persistence/database.h"
#include "platform/DecimalSign.h"
#include "platform/HelpViewer.h"
#include "platform/Platform.h"

namespace {

bool save(QWidget* widget, const QString& file) {
  QApplication::processEvents();
  const bool ok = widget->grab().save(file);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
  return ok;
}

class ScreenshotPlatform : public Platform {
 public:
  QString dir;
  QString plumeFile = QStringLiteral("plume-view.png");
  QString siteContaminant;  // whose decay constant the Site data window applied
  int execDialog(QDialog* dialog) override {
    dialog->show();
    if (qobject_cast<ContaminantEditorDialog*>(dialog)) save(dialog, dir + "/editor.png");
    if (qobject_cast<RobustnessDialog*>(dialog)) save(dialog, dir + "/robustness.png");
    if (auto* window = qobject_cast<UncertaintyWindow*>(dialog)) {
      // After a run, with the attenuation factor of the first contaminant marked.
      window->Run();
      while (window->running()) QApplication::processEvents(QEventLoop::AllEvents, 50);
      QApplication::processEvents();
      if (window->resultsModel()->rowCount() > 1)
        window->resultsTable()->setCurrentIndex(window->resultsModel()->index(1, 0));
      save(dialog, dir + "/uncertainty.png");
    }
    if (qobject_cast<ChainWindow*>(dialog)) save(dialog, dir + "/decay-chain.png");
    if (qobject_cast<TransportDialog*>(dialog)) {
      // At the size it opens with on a laptop's screen (the offscreen
      // screen is smaller).
      dialog->resize(1040, 520);
      save(dialog, dir + "/sorption.png");
    }
    if (auto* evidence = qobject_cast<EvidenceWindow*>(dialog)) {
      while (evidence->controller()->running()) QApplication::processEvents(QEventLoop::AllEvents, 50);
      QApplication::processEvents();
      save(dialog, dir + "/evidence.png");
    }
    if (auto* time = qobject_cast<TimeWindow*>(dialog)) {
      // As it opens on a laptop's 1366x768, once every row and curve is in,
      // the centre line a third of the way.
      time->resize(1340, 720);
      while (time->controller()->running()) QApplication::processEvents(QEventLoop::AllEvents, 50);
      QApplication::processEvents();
      time->timeSlider()->setValue(TimeWindow::kSliderSteps / 3);
      save(dialog, dir + "/time.png");
    }
    if (auto* site = qobject_cast<SiteDataWindow*>(dialog)) {
      // Each tab at the size the pictures of the manual show, then the
      // decay constant of the contaminant the decay tab opens with applied,
      // so that the plume view after it carries the wells' measurements.
      site->resize(1100, 720);
      const char* names[] = {"site-tables.png", "site-decay.png", "site-trends.png", "site-mass.png"};
      for (int tab = 0; tab < 4; ++tab) {
        site->tabs()->setCurrentIndex(tab);
        save(dialog, dir + "/" + names[tab]);
      }
      if (site->decayView()->UseAsDecayConstant())
        siteContaminant = site->decayView()->contaminantCombo()->currentText();
    }
    if (auto* view = qobject_cast<PlumeView*>(dialog)) {
      // With the mouse resting on the chart just past the receptor.
      QApplication::processEvents();
      QChartView* chart = view->chartView();
      QChart* c = chart->chart();
      const QPointF at = c->mapToPosition(QPointF(view->profile().x * 1.1, 1e-3), c->series().first());
      const QPoint pos = chart->mapFromScene(c->mapToScene(at));
      QMouseEvent move(QEvent::MouseMove, pos, chart->viewport()->mapToGlobal(pos), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(chart->viewport(), &move);
      save(dialog, dir + "/" + plumeFile);
    }
    dialog->hide();
    return QDialog::Rejected;
  }
  int messageBox(QWidget*, const QString&, const QString&, int buttons, Icon) override {
    return (buttons & Cancel) ? Cancel : Ok;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QString lang;
  QString langError;
  argc = language::takeOption(argc, argv, &lang, &langError);
  QApplication app(argc, argv);
  if (argc != 3 || !langError.isEmpty()) {
    std::fprintf(stderr, "usage: take_screenshots [--lang de|nl] PROJECT.vrp OUTDIR\n");
    return 2;
  }
  language::installTranslators(&app, lang);
  SetShownDecimalSign(DecimalSignFor(lang));
  help::setLanguage(lang.isEmpty() ? QStringLiteral("en") : lang);
  const QString dir = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(dir);
  ScreenshotPlatform platform;
  platform.dir = dir;
  Platform::setInstance(&platform);
  SetInstalledReportHandlers(ShowErrorBox, ShowWarningBox, PrintDebugLine);
  virelo_Init();

  bool ok = true;
  {
    MainDialog window;
    window.Initialise(QString::fromLocal8Bit(argv[1]));
    window.show();
    const char* names[] = {"main-project.png", "main-aquifer.png", "main-contaminants.png",
                           "main-results.png"};
    for (int i = 0; i < 4; ++i) {
      window.ViewPage(i);
      if (i == 2 && window.project && window.project->contaminantCount > 0) {
        // Show the inputs of the first assessed contaminant, with its group open.
        auto* page = window.pageTabs->contaminantsPage;
        for (int k = 0; k < window.project->contaminantCount; ++k) {
          if (!window.project->contaminants[k].assess) continue;
          const QModelIndex item = page->FindItemForContaminant(k);
          page->tree()->expandAll();
          page->tree()->setCurrentIndex(item);
          break;
        }
      }
      ok &= save(&window, dir + "/" + names[i]);
    }
    // The attenuation-factor list with the first row whose two models fall
    // on opposite sides of CA marked.
    CPropResults* results = window.pageTabs->resultsPage;
    QTreeView* afList = results->list(CPropResults::AttenuationFactorSide);
    ResultListModel* afRows = results->listModel(CPropResults::AttenuationFactorSide);
    for (int k = 0; k < afRows->size(); ++k) {
      if (!afRows->row(k).straddles) continue;
      afList->setCurrentIndex(afRows->index(k, 0));
      ok &= save(afList->parentWidget(), dir + "/results-straddle.png");
      break;
    }
    // The plume view of the first contaminant whose exact solution changes
    // the class, or else of the first with an attenuation factor.
    // The page works out exact solutions only for the rows it draws.
    if (window.project) virelo_math_CalcExactAll(window.project, 0);
    int shown = -1;
    for (int i = 0; window.project && i < window.project->resultCount && shown < 0; ++i)
      if (CompareExactWithScreening(window.project->results[i], results->afRange()) ==
          ExactComparison::WorseClass)
        shown = i;
    results->ShowPlume(shown);

    // Help: F1 on the Aquifer page opens the manual at its section; Shift+F1
    // on the conductivity shows its text beside the field.
    window.ViewPage(1);
    auto* kf = window.findChild<QLineEdit*>(QStringLiteral("kfEdit"));
    kf->setFocus();
    window.helpCommands->helpAction->trigger();
    if (HelpWindow* help = help::window()) {
      ok &= save(help, dir + "/help-window.png");
      help->close();
    }
    QApplication::setActiveWindow(&window);
    kf->setFocus();
    window.helpCommands->whatsThisKeyAction->trigger();
    QApplication::processEvents();
    QWidget* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QWhatsThat") && w->isVisible()) popup = w;
    if (popup) {
      // The pop-up is a window of its own: drawn onto the page where it stands.
      QPixmap picture = window.grab();
      popup->render(&picture, window.mapFromGlobal(popup->pos()));
      const bool saved = picture.save(dir + "/whats-this.png");
      std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(dir + "/whats-this.png"));
      ok &= saved;
      popup->close();
    } else {
      std::printf("FAILED: no What's-this pop-up\n");
      ok = false;
    }

    AboutDialog about(&window, 0);
    about.show();
    ok &= save(&about, dir + "/about.png");
    AboutDialog splash(&window, 1200);
    splash.show();
    ok &= save(&splash, dir + "/splash.png");
    splash.accept();

    QMessageBox prompt(QMessageBox::Warning, "Virelo", "Current project was modified. Save?",
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window);
    prompt.show();
    ok &= save(&prompt, dir + "/save-prompt.png");

    EditGenericData(window);  // the platform grabs the editor

    // A project with a decay chain: the results page with its marks, and the
    // chain's window (grabbed by the platform).
    if (window.project && !virelo_ExtrasOf(*window.project).chains.empty()) {
      window.ViewPage(3);
      ok &= save(&window, dir + "/main-results-chain.png");
      OpenDecayChain(window);
    }

    // A project with sorption or a shrinking source: the Time window
    // (grabbed by the platform).
    if (window.project && !TransportIsDefault(*window.project)) {
      OpenTransportInputs(window);
      OpenTime(window);
    }

    // The lines of evidence of a project with monitoring data (grabbed by
    // the platform).
    if (window.project && !virelo_ExtrasOf(*window.project).site.empty()) OpenEvidence(window);

    // The robustness view of the first result's attenuation factor without
    // problems; the platform grabs it.
    window.ViewPage(3);
    for (int k = 0; window.project && k < window.project->resultCount; ++k) {
      const ContaminantResult& r = window.project->results[k];
      const Contaminant& c = window.project->contaminants[r.contaminantIndex];
      if ((c.assess & kAssessAttenuationFactor) && !HasAttenuationFactorProblems(r)) {
        window.pageTabs->resultsPage->ShowRobustness(k, CPropResults::AttenuationFactorSide);
        break;
      }
    }

    // The Uncertainty window on ranges a consultant might defend for the
    // site; the platform runs it and grabs it.
    if (window.project && window.project->contaminantCount > 0) {
      UncertaintyPlan& plan = virelo_Extras(window.project).uncertainty;
      plan.samples = 10000;
      plan.inputs = {
          {UncertainInput::Kf, "", DistributionKind::LogNormal, {window.project->aquifer.conductivityKf, 2}},
          {UncertainInput::I, "", DistributionKind::Triangular, {0.003, 0.004, 0.006}},
          {UncertainInput::Ne, "", DistributionKind::Normal, {0.2, 0.04, 0.1, 0.35}},
          {UncertainInput::Lambda,
           window.project->contaminants[0].name,
           DistributionKind::LogNormal,
           {0.008, 2.5}}};
      window.pageTabs->resultsPage->ShowUncertainty();
      // The lists with the run's probabilities beside every other column.
      ok &= save(&window, dir + "/main-results-uncertainty.png");
    }

    // A project with site data: the Site data window's tabs (the platform
    // grabs them) and the plume view of the first contaminant with a decay
    // constant from the wells, the wells drawn on it.
    if (window.project && !virelo_ExtrasOf(*window.project).site.wells.empty()) {
      OpenSiteData(window);
      window.ViewPage(3);
      platform.plumeFile = QStringLiteral("site-plume.png");
      for (int k = 0; k < window.project->resultCount; ++k) {
        const Contaminant& c = window.project->contaminants[window.project->results[k].contaminantIndex];
        if (fromRecordText(c.name) != platform.siteContaminant || !(c.assess & kAssessAttenuationFactor))
          continue;
        window.pageTabs->resultsPage->ShowPlume(k);
        break;
      }
    }
  }
  virelo_Exit();
  Platform::setInstance(nullptr);
  return ok ? 0 : 1;
}
