// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/ContaminantEditorDialog.h"
#include "pages/ContaminantTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <QValidator>
#include <QWhatsThis>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/core/validation.h"
#include "engine/project/records.h"
#include "engine/project/recordtext.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"
#include "resources/editor_pictures.h"

namespace {

// Help identifiers of the controls.
enum ControlId {
  kIdList = 1400,
  kIdAdd = 1401,
  kIdRemove = 1402,
  kIdName = 1403,
  kIdGroup = 1404,
  kIdPlumeLength = 1405,
  kIdEntries = 1406,
  kIdAerobic = 1407,
  kIdNitrate = 1408,
  kIdIron = 1409,
  kIdSulfate = 1410,
  kIdMixedPlumes = 1411,
  kIdMethane = 1412,
  kIdUnknown = 1413,
  kIdOk = 1414,
  kIdCancel = 1415,
  kIdDialog = 1416,
  kIdHelp = 1417,
};

// Kinds of help context in the debug line: a control or a menu item.
constexpr int kHelpContextControl = 1;
constexpr int kHelpContextMenuItem = 2;

constexpr int kNumberLimit = 50;
constexpr int kNameLimit = kNameCapacity - 1;
// The project keeps its contaminant count in 16 bits.
constexpr int kMaxContaminants = INT16_MAX;

// Limits what the user types to `limit` characters while a value shown by the
// dialog may be longer: cutting a shown number would change the value stored
// when the field is left. Over the limit, the text may only get shorter.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, int limit) : QValidator(edit), limit_(limit) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text.size(); });
  }
  State validate(QString& input, int&) const override {
    return input.size() <= std::max<qsizetype>(limit_, previous_) ? Acceptable : Invalid;
  }

 private:
  int limit_;
  qsizetype previous_ = 0;
};

// A list box in which one entry stays selected: the user can move the
// selection but not clear it, as the shown record is always the selected one.
class NameListBox : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (index.isValid() && (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
      return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return flags;
  }
};

QString recordName(const Contaminant& record) {
  return QString::fromStdString(
      RecordTextToUtf8(std::string_view(record.name, strnlen(record.name, kNameCapacity))));
}

// The number of an edit: the one it shows while the user has not edited it,
// else its text parsed.
bool parseEdit(const QLineEdit* edit, double* value) {
  if (UneditedFieldNumber(edit, value)) return true;
  QByteArray text = editTextBytes(edit->text());  // parsed on a copy: the edit keeps what was typed
  return virelo_ParseNumber(text.data(), value) == 1;
}

QLineEdit* numberEdit(const char* objectName, int id, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(objectName));
  edit->setValidator(new TypingLimit(edit, kNumberLimit));
  setControlId(edit, id);
  KeepShownDecimalSign(edit);
  return edit;
}

}  // namespace

ContaminantEditorDialog::ContaminantEditorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Edit contaminant data"));
  setControlId(this, kIdDialog);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  plusIcon_ = QIcon(editorPlusPicture());
  crossIcon_ = QIcon(editorCrossPicture());
  buildControls();
}

void ContaminantEditorDialog::buildControls() {
  // Left: the contaminants with their add and remove buttons.
  auto* listFrame = new QGroupBox(tr("Contaminants"), this);
  addButton_ = new QPushButton(plusIcon_, QString(), listFrame);
  removeButton_ = new QPushButton(crossIcon_, QString(), listFrame);
  addButton_->setObjectName(QStringLiteral("addButton"));
  removeButton_->setObjectName(QStringLiteral("removeButton"));
  addButton_->setAccessibleName(QStringLiteral("+"));
  removeButton_->setAccessibleName(QStringLiteral("-"));
  setControlId(addButton_, kIdAdd);
  setControlId(removeButton_, kIdRemove);
  for (QPushButton* button : {addButton_, removeButton_}) {
    button->setIconSize(QSize(kEditorPictureSize, kEditorPictureSize));
    button->setFixedSize(24, 22);
  }
  list_ = new NameListBox(listFrame);
  list_->setObjectName(QStringLiteral("contaminantList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSortingEnabled(false);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list_->setMinimumWidth(210);
  setControlId(list_, kIdList);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->setSpacing(4);
  buttonRow->addWidget(addButton_);
  buttonRow->addWidget(removeButton_);
  buttonRow->addStretch();
  auto* listLayout = new QVBoxLayout(listFrame);
  listLayout->addLayout(buttonRow);
  listLayout->addWidget(list_, 1);

  QList<QLabel*> labels;
  auto addRow = [&labels](QGridLayout* grid, int row, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);  // help on the label is help on its field
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    labels.append(label);
  };

  // Right, top: name and group.
  auto* generalFrame = new QGroupBox(tr("General"), this);
  auto* generalGrid = new QGridLayout(generalFrame);
  nameEdit_ = new QLineEdit(generalFrame);
  nameEdit_->setObjectName(QStringLiteral("nameEdit"));
  nameEdit_->setMaxLength(kNameLimit);
  // Names are Latin-1 in the records and the database file.
  replaceUnstorableWhileTyping(nameEdit_);
  setControlId(nameEdit_, kIdName);
  groupCombo_ = new QComboBox(generalFrame);
  groupCombo_->setObjectName(QStringLiteral("groupCombo"));
  groupCombo_->setEditable(false);
  setControlId(groupCombo_, kIdGroup);
  addRow(generalGrid, 0, tr("Name:"), nameEdit_);
  addRow(generalGrid, 1, tr("Group:"), groupCombo_);

  // Right, middle: the literature statistics.
  auto* literatureFrame =
      new QGroupBox(tr("75th percentile of observed plume lengths in literature: "), this);
  auto* literatureGrid = new QGridLayout(literatureFrame);
  plumeLengthEdit_ = numberEdit("plumeLengthEdit", kIdPlumeLength, literatureFrame);
  entriesEdit_ = numberEdit("entriesEdit", kIdEntries, literatureFrame);
  addRow(literatureGrid, 0, tr("75th percentile [m] :"), plumeLengthEdit_);
  addRow(literatureGrid, 1, tr("Number of lit. entries:"), entriesEdit_);

  // Right, bottom: the seven preset decay constants, shown in this order.
  auto* lambdaFrame = new QGroupBox(tr("Decay constants (lambda)  [1/d]"), this);
  auto* lambdaGrid = new QGridLayout(lambdaFrame);
  QLineEdit* aerobic = numberEdit("aerobicEdit", kIdAerobic, lambdaFrame);
  QLineEdit* nitrate = numberEdit("nitrateEdit", kIdNitrate, lambdaFrame);
  QLineEdit* iron = numberEdit("ironEdit", kIdIron, lambdaFrame);
  QLineEdit* sulfate = numberEdit("sulfateEdit", kIdSulfate, lambdaFrame);
  QLineEdit* mixedPlumes = numberEdit("mixedPlumesEdit", kIdMixedPlumes, lambdaFrame);
  QLineEdit* methane = numberEdit("methaneEdit", kIdMethane, lambdaFrame);
  QLineEdit* unknown = numberEdit("unknownEdit", kIdUnknown, lambdaFrame);
  addRow(lambdaGrid, 0, tr("aerobic:"), aerobic);
  addRow(lambdaGrid, 1, tr("anerobic nitrate (NO3):"), nitrate);
  addRow(lambdaGrid, 2, tr("anaerobic iron (Fe):"), iron);
  addRow(lambdaGrid, 3, tr("anaerobic sulfate (SO4):"), sulfate);
  addRow(lambdaGrid, 4, tr("anaerobic mixed plumes:"), mixedPlumes);
  addRow(lambdaGrid, 5, tr("anaerobic methan (CH4):"), methane);
  addRow(lambdaGrid, 6, tr("unknown / variable :"), unknown);
  // The order in which StoreCurrent writes them.
  lambdaEdits_[0] = {aerobic, kLambdaAerobic, QT_TR_NOOP("aerobic")};
  lambdaEdits_[1] = {methane, kLambdaMethane, QT_TR_NOOP("anaerobic methan (CH4)")};
  lambdaEdits_[2] = {iron, kLambdaIron, QT_TR_NOOP("anaerobic iron (Fe)")};
  lambdaEdits_[3] = {mixedPlumes, kLambdaMixedPlumes, QT_TR_NOOP("anaerobic mixed plumes")};
  lambdaEdits_[4] = {nitrate, kLambdaNitrate, QT_TR_NOOP("anerobic nitrate (NO3)")};
  lambdaEdits_[5] = {sulfate, kLambdaSulfate, QT_TR_NOOP("anaerobic sulfate (SO4)")};
  lambdaEdits_[6] = {unknown, kLambdaUnknown, QT_TR_NOOP("unknown / variable")};

  // The three frames on the right share one label column width.
  int labelWidth = 0;
  for (QLabel* label : labels) labelWidth = std::max(labelWidth, label->sizeHint().width());
  for (QLabel* label : labels) label->setMinimumWidth(labelWidth);

  okButton_ = new QPushButton(tr("OK"), this);
  cancelButton_ = new QPushButton(tr("Abbrechen"), this);
  okButton_->setObjectName(QStringLiteral("okButton"));
  cancelButton_->setObjectName(QStringLiteral("cancelButton"));
  okButton_->setDefault(true);
  setControlId(okButton_, kIdOk);
  setControlId(cancelButton_, kIdCancel);
  // Opens the manual at the editor's section, as F1 does.
  helpButton_ = new QPushButton(tr("&Help"), this);
  helpButton_->setObjectName(QStringLiteral("helpButton"));
  helpButton_->setAutoDefault(false);
  setControlId(helpButton_, kIdHelp);

  auto* right = new QVBoxLayout;
  right->addWidget(generalFrame);
  right->addWidget(literatureFrame);
  right->addWidget(lambdaFrame);
  right->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(listFrame, 1);
  body->addLayout(right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(helpButton_);
  bottom->addStretch();
  bottom->addWidget(okButton_);
  bottom->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Tab order follows the layout: list frame, then the right frames top to
  // bottom, then the buttons.
  QWidget* order[] = {addButton_,   removeButton_, list_,     nameEdit_,     groupCombo_, plumeLengthEdit_,
                      entriesEdit_, aerobic,       nitrate,   iron,          sulfate,     mixedPlumes,
                      methane,      unknown,       okButton_, cancelButton_, helpButton_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->installEventFilter(this);

  // Context menu of the list box.
  contextMenu_ = new QMenu(this);
  contextMenu_->setObjectName(QStringLiteral("contaminantMenu"));
  addAction_ = contextMenu_->addAction(plusIcon_, tr("&Add contaminant"));
  removeAction_ = contextMenu_->addAction(crossIcon_, tr("&Remove selected"));
  addAction_->setIconVisibleInMenu(true);
  removeAction_->setIconVisibleInMenu(true);
  addAction_->setData(int(kIdAdd));
  removeAction_->setData(int(kIdRemove));
  contextMenu_->installEventFilter(this);

  connect(addButton_, &QPushButton::clicked, this, &ContaminantEditorDialog::addContaminant);
  connect(removeButton_, &QPushButton::clicked, this, &ContaminantEditorDialog::removeContaminant);
  connect(list_, &QListWidget::itemSelectionChanged, this, &ContaminantEditorDialog::onSelectionChanged);
  connect(okButton_, &QPushButton::clicked, this, &ContaminantEditorDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &ContaminantEditorDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    showHelp(helpButton_, kHelpContextControl, kIdDialog, Platform::HelpKind::Topic, QPoint());
  });

  // The buttons show pictures, so their mnemonics "&+" and "&-" are shortcuts.
  auto* addKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Plus), this);
  auto* removeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Minus), this);
  connect(addKey, &QShortcut::activated, addButton_, &QPushButton::click);
  connect(removeKey, &QShortcut::activated, removeButton_, &QPushButton::click);
  // F1 opens the manual at the editor's section; Shift+F1 shows the short
  // text of the focused control beside it.
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this, [this] {
    QWidget* control = focusWidget() ? focusWidget() : this;
    showHelp(control, kHelpContextControl, helpId(control), Platform::HelpKind::Topic, QPoint());
  });
  auto* whatsThisKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
  connect(whatsThisKey, &QShortcut::activated, this, [this] {
    QWidget* control = focusWidget() ? focusWidget() : this;
    showHelp(control, kHelpContextControl, helpId(control), Platform::HelpKind::Popup,
             control->mapToGlobal(QPoint(control->width() / 2, control->height())));
  });

  list_->setFocus(Qt::OtherFocusReason);
}

void ContaminantEditorDialog::showEvent(QShowEvent* event) {
  ending_ = false;
  if (!initialised_) {
    initialised_ = true;
    initialise();
  }
  QDialog::showEvent(event);
}

void ContaminantEditorDialog::initialise() {
  if (!workingList || workingCount < 0) workingCount = 0;
  {
    const QSignalBlocker block(groupCombo_);
    groupCombo_->clear();
    for (const ContaminantGroup* row = kContaminantGroups; row->code != -1; ++row)
      groupCombo_->addItem(ContaminantGroupText(row->name), int(row->code));
    groupCombo_->setCurrentIndex(0);
  }
  fillNameList();
  if (workingCount > 0)
    selectEntry(0);
  else
    addContaminant();  // the editor never opens on an empty list
}

int ContaminantEditorDialog::selectedRow() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

int ContaminantEditorDialog::itemIndex(int row) const {
  const QListWidgetItem* item = row >= 0 ? list_->item(row) : nullptr;
  return item ? item->data(Qt::UserRole).toInt() : -1;
}

void ContaminantEditorDialog::selectEntry(int row) {
  {
    const QSignalBlocker block(list_);
    if (row >= 0 && row < list_->count())
      list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    else
      list_->clearSelection();
  }
  const int chosen = selectedRow();
  storeCurrent();
  currentIndex = itemIndex(chosen);
  showCurrent();
}

void ContaminantEditorDialog::fillNameList() {
  const QSignalBlocker block(list_);
  list_->clear();
  for (int i = 0; i < workingCount; ++i) {
    auto* item = new QListWidgetItem(recordName(workingList[i]), list_);
    item->setData(Qt::UserRole, i);
    if (i == currentIndex) list_->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
  }
}

bool ContaminantEditorDialog::storeCurrent() {
  if (!workingList || currentIndex < 0 || currentIndex >= workingCount) return true;
  Contaminant& record = workingList[currentIndex];
  Contaminant before = record;
  record.lambdaMask = 0;  // rebuilt below from the edits; clears the user-defined bit too
  record.group = groupCombo_->currentData().toInt();

  char name[kNameCapacity];
  toRecordText(nameEdit_->text(), name, kNameCapacity);
  const bool renamed = std::strncmp(name, record.name, kNameCapacity) != 0;
  CopyBounded(record.name, name, kNameCapacity);
  if (renamed) fillNameList();  // the list shows the new name at once, same entry selected

  double value = 0.0;
  if (parseEdit(entriesEdit_, &value))
    virelo_SetContaminantValue(&record, kValueLiteratureEntries, value);
  else
    virelo_ClearContaminantValue(&record, kValueLiteratureEntries);
  if (parseEdit(plumeLengthEdit_, &value))
    virelo_SetContaminantValue(&record, kValueLiteraturePlumeLength, value);
  else
    virelo_ClearContaminantValue(&record, kValueLiteraturePlumeLength);
  // A negative decay constant would grow the contaminant on its way; saved
  // as a default, it would also make the database fail its own import.
  QStringList refused;
  for (const LambdaEdit& lambda : lambdaEdits_) {
    if (parseEdit(lambda.edit, &value) && value < 0.0) {
      refused << QStringLiteral("%1: %2").arg(tr(lambda.name), lambda.edit->text().trimmed());
      if (before.lambdaMask & lambda.bit)
        virelo_SetLambda(&record, lambda.bit, *virelo_LambdaField(&before, lambda.bit));
      else
        virelo_ClearLambda(&record, lambda.bit);
    } else if (parseEdit(lambda.edit, &value)) {
      virelo_SetLambda(&record, lambda.bit, value);
    } else {
      virelo_ClearLambda(&record, lambda.bit);
    }
  }
  if (refused.isEmpty()) return true;
  // The edits show the record again before the message takes the focus, so
  // that leaving an edit for the message stores nothing twice.
  showCurrent();
  Platform::instance().messageBox(
      this, tr("A decay constant must not be negative; kept as it was:\n") + refused.join(QLatin1Char('\n')),
      tr("Virelo"), Platform::Ok, Platform::Icon::Warning);
  return false;
}

void ContaminantEditorDialog::showCurrent() {
  // With no record current (the list was emptied) the inputs keep their
  // texts, but nothing typed there could be stored: they are locked until
  // a record is current again.
  const bool current = workingList && currentIndex >= 0 && currentIndex < workingCount;
  for (QWidget* input : {static_cast<QWidget*>(nameEdit_), static_cast<QWidget*>(groupCombo_),
                         static_cast<QWidget*>(plumeLengthEdit_), static_cast<QWidget*>(entriesEdit_)})
    input->setEnabled(current);
  for (const LambdaEdit& lambda : lambdaEdits_) lambda.edit->setEnabled(current);
  if (!current) return;
  Contaminant& record = workingList[currentIndex];
  nameEdit_->setText(recordName(record));
  const int group = groupCombo_->findData(int(record.group));
  if (group >= 0) groupCombo_->setCurrentIndex(group);
  if (record.valueMask & kValueLiteratureEntries)
    ShowFieldNumber(entriesEdit_, QString::number(record.literatureEntries), record.literatureEntries);
  else
    ShowFieldText(entriesEdit_);
  if (record.valueMask & kValueLiteraturePlumeLength)
    ShowFieldNumber(plumeLengthEdit_, QString::asprintf("%.2f", record.literaturePlumeLength),
                    record.literaturePlumeLength);
  else
    ShowFieldText(plumeLengthEdit_);
  for (const LambdaEdit& lambda : lambdaEdits_) {
    const double* field = virelo_LambdaField(&record, lambda.bit);
    if ((record.lambdaMask & lambda.bit) && field)
      ShowFieldNumber(lambda.edit, QString::asprintf("%.7f", *field), *field);
    else
      ShowFieldText(lambda.edit);
  }
}

void ContaminantEditorDialog::addContaminant() {
  storeCurrent();
  if (workingCount < kMaxContaminants && resizeArray(&workingList, workingCount + 1L)) {
    Contaminant* record = &workingList[workingCount];
    std::memset(record, 0, sizeof *record);
    CopyBounded(record->name, kUnnamedContaminant, kNameCapacity);
    ++workingCount;
  }
  fillNameList();
  selectEntry(list_->count() - 1);  // the new record, or the last one when none could be added
}

void ContaminantEditorDialog::removeContaminant() {
  if (!workingList || currentIndex < 0 || currentIndex >= workingCount || workingCount <= 0) return;
  storeCurrent();
  int row = selectedRow();
  const int removed = currentIndex;
  std::memmove(&workingList[removed], &workingList[removed + 1],
               sizeof(Contaminant) * static_cast<size_t>(workingCount - removed - 1));
  // A failed shrink leaves the block as it was, merely one record too large.
  resizeArray(&workingList, workingCount - 1L);
  --workingCount;
  currentIndex = workingCount > 0 ? 0 : -1;
  fillNameList();
  if (row >= list_->count()) row = list_->count() - 1;
  if (row >= 0) {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  }
  currentIndex = -1;  // nothing of the removed record is stored into its successor
  currentIndex = itemIndex(selectedRow());
  showCurrent();
}

void ContaminantEditorDialog::onSelectionChanged() {
  const int row = selectedRow();
  storeCurrent();
  currentIndex = itemIndex(row);
  if (selectedRow() != row) {
    // Storing a renamed record refilled the list; keep the user's choice.
    const QSignalBlocker block(list_);
    if (row >= 0) list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  }
  showCurrent();
}

void ContaminantEditorDialog::onEditLeft() {
  storeCurrent();
  showCurrent();
}

void ContaminantEditorDialog::accept() {
  // A refused value keeps the dialog open, so that the user sees the value
  // that stays before the list is taken over.
  if (!storeCurrent()) return;
  ending_ = true;
  QDialog::accept();
}

void ContaminantEditorDialog::reject() {
  ending_ = true;
  QDialog::reject();
}

bool ContaminantEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched)) {
    const auto* focus = static_cast<QFocusEvent*>(event);
    // A click on "Abbrechen" ends the dialog without storing; the edit keeps
    // its text, so a later store (if the dialog goes on) still picks it up.
    // A pop-up (the edit's own menu) gives the focus back to the edit.
    if (initialised_ && !ending_ && focus->reason() != Qt::PopupFocusReason &&
        QApplication::focusWidget() != cancelButton_)
      onEditLeft();
  } else if (watched == contextMenu_ && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    QAction* action = contextMenu_->activeAction();
    contextMenu_->hide();
    const QPoint at = action ? contextMenu_->mapToGlobal(contextMenu_->actionGeometry(action).bottomLeft())
                             : contextMenu_->pos();
    showHelp(action ? static_cast<QObject*>(action) : contextMenu_, kHelpContextMenuItem,
             action ? action->data().toInt() : kIdList, Platform::HelpKind::Popup, at);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool ContaminantEditorDialog::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::EnterWhatsThisMode: QWhatsThis::enterWhatsThisMode(); return true;
    case QEvent::QueryWhatsThis:
      event->accept();  // every control has help
      return true;
    case QEvent::WhatsThis: {
      const auto* help = static_cast<QHelpEvent*>(event);
      QWidget* control = childAt(mapFromGlobal(help->globalPos()));
      if (!control) control = this;
      showHelp(control, kHelpContextControl, helpId(control), Platform::HelpKind::Popup, help->globalPos());
      event->accept();
      return true;
    }
    default: return QDialog::event(event);
  }
}

void ContaminantEditorDialog::contextMenuEvent(QContextMenuEvent* event) {
  // Only a request inside the list box's window rectangle, edges included.
  const QPoint at = event->globalPos();
  const QPoint origin = list_->mapToGlobal(QPoint(0, 0));
  if (at.x() < origin.x() || at.x() > origin.x() + list_->width() || at.y() < origin.y() ||
      at.y() > origin.y() + list_->height()) {
    event->ignore();
    return;
  }
  event->accept();
  QAction* chosen = contextMenu_->exec(at);
  if (chosen == addAction_)
    addContaminant();
  else if (chosen == removeAction_)
    removeContaminant();
}

int ContaminantEditorDialog::helpId(const QWidget* control) const {
  const int id = helpControlId(control, this);
  return id ? id : kIdDialog;
}

void ContaminantEditorDialog::showHelp(QObject* item, int contextType, int control, Platform::HelpKind kind,
                                       const QPoint& at) {
  // The help context of a control is its identifier; the handle is the
  // item's address, which tells items apart within one run.
  const int handle = static_cast<int>(reinterpret_cast<quintptr>(item));
  ReportDebug(nullptr, "OnHelpInfo", "Help for Control: %d, CType: %d, CID: %d, Handle: %d", control,
              contextType, control, handle);
  if (!Platform::instance().requestHelp(control, kind, at))
    Platform::instance().messageBox(this, tr("Failed to launch help."), tr("Virelo"), Platform::Ok,
                                    Platform::Icon::Warning);
}
