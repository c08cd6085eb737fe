// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The desktop services Virelo asks for: message boxes, file dialogs, running
// a modal dialog, opening a file or link through the desktop, and help
// requests. Everything goes through one replaceable object so that tests can
// answer every question without a person.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <string>

class QDialog;
class QWidget;
struct Project;

class Platform {
 public:
  enum class Icon { None, Information, Warning, Error, Question };
  // Button set and answers.
  enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };
  enum class HelpKind { Topic, Popup, Close };

  virtual ~Platform() = default;

  // Shows a modal message box; returns the button pressed (one of Button).
  virtual int messageBox(QWidget* owner, const QString& text, const QString& caption, int buttons, Icon icon);
  // "" when cancelled. filter like "Virelo Project (*.vrp)".
  virtual QString getOpenFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix);
  // Several existing files at once, as a laboratory delivers its tables;
  // empty when cancelled.
  virtual QStringList getOpenFileNames(QWidget* owner, const QString& filter);
  virtual QString getSaveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix);
  // Runs a modal dialog; returns its result (QDialog::Accepted/Rejected).
  virtual int execDialog(QDialog* dialog);
  // The shell's "open" verb. Result not examined by callers.
  virtual bool openUrl(const QUrl& url);
  // Help request keyed by a control identifier: Topic opens the manual at the
  // section of the control, Popup shows the control's short text, Close
  // closes the help window. Returns false when no help could be shown.
  virtual bool requestHelp(int contextId, HelpKind kind);
  // The same, for a pop-up that stands at the screen point `at` (without one,
  // at the mouse pointer).
  bool requestHelp(int contextId, HelpKind kind, const QPoint& at);

  // The process-wide instance (a desktop Platform unless replaced).
  static Platform& instance();
  // Replaces the instance (not owned); null restores the desktop one.
  static void setInstance(Platform* platform);

 protected:
  // Where the pop-up of the current help request stands; null when the
  // request named no point.
  QPoint helpPoint() const { return helpPoint_; }

 private:
  QPoint helpPoint_;
};

// Resizes a window to `wanted`, or to what of it the screen's free area
// holds with room for the window's frame and title bar, so that a laptop's
// 1366x768 still shows its buttons.
class QSize;
void ResizeWithinScreen(QWidget* window, const QSize& wanted);

// Numeric control identifiers, used for help requests.
void setControlId(QWidget* widget, int id);
int controlId(const QWidget* widget);  // 0 when none
// Gives a dialog the identifier `id` and makes F1 inside it open the manual
// at the section that holds `id`'s text.
void AnswerF1WithManual(QWidget* dialog, int id);
// The identifier help answers for `widget`: its own, for a label the one of
// the control it names, else that of its nearest ancestor below `stop`
// (`stop` itself excluded). 0 when none.
int helpControlId(const QWidget* widget, const QWidget* stop);
// The same for a point of a widget: over a column of an item view (or its
// header) whose model gives an int help identifier as the column header's
// Qt::WhatsThisRole, that identifier, so that a column can have its own help.
int helpControlIdAt(const QWidget* widget, const QPoint& globalPos, const QWidget* stop);

// Records hold single-byte texts (engine/project/recordtext.h); the UI holds QStrings.
QString fromRecordText(const char* text);
// Writes the closest single-byte form of `text` into a record buffer of
// `capacity` bytes (terminator included), cut to capacity-1 bytes, the rest
// of the buffer zero-filled.
void toRecordText(const QString& text, char* buffer, int capacity);
// The text as a record can hold it: its closest single-byte form.
QString recordStorable(const QString& text);
// A contaminant's name as the user wrote it (engine/project/fulltexts.h).
QString contaminantName(const Project& project, int index);
// The same by the name the record holds.
QString contaminantNameOf(const Project& project, const std::string& recordName);
// The same as the record's bytes, to look a name up in the records.
std::string recordBytes(const QString& text);
// Attach to an edit whose text goes into a record and nowhere else: each
// character a record cannot hold becomes its closest single-byte form as it
// is typed or pasted, so the edit shows exactly what will be stored.
class QLineEdit;
void replaceUnstorableWhileTyping(QLineEdit* edit);

// Latin-1 bytes of an edit text, for virelo_ParseNumber.
QByteArray editTextBytes(const QString& text);
