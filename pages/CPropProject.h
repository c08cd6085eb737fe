// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The "Project" page: the project's descriptive texts and file information.
#pragma once

#include <QByteArray>

#include "pages/PropPage.h"

class QLineEdit;
class QPlainTextEdit;
class QLabel;

class CPropProject : public PropPage {
  Q_OBJECT
 public:
  explicit CPropProject(PageHost* host, QWidget* parent = nullptr);
  int ShowProject(Project* project) override;
  int ApplyToProject(Project* project) override;

  // Edit limits in characters (the record fields hold one byte more).
  static constexpr int kTitleLimit = 254;
  static constexpr int kDescriptionLimit = 1023;
  static constexpr int kAuthorLimit = 254;
  static constexpr int kOrganisationLimit = 254;
  static constexpr int kUnitLimit = 24;

  // Text changes set pageModified while this is true (always, once built).
  bool trackingChanges = false;

 private:
  // Fills size and the three times from the file system entry of `path`
  // (bytes as the file system has them); empties them when there is none.
  void ShowFileInformation(const QByteArray& path);
  void ClearFileInformation();
  void OnTextChanged();
  void ShowStoredForms();
  void LimitDescription();

  QLineEdit* titleEdit_;
  QPlainTextEdit* descriptionEdit_;  // "descriptionEdit"
  QLineEdit* authorEdit_;
  QLineEdit* organisationEdit_;
  QLabel* storedFormNote_;         // which characters the file's single-byte fields keep in another form
  QLineEdit* unitEdit_;            // "unitEdit": the unit of every concentration
  QPlainTextEdit* filenameField_;  // read-only, frameless, wraps long paths
  QLineEdit* sizeField_;
  QLineEdit* createdField_;
  QLineEdit* modifiedField_;
  QLineEdit* accessedField_;
  QLineEdit* versionField_;
  bool limitingDescription_ = false;
};
