// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/ReportBoxes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include "platform/Platform.h"

namespace {
// Engine reports name files by their file-system bytes, so they are read the
// way file names are; bytes that are no file-system text stay single-byte.
QString reportText(const char* message) {
  const QByteArray bytes(message);
  const QString text = QFile::decodeName(bytes);
  return QFile::encodeName(text) == bytes ? text : fromRecordText(message);
}
}  // namespace

// Module, error number and uid stay out of the box: the user reads the message
// alone; the other fields only matter in the standard-output form.
void ShowErrorBox(const char* message, const char* /*module*/, int32_t /*errNo*/, uint32_t /*uid*/) {
  if (!message) return;
  Platform::instance().messageBox(nullptr, reportText(message),
                                  QCoreApplication::translate("ReportBoxes", "Virelo-Error"), Platform::Ok,
                                  Platform::Icon::Error);
}

void ShowWarningBox(const char* message, const char* /*module*/, uint32_t /*uid*/) {
  if (!message) return;
  Platform::instance().messageBox(nullptr, reportText(message),
                                  QCoreApplication::translate("ReportBoxes", "Virelo-Warning"), Platform::Ok,
                                  Platform::Icon::Warning);
}
