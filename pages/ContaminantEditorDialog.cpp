#include "pages/ContaminantEditorDialog.h"

ContaminantEditorDialog::ContaminantEditorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edit contaminant data"));
}
