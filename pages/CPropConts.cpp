// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/CPropConts.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/settings.h"
#include "engine/uncertainty/lambdainterval.h"
#include "pages/ContaminantTreeModel.h"
#include "pages/LambdaOrigin.h"
#include "platform/EngineText.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"

namespace {

constexpr int kEditLimit = 50;
constexpr int kTreeWidth = 220;

// Help identifiers of the page's controls.
enum ControlId {
  kIdPage = 1200,
  kIdTree = 1201,
  kIdAssessPlume = 1202,
  kIdAssessAf = 1203,
  kIdLiteratureGroup = 1204,
  kIdEntries = 1205,
  kIdLiterature = 1206,
  kIdConcentrationGroup = 1207,
  kIdC0 = 1208,
  kIdCa = 1209,
  kIdDecayGroup = 1210,
  kIdPreset = 1211,
  kIdPresetText = 1212,
  kIdLambda = 1213,
  kIdSelectLabel = 1214,
  kIdLiteratureSource = 1215,
  kIdPresetSource = 1216,
  kIdLambdaSource = 1217,
};

// Lines the origin of a user lambda keeps free under the field, whether it
// has one or not: switching contaminants must not move the fields.
constexpr int kLambdaOriginLines = 3;
// A source is a citation, not a note: long enough for authors, year, title
// and the wells' interval, short enough to stand in the report's table.
constexpr int kLambdaSourceLimit = 300;

// Qt's printf writes numbers with a point whatever the desktop's locale.
QString formatNumber(const char* format, double value) {
  return QString::asprintf(format, value);
}

// Shows a stored number in an edit. The typing limit stays at 50
// characters, but a display that is longer is shown whole, so that an edit
// of it starts from the whole number.
void setEditNumber(QLineEdit* edit, const QString& text, double value) {
  edit->setMaxLength(std::max<int>(kEditLimit, text.size()));
  ShowFieldNumber(edit, text, value);
}

// A text that is no number (a note), or none.
void setEditText(QLineEdit* edit, const QString& text) {
  edit->setMaxLength(std::max<int>(kEditLimit, text.size()));
  ShowFieldText(edit, text);
}

void clearEdit(QLineEdit* edit) {
  edit->setMaxLength(kEditLimit);
  ShowFieldText(edit);
}

// The number of an edit: the one it shows while the user has not edited it,
// else its text parsed; an edit whose text is rejected is emptied.
bool readEditNumber(QLineEdit* edit, double* value) {
  if (UneditedFieldNumber(edit, value)) return true;
  QByteArray bytes = editTextBytes(edit->text());
  if (virelo_ParseNumber(bytes.data(), value)) return true;
  clearEdit(edit);
  return false;
}

// A line of small, selectable text that wraps: a citation can be long, and
// a user may want to copy it.
QLabel* makeSourceLabel(const char* name, int id) {
  auto* label = new QLabel;
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.9);
  label->setFont(font);
  setControlId(label, id);
  return label;
}

// An empty source line takes no room.
void clearSource(QLabel* label) {
  label->clear();
  label->hide();
}

QLineEdit* makeEdit(const char* name, int id) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(kEditLimit);
  setControlId(edit, id);
  return edit;
}

}  // namespace

CPropConts::CPropConts(PageHost* host, QWidget* parent) : PropPage(host, parent) {
  LoadBundledLiteratureTable(&literature_);
  buildControls();
  ClearContaminantControls();
  setControlId(this, kIdPage);
}

void CPropConts::buildControls() {
  model_ = new ContaminantTreeModel(this);
  tree_ = new QTreeView;
  tree_->setObjectName(QStringLiteral("contaminantTree"));
  setControlId(tree_, kIdTree);
  tree_->setModel(model_);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setUniformRowHeights(true);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setDragDropMode(QAbstractItemView::NoDragDrop);
  tree_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  tree_->setIconSize(QSize(16, 16));
  tree_->setFixedWidth(kTreeWidth);
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tree_, &QWidget::customContextMenuRequested, this, &CPropConts::onTreeContextMenu);
  connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CPropConts::onSelectionChanged);

  auto* selectLabel = new QLabel(tr("Select contaminants:"));
  setControlId(selectLabel, kIdSelectLabel);
  auto* left = new QVBoxLayout;
  left->setSpacing(4);
  left->addWidget(selectLabel);
  left->addWidget(tree_, 1);

  assessPlumeCheck_ = new QCheckBox(tr("Assess plume &length"));
  assessPlumeCheck_->setObjectName(QStringLiteral("assessPlumeCheck"));
  setControlId(assessPlumeCheck_, kIdAssessPlume);
  assessAfCheck_ = new QCheckBox(tr("Assess &attenuation factor"));
  assessAfCheck_->setObjectName(QStringLiteral("assessAfCheck"));
  setControlId(assessAfCheck_, kIdAssessAf);

  // Literature plume length.
  auto* literatureGroup = new QGroupBox(tr("75th percentile of observed plume lengths in the literature : "));
  setControlId(literatureGroup, kIdLiteratureGroup);
  entriesLabel_ = new QLabel;
  entriesLabel_->setObjectName(QStringLiteral("entriesLabel"));
  entriesLabel_->setAlignment(Qt::AlignCenter);
  setControlId(entriesLabel_, kIdEntries);
  literatureEdit_ = makeEdit("literatureEdit", kIdLiterature);
  literatureEdit_->setReadOnly(true);
  literatureEdit_->setAlignment(Qt::AlignCenter);
  literatureEdit_->setFixedWidth(240);
  auto* literatureRow = new QHBoxLayout;
  literatureRow->addStretch(1);
  literatureRow->addWidget(literatureEdit_);
  literatureRow->addWidget(new QLabel(QStringLiteral("[m]")));
  literatureRow->addStretch(1);
  auto* literatureLayout = new QVBoxLayout(literatureGroup);
  literatureLayout->addWidget(entriesLabel_);
  literatureLayout->addLayout(literatureRow);
  literatureSourceLabel_ = makeSourceLabel("literatureSourceLabel", kIdLiteratureSource);
  literatureLayout->addWidget(literatureSourceLabel_);

  // Concentrations.
  auto* concentrationGroup = new QGroupBox(tr("Concentrations (same unit e.g. mg/l)"));
  setControlId(concentrationGroup, kIdConcentrationGroup);
  c0Edit_ = makeEdit("c0Edit", kIdC0);
  caEdit_ = makeEdit("caEdit", kIdCa);
  KeepShownDecimalSign(c0Edit_);
  KeepShownDecimalSign(caEdit_);
  auto* concentrationLayout = new QGridLayout(concentrationGroup);
  auto* c0Label = new QLabel(tr("Concentration at source ( C0 ) :"));
  auto* caLabel = new QLabel(tr("Acceptable concentration at receptor ( CA ) :"));
  c0Label->setBuddy(c0Edit_);
  caLabel->setBuddy(caEdit_);
  concentrationLayout->addWidget(c0Label, 0, 0);
  concentrationLayout->addWidget(c0Edit_, 0, 1);
  concentrationLayout->addWidget(caLabel, 1, 0);
  concentrationLayout->addWidget(caEdit_, 1, 1);
  for (int k = 0; k < 2; ++k) {
    unitLabels_[k] = new QLabel;
    unitLabels_[k]->setObjectName(k == 0 ? QStringLiteral("c0UnitLabel") : QStringLiteral("caUnitLabel"));
    concentrationLayout->addWidget(unitLabels_[k], k, 2);
  }
  concentrationLayout->setColumnStretch(1, 1);

  QGroupBox* decayGroup = buildDecayGroup();

  auto* right = new QVBoxLayout;
  right->addWidget(assessPlumeCheck_);
  right->addWidget(assessAfCheck_);
  right->addSpacing(6);
  right->addWidget(literatureGroup);
  right->addWidget(concentrationGroup);
  right->addWidget(decayGroup);
  right->addStretch(1);

  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(5, 5, 10, 20);
  page->setSpacing(12);
  page->addLayout(left);
  page->addLayout(right, 1);

  for (QCheckBox* box : {assessPlumeCheck_, assessAfCheck_, presetCheck_})
    connect(box, &QCheckBox::clicked, this, [this] { commitAndRedisplay(true); });
  for (QLineEdit* edit : {literatureEdit_, c0Edit_, caEdit_, lambdaEdit_, lambdaSourceEdit_}) {
    connect(edit, &QLineEdit::textChanged, this, &CPropConts::onTextChanged);
    edit->installEventFilter(this);
  }
}

// The decay constant: the preset or the user's value with its source, and
// the line that tells where a value from the wells stands.
QGroupBox* CPropConts::buildDecayGroup() {
  auto* decayGroup = new QGroupBox(tr("Decay constant ( lambda )"));
  setControlId(decayGroup, kIdDecayGroup);
  presetCheck_ = new QCheckBox(tr("Use &preset :"));
  presetCheck_->setObjectName(QStringLiteral("presetCheck"));
  setControlId(presetCheck_, kIdPreset);
  presetLabel_ = new QLabel;
  presetLabel_->setObjectName(QStringLiteral("presetLabel"));
  setControlId(presetLabel_, kIdPresetText);
  lambdaEdit_ = makeEdit("lambdaEdit", kIdLambda);
  KeepShownDecimalSign(lambdaEdit_);
  auto* userLabel = new QLabel(tr("User defined :"));
  userLabel->setBuddy(lambdaEdit_);
  auto* decayColumn = new QVBoxLayout(decayGroup);
  auto* decayLayout = new QGridLayout;
  decayColumn->addLayout(decayLayout);
  decayLayout->addWidget(presetCheck_, 0, 0);
  decayLayout->addWidget(presetLabel_, 0, 1, 1, 2);
  decayLayout->addWidget(userLabel, 1, 0);
  decayLayout->addWidget(lambdaEdit_, 1, 1);
  decayLayout->addWidget(new QLabel(QStringLiteral("[1/d]")), 1, 2);
  lambdaSourceEdit_ = makeEdit("lambdaSourceEdit", kIdLambdaSource);
  lambdaSourceEdit_->setMaxLength(kLambdaSourceLimit);
  lambdaSourceEdit_->setPlaceholderText(tr("reference, report or wells the value comes from"));
  auto* sourceLabel = new QLabel(tr("Its source :"));
  sourceLabel->setBuddy(lambdaSourceEdit_);
  setControlId(sourceLabel, kIdLambdaSource);
  decayLayout->addWidget(sourceLabel, 2, 0);
  decayLayout->addWidget(lambdaSourceEdit_, 2, 1, 1, 2);
  presetSourceLabel_ = makeSourceLabel("presetSourceLabel", kIdPresetSource);
  decayLayout->setColumnStretch(1, 1);
  // A preset's source and a user lambda's origin never show together; they
  // share one place, which keeps the origin's lines even while it is hidden.
  // Help on it is help on the field it speaks of.
  lambdaSourceLabel_ = makeSourceLabel("lambdaSourceLabel", kIdLambda);
  lambdaSourceLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lambdaSourceLabel_->setMinimumHeight(kLambdaOriginLines * lambdaSourceLabel_->fontMetrics().lineSpacing());
  QSizePolicy keepRoom = lambdaSourceLabel_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  lambdaSourceLabel_->setSizePolicy(keepRoom);
  lambdaSourceLabel_->hide();
  auto* sourcePlace = new QGridLayout;
  sourcePlace->setContentsMargins(0, 0, 0, 0);
  sourcePlace->addWidget(presetSourceLabel_, 0, 0, Qt::AlignTop);
  sourcePlace->addWidget(lambdaSourceLabel_, 0, 0, Qt::AlignTop);
  decayColumn->addLayout(sourcePlace);
  return decayGroup;
}

QWidget* CPropConts::defaultFocusWidget() {
  return tree_;
}

bool CPropConts::eventFilter(QObject* watched, QEvent* event) {
  // Leaving an edit commits it. The whole window losing activation (another
  // program, or the window closing after its project was released) is not
  // leaving the edit: the text stays and is read by the next apply.
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      (watched == c0Edit_ || watched == caEdit_ || watched == lambdaEdit_ || watched == literatureEdit_ ||
       watched == lambdaSourceEdit_))
    commitAndRedisplay(false);
  return PropPage::eventFilter(watched, event);
}

void CPropConts::onTextChanged() {
  if (trackingChanges_) pageModified = true;
}

void CPropConts::commitAndRedisplay(bool markModified) {
  // Disabling a focused edit while redisplaying moves the focus and would
  // come back here.
  if (committing_ || !currentContaminant_) return;
  committing_ = true;
  if (markModified) pageModified = true;
  ReadContaminant();
  ShowContaminant();
  committing_ = false;
}

void CPropConts::showEvent(QShowEvent* event) {
  // The unit may have changed on the Project page since the last look.
  ShowUnit();
  PropPage::showEvent(event);
}

void CPropConts::ShowUnit() {
  const QString unit =
      project_
          ? QStringLiteral("[%1]").arg(QString::fromStdString(virelo_SettingsOf(*project_).concentrationUnit))
          : QString();
  for (QLabel* label : unitLabels_) label->setText(unit);
}

int CPropConts::ShowProject(Project* project) {
  project_ = project;
  ShowUnit();
  // Another window (the Site data window's decay constant, a file) may have
  // changed any contaminant since the page last looked.
  RefreshMarkers();
  // The current contaminant must point into this project's list; the main
  // window rebuilds the tree first when the list is replaced.
  if (currentContaminant_ && (!project || currentIndex_ < 0 || currentIndex_ >= project->contaminantCount ||
                              currentContaminant_ != project->contaminants + currentIndex_)) {
    currentContaminant_ = nullptr;
    currentIndex_ = -1;
  }
  ShowContaminant();
  pageModified = false;
  return 1;
}

int CPropConts::ApplyToProject(Project* project) {
  project_ = project;
  if (currentContaminant_ && (!project || currentIndex_ < 0 || currentIndex_ >= project->contaminantCount ||
                              currentContaminant_ != project->contaminants + currentIndex_)) {
    currentContaminant_ = nullptr;
    currentIndex_ = -1;
  }
  ReadContaminant();
  RederivePresets();
  return 1;
}

void CPropConts::setInputsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{c0Edit_, caEdit_, lambdaEdit_, assessPlumeCheck_,
                                                    assessAfCheck_, presetCheck_})
    w->setEnabled(enabled);
}

void CPropConts::ShowContaminant() {
  Contaminant* c = currentContaminant_;
  if (!c) return;
  const bool tracking = trackingChanges_;
  trackingChanges_ = false;
  setInputsEnabled(true);
  assessPlumeCheck_->setChecked(c->assess & kAssessPlumeLength);
  assessAfCheck_->setChecked(c->assess & kAssessAttenuationFactor);
  if (c->valueMask & kValueC0)
    setEditNumber(c0Edit_, formatNumber("%.6f", c->c0), c->c0);
  else
    clearEdit(c0Edit_);
  if (c->valueMask & kValueCa)
    setEditNumber(caEdit_, formatNumber("%.6f", c->ca), c->ca);
  else
    clearEdit(caEdit_);
  ShowDecayConstant();
  ShowSource(literatureSourceLabel_, *c, 0);
  if (c->valueMask & kValueLiteraturePlumeLength) {
    setEditNumber(literatureEdit_, formatNumber("%.2f", c->literaturePlumeLength), c->literaturePlumeLength);
    entriesLabel_->setText((c->valueMask & kValueLiteratureEntries)
                               ? tr("( by %1 entries )").arg(static_cast<int>(c->literatureEntries))
                               : tr("( by ? entries )"));
  } else {
    setEditText(literatureEdit_, tr("no literature plume length available"));
    entriesLabel_->clear();
  }
  if (!assessPlumeCheck_->isChecked() && !assessAfCheck_->isChecked()) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{c0Edit_, caEdit_, lambdaEdit_, lambdaSourceEdit_, presetCheck_})
      w->setEnabled(false);
  }
  trackingChanges_ = tracking;
}

void CPropConts::ShowDecayConstant() {
  Contaminant* c = currentContaminant_;
  if (!c) return;
  const int redox = project_ ? project_->aquifer.redoxCondition : -1;
  const uint16_t presetBit = virelo_RedoxLambdaBit(redox);
  const uint16_t b = (presetBit != 0 && (c->lambdaMask & presetBit)) ? presetBit : 0;
  const int16_t selectedBefore = c->lambdaSelected;
  if (b == 0) {
    presetLabel_->setText(tr("No preset data available!"));
    presetCheck_->setChecked(false);
    presetCheck_->setEnabled(false);
    c->lambdaSelected = (c->lambdaMask & kLambdaUser) ? kLambdaUser : 0;
    lambdaEdit_->setEnabled(true);
  } else {
    presetCheck_->setEnabled(true);
    presetLabel_->setText(EngineTerm(virelo_RedoxText(redox)));
    if (c->lambdaSelected == kLambdaUser) {
      presetCheck_->setChecked(false);
      lambdaEdit_->setEnabled(true);
    } else {
      presetCheck_->setChecked(true);
      lambdaEdit_->setEnabled(false);
      c->lambdaSelected = static_cast<int16_t>(b);
    }
  }
  // Settling the selection can complete or break the inputs: the marker
  // must not keep showing the state before.
  if (c->lambdaSelected != selectedBefore) UpdateItemMarker(currentItem_, project_);
  if (presetCheck_->isChecked())
    ShowSource(presetSourceLabel_, *c, b);
  else
    clearSource(presetSourceLabel_);
  ShowLambdaOrigin();
  ShowLambdaSource();
  double lambda = 0.0;
  if (virelo_GetLambda(c, &lambda))
    setEditNumber(lambdaEdit_, formatNumber("%.6f", lambda), lambda);
  else
    clearEdit(lambdaEdit_);
}

void CPropConts::ShowLambdaOrigin() {
  const QString text = currentContaminant_ && project_ && !presetCheck_->isChecked()
                           ? LambdaOriginText(*project_, *currentContaminant_)
                           : QString();
  lambdaSourceLabel_->setText(text);
  lambdaSourceLabel_->setToolTip(text);
  lambdaSourceLabel_->setVisible(!text.isEmpty());
}

void CPropConts::ShowLambdaSource() {
  const Contaminant* c = currentContaminant_;
  const bool user = c && project_ && !presetCheck_->isChecked() && lambdaEdit_->isEnabled();
  lambdaSourceEdit_->setEnabled(user);
  // Set directly: the number fields' helpers would cut the length to theirs.
  lambdaSourceEdit_->setText(
      user ? QString::fromStdString(LambdaSourceOf(virelo_SettingsOf(*project_), c->name)) : QString());
}

void CPropConts::ShowSource(QLabel* label, const Contaminant& c, uint16_t lambdaBit) {
  const std::string source = ValueSource(literature_, c, lambdaBit);
  label->setVisible(!source.empty());
  if (source.empty())
    label->clear();
  else if (literature_.empty())
    label->setText(tr("Source: unknown, the literature table %1 is not installed")
                       .arg(QLatin1String(kLiteratureTableFileName)));
  else
    label->setText(tr("Source: ") + fromRecordText(source.c_str()));
}

void CPropConts::ReadContaminant() {
  Contaminant* c = currentContaminant_;
  if (!c) return;
  const bool tracking = trackingChanges_;
  trackingChanges_ = false;
  c->assess = (assessPlumeCheck_->isChecked() ? kAssessPlumeLength : 0) |
              (assessAfCheck_->isChecked() ? kAssessAttenuationFactor : 0);
  double value = 0.0;
  if (readEditNumber(c0Edit_, &value))
    virelo_SetContaminantValue(c, kValueC0, value);
  else
    virelo_ClearContaminantValue(c, kValueC0);
  if (readEditNumber(caEdit_, &value))
    virelo_SetContaminantValue(c, kValueCa, value);
  else
    virelo_ClearContaminantValue(c, kValueCa);
  ReadDecayConstant();
  trackingChanges_ = tracking;
}

void CPropConts::ReadDecayConstant() {
  Contaminant* c = currentContaminant_;
  if (!c) return;
  const bool tracking = trackingChanges_;
  trackingChanges_ = false;
  if (!presetCheck_->isChecked()) {
    double value = 0.0;
    if (readEditNumber(lambdaEdit_, &value)) {
      virelo_SetLambda(c, kLambdaUser, value);
      c->lambdaSelected = kLambdaUser;
    } else {
      c->lambdaSelected = 0;
      virelo_ClearLambda(c, kLambdaUser);
    }
    // Typed before or after the value, the source is kept with it.
    if (project_ && lambdaSourceEdit_->isEnabled()) {
      ProjectSettings& settings = virelo_Extras(project_).settings;
      const std::string typed = lambdaSourceEdit_->text().trimmed().toStdString();
      // A new source for a value changed since it was taken from the wells
      // ends the wells' claim: the report must not credit their old value to it.
      if (typed != LambdaSourceOf(settings, c->name) && SupersededLambdaInterval(*project_, *c))
        settings.lambdaIntervals.erase(std::string(c->name, strnlen(c->name, sizeof c->name)));
      SetLambdaSource(&settings, c->name, typed);
    }
  } else {
    c->lambdaSelected = 0;
    const int redox = project_ ? project_->aquifer.redoxCondition : -1;
    const uint16_t presetBit = virelo_RedoxLambdaBit(redox);
    if (presetBit != 0 && (c->lambdaMask & presetBit)) c->lambdaSelected = static_cast<int16_t>(presetBit);
  }
  trackingChanges_ = tracking;
  UpdateItemMarker(currentItem_, project_);
}

void CPropConts::RederivePresets() {
  if (!project_ || !project_->contaminants) return;
  const int redox = project_->aquifer.redoxCondition;
  const bool known = redox >= 0 && redox < kRedoxConditionCount;
  const uint16_t presetBit = virelo_RedoxLambdaBit(redox);
  const int plumeAquifer = virelo_CheckAquiferPlumeLength(&project_->aquifer, nullptr);
  const int afAquifer = virelo_CheckAquiferAF(&project_->aquifer, nullptr);
  for (int i = 0; i < project_->contaminantCount; ++i) {
    Contaminant& c = project_->contaminants[i];
    if (c.lambdaSelected != kLambdaUser && known)
      c.lambdaSelected = (c.lambdaMask & presetBit) ? static_cast<int16_t>(presetBit) : 0;
    if (FindItemForContaminant(i).isValid())
      model_->setMarkerQuietly(i, markerFor(c, plumeAquifer, afAquifer));
  }
  model_->markersChanged();
  ShowContaminant();
}

void CPropConts::ClearContaminantControls() {
  const bool tracking = trackingChanges_;
  trackingChanges_ = false;
  for (QLineEdit* edit : {c0Edit_, caEdit_, lambdaEdit_}) {
    clearEdit(edit);
    edit->setEnabled(false);
  }
  lambdaSourceEdit_->clear();
  lambdaSourceEdit_->setEnabled(false);
  for (QCheckBox* box : {assessPlumeCheck_, assessAfCheck_, presetCheck_}) {
    box->setChecked(false);
    box->setEnabled(false);
  }
  clearEdit(literatureEdit_);
  entriesLabel_->clear();
  presetLabel_->clear();
  clearSource(literatureSourceLabel_);
  clearSource(presetSourceLabel_);
  // hide() keeps its room.
  lambdaSourceLabel_->clear();
  lambdaSourceLabel_->hide();
  trackingChanges_ = tracking;
}
