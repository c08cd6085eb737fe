// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/Platform.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QScreen>

#include "platform/HelpViewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QShortcut>
#include <QValidator>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "engine/project/fulltexts.h"
#include "engine/project/recordtext.h"

namespace {
Platform desktopPlatform;
Platform* current = &desktopPlatform;
}  // namespace

int Platform::messageBox(QWidget* owner, const QString& text, const QString& caption, int buttons,
                         Icon icon) {
  QMessageBox box(owner);
  box.setWindowTitle(caption);
  // Messages carry file names, which may hold "<" or "&": shown as they are,
  // never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  QMessageBox::StandardButtons set;
  if (buttons & Ok) set |= QMessageBox::Ok;
  if (buttons & Yes) set |= QMessageBox::Yes;
  if (buttons & No) set |= QMessageBox::No;
  if (buttons & Cancel) set |= QMessageBox::Cancel;
  box.setStandardButtons(set);
  // A box raised while a file loads (the engine's own reports) waits for the
  // user, so it shows the arrow rather than the loader's wait cursor.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  switch (pressed) {
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Ok: return Ok;
    default: return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
  }
}

static QString runFileDialog(QWidget* owner, const QString& filter, const QString& defaultSuffix, bool save) {
  QFileDialog dialog(owner);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Open does not require the file to exist: a typed name fails in loading.
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString Platform::getOpenFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) {
  return runFileDialog(owner, filter, defaultSuffix, false);
}

QStringList Platform::getOpenFileNames(QWidget* owner, const QString& filter) {
  QFileDialog dialog(owner);
  dialog.setNameFilter(filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

QString Platform::getSaveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) {
  return runFileDialog(owner, filter, defaultSuffix, true);
}

int Platform::execDialog(QDialog* dialog) {
  return dialog->exec();
}

bool Platform::openUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

bool Platform::requestHelp(int contextId, HelpKind kind, const QPoint& at) {
  helpPoint_ = at;
  const bool shown = requestHelp(contextId, kind);
  helpPoint_ = QPoint();
  return shown;
}

bool Platform::requestHelp(int contextId, HelpKind kind) {
  switch (kind) {
    case HelpKind::Topic: return help::showTopic(contextId);
    case HelpKind::Popup: return help::showPopup(contextId, helpPoint_);
    case HelpKind::Close: help::closeWindow(); return true;
  }
  return false;
}

Platform& Platform::instance() {
  return *current;
}

void Platform::setInstance(Platform* platform) {
  current = platform ? platform : &desktopPlatform;
}

void ResizeWithinScreen(QWidget* window, const QSize& wanted) {
  // What a desktop's frame and title bar take beyond the window's own size.
  constexpr int kFrameWidth = 16, kFrameHeight = 48;
  QSize size = wanted;
  if (const QScreen* screen = window->screen()) {
    const QSize free = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    size = size.boundedTo(free.expandedTo(window->minimumSizeHint()));
  }
  window->resize(size);
}

void setControlId(QWidget* widget, int id) {
  widget->setProperty("vireloControlId", id);
}

void AnswerF1WithManual(QWidget* dialog, int id) {
  setControlId(dialog, id);
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
  QObject::connect(helpKey, &QShortcut::activated, dialog,
                   [id] { Platform::instance().requestHelp(id, Platform::HelpKind::Topic); });
}

int controlId(const QWidget* widget) {
  return widget ? widget->property("vireloControlId").toInt() : 0;
}

int helpControlId(const QWidget* widget, const QWidget* stop) {
  for (const QWidget* w = widget; w && w != stop; w = w->parentWidget()) {
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->buddy() && controlId(label->buddy())) return controlId(label->buddy());
    if (controlId(w)) return controlId(w);
  }
  return 0;
}

int helpControlIdAt(const QWidget* widget, const QPoint& globalPos, const QWidget* stop) {
  for (const QWidget* w = widget; w && w != stop; w = w->parentWidget()) {
    const auto* view = qobject_cast<const QAbstractItemView*>(w);
    if (!view || !view->model()) continue;
    const QPoint at = view->viewport()->mapFromGlobal(globalPos);
    const auto* header = qobject_cast<const QHeaderView*>(view);
    const int column = header ? header->logicalIndexAt(at) : view->indexAt(at).column();
    if (column < 0) break;
    const QVariant id = view->model()->headerData(column, Qt::Horizontal, Qt::WhatsThisRole);
    if (id.typeId() == QMetaType::Int && id.toInt() > 0) return id.toInt();
    break;
  }
  return helpControlId(widget, stop);
}

QString fromRecordText(const char* text) {
  return QString::fromStdString(RecordTextToUtf8(text));
}

void toRecordText(const QString& text, char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  std::memset(buffer, 0, static_cast<size_t>(capacity));
  const std::string bytes = ClosestRecordText(text.toStdString(), nullptr);
  std::memcpy(buffer, bytes.data(), std::min(bytes.size(), static_cast<size_t>(capacity - 1)));
}

QByteArray editTextBytes(const QString& text) {
  QByteArray bytes;
  // Always a buffer of its own: the parser writes into it, and an empty
  // QByteArray's data() is a shared read-only "".
  bytes.reserve(text.size() + 1);
  for (QChar ch : text) bytes.append(ch.unicode() <= 0xFF ? static_cast<char>(ch.unicode()) : '?');
  return bytes;
}

QString contaminantName(const Project& project, int index) {
  return QString::fromStdString(ContaminantNameUtf8(project, index));
}

QString contaminantNameOf(const Project& project, const std::string& recordName) {
  return QString::fromStdString(ContaminantNameUtf8(project, recordName.c_str()));
}

std::string recordBytes(const QString& text) {
  return ClosestRecordText(text.toStdString(), nullptr);
}

QString recordStorable(const QString& text) {
  return QString::fromStdString(RecordTextToUtf8(ClosestRecordText(text.toStdString(), nullptr)));
}

namespace {
class UnstorableReplacing : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    const QString storable = recordStorable(input);
    if (storable != input) {
      position = static_cast<int>(recordStorable(input.left(position)).size());
      input = storable;
    }
    return Acceptable;
  }
};
}  // namespace

void replaceUnstorableWhileTyping(QLineEdit* edit) {
  edit->setValidator(new UnstorableReplacing(edit));
}
