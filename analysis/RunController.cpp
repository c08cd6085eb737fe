// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/RunController.h"

#include <exception>
#include <system_error>

RunController::RunController(QObject* parent) : QObject(parent) {}

RunController::~RunController() {
  if (cancel_) *cancel_ = true;
  // Whatever the worker queued for this object goes with it.
  join();
}

void RunController::join() {
  if (worker_.joinable()) worker_.join();
}

bool RunController::startErased(ErasedWork work, std::function<bool()> stillHolds) {
  if (running_) return false;
  // A run that ended by itself may have left its thread to be joined.
  join();
  const quint64 run = ++lastRun_;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  latest_ = 0.0;
  progressQueued_ = false;
  RunProgress progress = [this, run, cancel](double share) {
    latest_ = share;
    // One queued report at a time: the interface shows the latest share
    // when it gets to it, however often the work reports.
    if (!progressQueued_.exchange(true))
      QMetaObject::invokeMethod(
          this, [this, run] { reportProgress(run); }, Qt::QueuedConnection);
    return !*cancel;
  };
  try {
    worker_ = std::thread([this, run, work = std::move(work), progress = std::move(progress)] {
      Delivery delivery;
      try {
        delivery = work(progress);
      } catch (const std::exception&) {
        delivery = nullptr;  // ends as Failed
      }
      QMetaObject::invokeMethod(
          this, [this, run, delivery = std::move(delivery)] { workDone(run, delivery); },
          Qt::QueuedConnection);
    });
  } catch (const std::system_error&) {
    return false;  // no thread to be had
  }
  run_ = run;
  cancel_ = std::move(cancel);
  stillHolds_ = std::move(stillHolds);
  running_ = true;
  shown_ = 0.0;
  emit runningChanged(true);
  emit progressChanged(0.0);
  return true;
}

void RunController::reportProgress(quint64 run) {
  progressQueued_ = false;
  if (run != run_ || !running_) return;  // a cancelled run's last word
  shown_ = latest_;
  emit progressChanged(shown_);
}

void RunController::workDone(quint64 run, Delivery delivery) {
  if (run != run_ || !running_) return;  // cancelled meanwhile: Cancel has ended it
  join();
  if (!delivery) {
    end(Outcome::Failed, nullptr);
  } else if (*cancel_) {
    end(Outcome::Cancelled, nullptr);
  } else if (stillHolds_ && !stillHolds_()) {
    end(Outcome::ProjectChanged, nullptr);
  } else {
    end(Outcome::Delivered, delivery);
  }
}

void RunController::Cancel() {
  if (!running_) return;
  *cancel_ = true;
  // The work returns at its next report of progress.
  join();
  end(Outcome::Cancelled, nullptr);
}

void RunController::end(Outcome outcome, const Delivery& delivery) {
  run_ = 0;
  running_ = false;
  stillHolds_ = nullptr;
  shown_ = outcome == Outcome::Delivered ? 1.0 : 0.0;
  emit runningChanged(false);
  if (delivery) delivery();
  emit progressChanged(shown_);
  emit finished(outcome);
}
