// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Help that answers: every control of the pages and of the database editor
// has its text in the manual, F1 asks for the section of the page or dialog,
// and the desktop shows the manual and the pop-ups.
#include <memory>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "analysis/EvidenceWindow.h"
#include "analysis/PlumeView.h"
#include "analysis/RobustnessDialog.h"
#include "analysis/TimeWindow.h"
#include "analysis/TransportDialog.h"
#include "app/PageTabs.h"
#include "pages/ContaminantEditorDialog.h"
#include "pages/ProblemsDialog.h"
#include "platform/HelpViewer.h"
#include "platform/ManualHelp.h"
#include "shell_fixture.h"

namespace {

bool isInputControl(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w);
}

// The controls a user works with on `root`, found in the real widgets: not
// the parts of another control (a tree's header, a combo box's list).
QList<QWidget*> inputControls(QWidget* root) {
  QList<QWidget*> controls;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    bool part = false;
    for (QWidget* p = w->parentWidget(); p && p != root && !part; p = p->parentWidget())
      part = isInputControl(p);
    if (isInputControl(w) && !part) controls << w;
  }
  return controls;
}

// Whether `heading` is `section` or one of its subsections ("7." holds "7.1").
bool within(const QString& heading, const QString& section) {
  return !section.isEmpty() && heading.startsWith(section.section(QLatin1Char(' '), 0, 0));
}

// Every input control on `root` without a text in `section`.
QStringList controlsWithoutHelp(QWidget* root, const QString& section) {
  const ManualHelp& manual = ManualHelp::builtIn();
  QStringList missing;
  for (QWidget* control : inputControls(root)) {
    const int id = controlId(control);
    if (!id || manual.text(id).isEmpty() || !within(manual.section(id), section))
      missing << QStringLiteral("%1 (%2, id %3)")
                     .arg(control->objectName(), control->metaObject()->className())
                     .arg(id);
  }
  return missing;
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void markersAreReadAndTakenOut() {
    const ManualHelp manual(
        QStringLiteral("# 1. One\n\n<!-- help 7 8 -->\n- **x** [m] — text\ngoes on\n"
                       "- next item\n\n<!-- help 7 -->\ntwice\n<!-- help x -->\n\n"
                       "<!-- help 9 -->\n\n## 1.1 Two\n<!-- help 10 -->\nVersion @VERSION@\n"),
        QStringLiteral("2.0"));
    QCOMPARE(manual.text(7), QStringLiteral("**x** [m] — text\ngoes on"));
    QCOMPARE(manual.text(8), manual.text(7));
    QCOMPARE(manual.section(8), QStringLiteral("1. One"));
    QCOMPARE(manual.text(10), QStringLiteral("Version 2.0"));
    QCOMPARE(manual.section(10), QStringLiteral("1.1 Two"));
    QVERIFY(manual.text(9).isEmpty());
    // Marked twice, unreadable, and without a paragraph: three faults.
    QCOMPARE(manual.errors().size(), 3);
    QVERIFY(!manual.markdown().contains(QStringLiteral("<!--")));
    QVERIFY(manual.markdown().contains(QStringLiteral("- next item")));

    QVERIFY2(ManualHelp::builtIn().errors().isEmpty(), qPrintable(ManualHelp::builtIn().errors().join('\n')));
  }

  void everyControlHasAHelpText() {
    ShellSession session;
    auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp"));
    const ManualHelp& manual = ManualHelp::builtIn();
    for (int i = 0; i < PageTabs::kPageCount; ++i) {
      QWidget* page = window->pageTabs->page(i);
      const QString section = manual.section(controlId(page));
      QVERIFY2(section.contains(window->pageTabs->tabBar()->tabText(i)), qPrintable(section));
      QVERIFY(inputControls(page).size() >= 4);
      QCOMPARE(controlsWithoutHelp(page, section), QStringList());
    }
    ContaminantEditorDialog editor;
    const QString section = manual.section(controlId(&editor));
    QVERIFY2(section.contains(QStringLiteral("database")), qPrintable(section));
    QVERIFY(inputControls(&editor).size() >= 16);
    QCOMPARE(controlsWithoutHelp(&editor, section), QStringList());
    // The sorption dialog, with a row and its source list per contaminant.
    TransportDialog transport(*window->project);
    const QString transportSection = manual.section(controlId(&transport));
    QVERIFY2(transportSection.contains(QStringLiteral("Sorption")), qPrintable(transportSection));
    QVERIFY(inputControls(&transport).size() >= 5);
    QCOMPARE(controlsWithoutHelp(&transport, transportSection), QStringList());
    // The Time window: its chooser, table and buttons.
    TimeWindow time(*window->project);
    const QString timeSection = manual.section(controlId(&time));
    QVERIFY2(timeSection.contains(QStringLiteral("Time")), qPrintable(timeSection));
    QVERIFY(inputControls(&time).size() >= 4);
    QCOMPARE(controlsWithoutHelp(&time, timeSection), QStringList());
  }

  void f1AsksForTheSectionShiftF1ForTheControl() {
    ShellSession session;
    auto window = session.start();
    const ManualHelp& manual = ManualHelp::builtIn();
    auto askedSection = [&] {
      const RecordedHelp& asked = session.platform.helpRequests.last();
      return asked.kind == Platform::HelpKind::Topic ? manual.section(asked.contextId) : QString();
    };
    for (int i = 0; i < PageTabs::kPageCount; ++i) {
      window->ViewPage(i);
      const QString section = manual.section(controlId(window->pageTabs->page(i)));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
      QVERIFY2(within(askedSection(), section), qPrintable(askedSection()));
      // From the tab bar too: the current page's section.
      window->pageTabs->tabBar()->setFocus();
      QTest::keyClick(window->pageTabs->tabBar(), Qt::Key_F1);
      QCOMPARE(askedSection(), section);
    }

    // Shift+F1: the pop-up of the focused control, just below it.
    window->ViewPage(1);
    auto* kf = child<QLineEdit>(window.get(), "kfEdit");
    kf->setFocus();
    session.platform.helpAvailable = true;
    QTest::keyClick(kf, Qt::Key_F1, Qt::ShiftModifier);
    const RecordedHelp& popup = session.platform.helpRequests.last();
    QCOMPARE(popup.kind, Platform::HelpKind::Popup);
    QCOMPARE(popup.contextId, controlId(kf));
    QCOMPARE(kf->mapFromGlobal(popup.at), QPoint(kf->width() / 2, kf->height()));

    // The windows opened from the results page: each its own section.
    QVERIFY(window->OpenProjectFile(QStringLiteral(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp")));
    window->ViewPage(PageTabs::kPageCount - 1);
    const std::pair<std::unique_ptr<QDialog>, const char*> windows[] = {
        {std::make_unique<ProblemsDialog>(), "Problems"},
        {std::make_unique<RobustnessDialog>(window->project, 0, true, 0), "Robustness"},
        {std::make_unique<PlumeView>(window->project, kAssessmentRanges[0].range, -1), "plume view"},
        {std::make_unique<EvidenceWindow>(*window->project, VerdictOptionsOf(*window->project)),
         "Lines of evidence"},
    };
    for (const auto& [dialog, heading] : windows) {
      dialog->show();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
      QVERIFY2(askedSection().contains(QLatin1String(heading)), qPrintable(askedSection()));
      dialog->close();
    }

    // The editor: F1 and its Help button; help that cannot be shown says so.
    // The working list it makes on showing belongs to its caller, this test.
    ContaminantEditorDialog editor;
    const std::unique_ptr<Contaminant*, void (*)(Contaminant**)> ownList(
        &editor.workingList, [](Contaminant** list) { std::free(*list); });
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    const QString section = manual.section(controlId(&editor));
    QTest::keyClick(editor.focusWidget(), Qt::Key_F1);
    QCOMPARE(askedSection(), section);
    const int messages = session.platform.messages.size();
    session.platform.helpAvailable = false;
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("helpButton")), Qt::LeftButton);
    QCOMPARE(askedSection(), section);
    QCOMPARE(session.platform.messages.size(), messages + 1);
    QCOMPARE(session.platform.messages.last().text, QStringLiteral("Failed to launch help."));
  }

  void desktopShowsTheManualAndThePopups() {
    Platform desktop;
    const ManualHelp& manual = ManualHelp::builtIn();
    const int kfId = 1102;  // the hydraulic conductivity on the Aquifer page
    QVERIFY(desktop.requestHelp(kfId, Platform::HelpKind::Topic));
    HelpWindow* window = help::window();
    QVERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->currentSection(), manual.section(kfId));
    QTextBrowser* browser = window->browser();
    QVERIFY(!browser->toPlainText().contains(QStringLiteral("<!--")));
    // The section's heading stands at the top of the view.
    QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
    QTextBlock heading = browser->document()->begin();
    while (heading.isValid() && heading.text() != manual.section(kfId)) heading = heading.next();
    const qreal top = browser->document()->documentLayout()->blockBoundingRect(heading).top() -
                      browser->verticalScrollBar()->value();
    QVERIFY2(top >= 0 && top < 40, qPrintable(QString::number(top)));

    QVERIFY(desktop.requestHelp(kfId, Platform::HelpKind::Popup, window->mapToGlobal(QPoint(50, 50))));
    QWidget* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QWhatsThat") && w->isVisible()) popup = w;
    QVERIFY(popup);
    QVERIFY(!desktop.requestHelp(99999, Platform::HelpKind::Popup));

    QVERIFY(desktop.requestHelp(0, Platform::HelpKind::Close));
    QVERIFY(!help::window());

    // Asked from a modal dialog, the help window takes the user's clicks.
    QDialog dialog;
    QString reached;
    QTimer::singleShot(0, &dialog, [&] {
      desktop.requestHelp(kfId, Platform::HelpKind::Topic);
      HelpWindow* help = help::window();
      if (help && QTest::qWaitForWindowExposed(help)) {
        QTreeWidget* contents = help->contents();
        QTreeWidgetItem* first = contents->topLevelItem(1);
        // Through the window system, which drops the clicks of blocked windows.
        const QPoint at = contents->viewport()->mapTo(help, contents->visualItemRect(first).center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
        reached = help->currentSection();
      }
      dialog.reject();
    });
    dialog.exec();
    QCOMPARE(reached, QStringLiteral("1. What Virelo is for"));
    desktop.requestHelp(0, Platform::HelpKind::Close);
  }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
