// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The run controller: work on a worker thread whose progress and result
// reach the interface thread, Cancel mid-run, a result dropped because the
// project changed while the work ran, and no thread outliving the
// controller.
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <new>

#include "analysis/RunController.h"

namespace {

using Outcome = RunController::Outcome;

// The project a job reads, reduced to a version number; the input is the
// version when the run started.
struct Job {
  int* project;
  std::atomic<bool> started{false}, stopped{false}, go{false};
  int delivered = -1;
  int deliveries = 0;
  bool deliveredOnInterfaceThread = false;

  // Reports progress until told to go on (or cancelled), then returns twice
  // the input.
  RunController::Job<int, int> make() {
    RunController::Job<int, int> job;
    job.input = std::make_shared<const int>(*project);
    job.work = [this](const int& input, const RunProgress& progress) {
      started = true;
      for (double share = 0.0; !go; share = share < 0.9 ? share + 0.01 : share) {
        if (!progress(share)) {
          stopped = true;
          return -1;
        }
        QThread::msleep(1);
      }
      progress(1.0);
      return 2 * input;
    };
    job.stillHolds = [this](const int& input) { return input == *project; };
    job.deliver = [this](const std::shared_ptr<const int>&, int&& result) {
      delivered = result;
      ++deliveries;
      deliveredOnInterfaceThread = QThread::currentThread() == qApp->thread();
    };
    return job;
  }
};

Outcome outcomeOf(const QSignalSpy& spy) {
  return spy.last().at(0).value<Outcome>();
}

}  // namespace

class TestRunController : public QObject {
  Q_OBJECT
 private slots:
  void deliversOnTheInterfaceThreadWithProgress() {
    int project = 21;
    Job job{&project};
    RunController controller;
    QSignalSpy finished(&controller, &RunController::finished);
    QSignalSpy running(&controller, &RunController::runningChanged);
    bool progressOnInterfaceThread = true;
    double lastShare = -1.0;
    connect(&controller, &RunController::progressChanged, [&](double share) {
      progressOnInterfaceThread = progressOnInterfaceThread && QThread::currentThread() == qApp->thread();
      lastShare = share;
    });
    QVERIFY(controller.Start(job.make()));
    QVERIFY(controller.running());
    QCOMPARE(running.count(), 1);
    QTRY_VERIFY(lastShare > 0.0);            // queued reports arrive while it works
    QVERIFY(!controller.Start(job.make()));  // one run at a time
    job.go = true;
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(outcomeOf(finished), Outcome::Delivered);
    QCOMPARE(job.delivered, 42);
    QCOMPARE(job.deliveries, 1);
    QVERIFY(job.deliveredOnInterfaceThread);
    QVERIFY(progressOnInterfaceThread);
    QCOMPARE(lastShare, 1.0);
    QVERIFY(!controller.running());
    QCOMPARE(running.count(), 2);
  }

  void cancelMidRunDeliversNothing() {
    int project = 1;
    Job job{&project};
    RunController controller;
    QSignalSpy finished(&controller, &RunController::finished);
    QVERIFY(controller.Start(job.make()));
    QTRY_VERIFY(job.started);
    controller.Cancel();
    // Cancel waits for the work, which saw it.
    QVERIFY(job.stopped);
    QVERIFY(!controller.running());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(outcomeOf(finished), Outcome::Cancelled);
    QCOMPARE(controller.progress(), 0.0);
    QTest::qWait(30);  // the work's queued messages bring nothing back
    QCOMPARE(job.deliveries, 0);
    QCOMPARE(finished.count(), 1);

    // The next run starts afresh.
    Job next{&project};
    next.go = true;
    QVERIFY(controller.Start(next.make()));
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(outcomeOf(finished), Outcome::Delivered);
    QCOMPARE(next.delivered, 2);
  }

  void projectChangedMidRunDropsTheResult() {
    int project = 5;
    Job job{&project};
    RunController controller;
    QSignalSpy finished(&controller, &RunController::finished);
    QVERIFY(controller.Start(job.make()));
    QTRY_VERIFY(job.started);
    project = 6;  // an edit while the worker reads its copy
    job.go = true;
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(outcomeOf(finished), Outcome::ProjectChanged);
    QCOMPARE(job.deliveries, 0);
    QCOMPARE(controller.progress(), 0.0);
    QVERIFY(!controller.running());

    // Changed back before the end, the project matches again.
    Job again{&project};
    QVERIFY(controller.Start(again.make()));
    QTRY_VERIFY(again.started);
    project = 7;
    project = 6;
    again.go = true;
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(outcomeOf(finished), Outcome::Delivered);
    QCOMPARE(again.delivered, 12);
  }

  void destroyedMidRunStopsAndJoinsTheWorker() {
    int project = 3;
    Job job{&project};
    auto controller = std::make_unique<RunController>();
    int finished = 0;
    connect(controller.get(), &RunController::finished, [&] { ++finished; });
    QVERIFY(controller->Start(job.make()));
    QTRY_VERIFY(job.started);
    controller.reset();
    // The work was told to stop and has returned: no thread outlives it.
    QVERIFY(job.stopped);
    QTest::qWait(30);
    QCOMPARE(job.deliveries, 0);
    QCOMPARE(finished, 0);
  }

  // Cancel with nothing running, as closing a window does, changes nothing:
  // before any run, and after one has delivered.
  void cancelWhenIdleIsNoEvent() {
    int project = 4;
    Job job{&project};
    RunController controller;
    QSignalSpy finished(&controller, &RunController::finished);
    QSignalSpy progress(&controller, &RunController::progressChanged);
    controller.Cancel();
    QCOMPARE(finished.count(), 0);
    QCOMPARE(progress.count(), 0);
    job.go = true;
    QVERIFY(controller.Start(job.make()));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(outcomeOf(finished), Outcome::Delivered);
    const int reports = progress.count();
    controller.Cancel();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(progress.count(), reports);
    QCOMPARE(controller.progress(), 1.0);
    QCOMPARE(job.deliveries, 1);
  }

  void workThatThrowsFails() {
    RunController controller;
    QSignalSpy finished(&controller, &RunController::finished);
    RunController::Job<int, int> job;
    job.input = std::make_shared<const int>(0);
    job.work = [](const int&, const RunProgress&) -> int { throw std::bad_alloc(); };
    bool delivered = false;
    job.deliver = [&](const std::shared_ptr<const int>&, int&&) { delivered = true; };
    QVERIFY(controller.Start(std::move(job)));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(outcomeOf(finished), Outcome::Failed);
    QVERIFY(!delivered);
    QVERIFY(!controller.running());
  }
};

QTEST_MAIN(TestRunController)
#include "tst_runcontroller.moc"
