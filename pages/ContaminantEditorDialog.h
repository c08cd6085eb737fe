// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// "Edit contaminant data": the modal editor of the contaminant database held
// in a working copy of the project's contaminant list.
#pragma once

#include <QDialog>
#include <QIcon>

#include "platform/Platform.h"

struct Contaminant;
class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

class ContaminantEditorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ContaminantEditorDialog(QWidget* parent = nullptr);

  // Set by the caller before the dialog runs. The array belongs to the
  // caller (malloc'ed); the dialog resizes it with resizeArray but never
  // releases it. After the dialog, these describe the edited list.
  Contaminant* workingList = nullptr;
  int workingCount = 0;
  int currentIndex = -1;

  // Name given to every new record.
  static constexpr const char* kUnnamedContaminant = "unnamed contaminant";

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // A decay-constant edit with the lambda bit it stands for.
  struct LambdaEdit {
    QLineEdit* edit;
    int bit;
    const char* name;  // the condition as its label names it
  };

  void buildControls();
  void initialise();
  void selectEntry(int row);
  void fillNameList();
  // Returns false when a value was refused (a negative decay constant): the
  // record keeps what it held, the user is told, and the edits show it.
  bool storeCurrent();
  void showCurrent();
  void addContaminant();
  void removeContaminant();
  void onSelectionChanged();
  void onEditLeft();
  // The identifier help answers for `control` (the dialog's own when the
  // control has none).
  int helpId(const QWidget* control) const;
  // Reports the request and asks the platform for help of `kind` on
  // `control`; tells the user when no help could be shown.
  void showHelp(QObject* item, int contextType, int control, Platform::HelpKind kind, const QPoint& at);
  int selectedRow() const;
  int itemIndex(int row) const;

  QIcon plusIcon_;
  QIcon crossIcon_;
  QListWidget* list_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* removeButton_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QComboBox* groupCombo_ = nullptr;
  QLineEdit* plumeLengthEdit_ = nullptr;
  QLineEdit* entriesEdit_ = nullptr;
  // In the order the values are stored: aerobic, methane, iron, mixed
  // plumes, nitrate, sulfate, unknown / variable.
  LambdaEdit lambdaEdits_[7] = {};
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QAction* addAction_ = nullptr;
  QAction* removeAction_ = nullptr;
  bool initialised_ = false;
  bool ending_ = false;
};
