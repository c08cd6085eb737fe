// "Edit contaminant data": the modal editor of the contaminant database held
// in a working copy of the project's contaminant list.
#pragma once

#include <QDialog>

struct Contaminant;

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
};
