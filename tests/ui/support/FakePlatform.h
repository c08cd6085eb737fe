// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A Platform that answers every question from a script, for headless tests.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>

#include "platform/Platform.h"

struct RecordedMessage {
  QString text;
  QString caption;
  int buttons;
  Platform::Icon icon;
};

struct RecordedHelp {
  int contextId;
  Platform::HelpKind kind;
  QPoint at;
};

class FakePlatform : public Platform {
 public:
  FakePlatform() { Platform::setInstance(this); }
  ~FakePlatform() override { Platform::setInstance(nullptr); }

  // Answers for the next message boxes, in order; when empty, the box is
  // answered with defaultAnswer (or Ok when it is not among the buttons).
  std::deque<int> answers;
  int defaultAnswer = Ok;
  QList<RecordedMessage> messages;

  // File dialog answers, in order; "" means cancelled. Empty queue: cancel.
  std::deque<QString> openFileNames;
  std::deque<QStringList> openFileLists;
  std::deque<QString> saveFileNames;
  int openDialogs = 0;
  int saveDialogs = 0;

  // Called for every modal dialog instead of running it; returns the result.
  // The default handler accepts nothing: it returns Rejected.
  std::function<int(QDialog*)> dialogHandler;
  QStringList dialogTitles;

  QList<QUrl> openedUrls;
  QList<RecordedHelp> helpRequests;
  bool helpAvailable = false;

  int messageBox(QWidget*, const QString& text, const QString& caption, int buttons, Icon icon) override {
    messages.append({text, caption, buttons, icon});
    int answer = defaultAnswer;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    if (!(answer & buttons)) answer = (buttons & Ok) ? Ok : (buttons & Cancel) ? Cancel : No;
    return answer;
  }
  QString getOpenFileName(QWidget*, const QString&, const QString&) override {
    ++openDialogs;
    return pop(openFileNames);
  }
  // The lists queued in openFileLists, else the next single name as a list of one.
  QStringList getOpenFileNames(QWidget*, const QString&) override {
    ++openDialogs;
    if (!openFileLists.empty()) {
      QStringList names = openFileLists.front();
      openFileLists.pop_front();
      return names;
    }
    const QString name = pop(openFileNames);
    return name.isEmpty() ? QStringList() : QStringList{name};
  }
  QString getSaveFileName(QWidget*, const QString&, const QString& suffix) override {
    ++saveDialogs;
    QString name = pop(saveFileNames);
    // Like the desktop dialog: a name typed without extension gets the default one.
    if (!name.isEmpty() && !suffix.isEmpty() && !name.section('/', -1).contains('.')) name += "." + suffix;
    return name;
  }
  int execDialog(QDialog* dialog) override {
    dialogTitles.append(dialog->windowTitle());
    return dialogHandler ? dialogHandler(dialog) : QDialog::Rejected;
  }
  bool openUrl(const QUrl& url) override {
    openedUrls.append(url);
    return true;
  }
  using Platform::requestHelp;
  bool requestHelp(int contextId, HelpKind kind) override {
    helpRequests.append({contextId, kind, helpPoint()});
    return helpAvailable;
  }

 private:
  static QString pop(std::deque<QString>& queue) {
    if (queue.empty()) return {};
    QString s = queue.front();
    queue.pop_front();
    return s;
  }
};
