// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Every window of the Data menu opens within the screen's free area, room
// for its frame left, so that a laptop's 1366x768 shows its buttons: the
// headless screen here is smaller still.
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTest>

#include "app/DataCommands.h"
#include "app/MainDialog.h"
#include "platform/Platform.h"
#include "shell_fixture.h"

class TestWindowSizes : public QObject {
  Q_OBJECT
 private slots:
  void dataWindowsFitTheScreen() {
    ShellSession session;
    const QString file = session.path("cleaner.vrp");
    QVERIFY(QFile::copy(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", file));
    auto window = session.start(file);
    QStringList seen;
    session.platform.dialogHandler = [&](QDialog* dialog) {
      const QSize free = dialog->screen()->availableGeometry().size();
      const QSize room = free - QSize(16, 48);
      const QSize least = dialog->minimumSizeHint();
      if (dialog->width() > std::max(room.width(), least.width()) ||
          dialog->height() > std::max(room.height(), least.height()))
        qWarning("%s opens %dx%d on a free area of %dx%d", qPrintable(dialog->windowTitle()), dialog->width(),
                 dialog->height(), free.width(), free.height());
      else
        seen << dialog->windowTitle();
      return int(QDialog::Rejected);
    };
    const char* actions[] = {"siteData", "decayChain", "uncertainty", "transport", "time", "evidence"};
    for (const char* name : actions) {
      QAction* action = window->dataCommands->action(name);
      QVERIFY2(action, name);
      action->trigger();
    }
    QCOMPARE(seen.size(), int(std::size(actions)));
  }

  void resizeKeepsWhatFits() {
    QDialog small;
    ResizeWithinScreen(&small, QSize(300, 200));
    QCOMPARE(small.size(), QSize(300, 200));
    QDialog large;
    ResizeWithinScreen(&large, QSize(5000, 5000));
    const QSize free = large.screen()->availableGeometry().size();
    QCOMPARE(large.size(), free - QSize(16, 48));
  }
};

QTEST_MAIN(TestWindowSizes)
#include "tst_windowsizes.moc"
