// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// One shape for work that may take longer than a frame: the work runs on a
// worker thread on a copy of what it reads, its progress reaches the
// interface thread as queued calls, Cancel stops it, and its result is
// dropped when the project no longer matches the copy by the time it is
// done. At most one run at a time; the thread never outlives the
// controller, which waits for it when destroyed.
//
// A window holds one controller and starts a Job on it:
//
//   RunController::Job<Snapshot, Result> job;
//   job.input = std::make_shared<Snapshot>(...);         // what the run reads
//   job.work = [](const Snapshot& s, const RunProgress& progress) { ... };
//   job.stillHolds = [this](const Snapshot& s) { ... };  // the project still matches s
//   job.deliver = [this](auto snapshot, Result result) { ... };
//   controller.Start(std::move(job));
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Called by the work now and then with the share done (0..1), from the
// worker thread; false means the run was cancelled and the work should
// return at once (its result is dropped anyway).
using RunProgress = std::function<bool(double share)>;

class RunController : public QObject {
  Q_OBJECT
 public:
  enum class Outcome {
    Delivered,       // the result went to deliver
    Cancelled,       // Cancel was called; nothing delivered
    ProjectChanged,  // the project no longer matched the input; dropped
    Failed,          // the work threw (out of memory); nothing delivered
  };
  Q_ENUM(Outcome)

  template <typename Input, typename Result>
  struct Job {
    // A copy of everything the work reads, made on the interface thread.
    std::shared_ptr<const Input> input;
    // On the worker thread: the result from the input.
    std::function<Result(const Input&, const RunProgress&)> work;
    // On the interface thread when the work is done: whether the project
    // still matches the input. None: it always does.
    std::function<bool(const Input&)> stillHolds;
    // On the interface thread: takes a result that still holds.
    std::function<void(const std::shared_ptr<const Input>&, Result&&)> deliver;
  };

  explicit RunController(QObject* parent = nullptr);
  // Cancels a run and waits for its thread, telling nobody.
  ~RunController() override;

  // Starts the job on a new worker thread; false (and nothing started)
  // while a run is going or when the thread cannot be made.
  template <typename Input, typename Result>
  bool Start(Job<Input, Result> job);
  // Stops a run and waits for its thread; the run ends as Cancelled.
  void Cancel();

  bool running() const { return running_; }
  // The share done of the current run, as last reported.
  double progress() const { return shown_; }

 signals:
  void runningChanged(bool running);
  void progressChanged(double share);
  void finished(RunController::Outcome outcome);

 private:
  // The typed job with its types erased: the work returns, on the worker,
  // the call that hands its result to deliver on the interface thread.
  using Delivery = std::function<void()>;
  using ErasedWork = std::function<Delivery(const RunProgress&)>;
  bool startErased(ErasedWork work, std::function<bool()> stillHolds);
  void workDone(quint64 run, Delivery delivery);
  void reportProgress(quint64 run);
  void end(Outcome outcome, const Delivery& delivery);
  void join();

  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::function<bool()> stillHolds_;
  quint64 run_ = 0;  // the current run's number; 0 when none
  quint64 lastRun_ = 0;
  bool running_ = false;
  double shown_ = 0.0;
  // Written by the worker, read by the interface thread.
  std::atomic<double> latest_{0.0};
  std::atomic<bool> progressQueued_{false};
};

template <typename Input, typename Result>
bool RunController::Start(Job<Input, Result> job) {
  auto input = std::move(job.input);
  if (!input || !job.work) return false;
  auto work = std::move(job.work);
  auto deliver = std::move(job.deliver);
  auto stillHolds = std::move(job.stillHolds);
  return startErased(
      [input, work, deliver](const RunProgress& progress) -> Delivery {
        auto result = std::make_shared<Result>(work(*input, progress));
        return [input, deliver, result] {
          if (deliver) deliver(input, std::move(*result));
        };
      },
      [input, stillHolds] { return !stillHolds || stillHolds(*input); });
}
