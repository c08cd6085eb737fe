// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/CPropAqui.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSizePolicy>
#include <QStyle>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "engine/core/dispersivity.h"
#include "engine/core/plausibility.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "engine/project/recordtext.h"
#include "engine/project/settings.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"

namespace {

// Help identifiers of the page's controls.
enum AquiferControlId {
  kIdPage = 1100,
  kIdX = 1101,
  kIdKf,
  kIdI,
  kIdNe,
  kIdSz,
  kIdSy,
  kIdApproximate,
  kIdAx,
  kIdAy,
  kIdAz,
  kIdRedoxUnknown,
  kIdRedoxAerobic,
  kIdRedoxMixedPlumes,
  kIdRedoxNitrate,
  kIdRedoxSulfate,
  kIdRedoxIron,
  kIdRedoxMethane,
  kIdPresetList,
  kIdSiteDataButton,
  kIdSaturatedThickness,
};

// Redox conditions (the values stored in the record) of the buttons.
enum RedoxValue { kUnknown = 0, kAerobic, kNitrate, kIron, kSulfate, kMixedPlumes, kMethane };

// A number in its field's format. A value so large that the fixed format
// would not fit the edit (which would cut it and so change the number on the
// next apply) is shown in the shortest exact form instead.
QString formatValue(double value, const char* format) {
  QString text = QString::asprintf(format, value);
  if (text.size() > CPropAqui::kEditLimit) {
    text = QString::asprintf("%.17g", value);
    text.remove(QLatin1Char('+'));  // the number parser takes no plus sign
  }
  return text;
}

class TrackingPause {
 public:
  explicit TrackingPause(bool& tracking) : tracking_(tracking), saved_(tracking) { tracking_ = false; }
  ~TrackingPause() { tracking_ = saved_; }

 private:
  bool& tracking_;
  bool saved_;
};

}  // namespace

CPropAqui::CPropAqui(PageHost* host, QWidget* parent) : PropPage(host, parent) {
  setControlId(this, kIdPage);
  auto makeEdit = [this](const char* name, int id) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(kEditLimit);
    setControlId(edit, id);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &CPropAqui::OnEditChanged);
    KeepShownDecimalSign(edit);
    return edit;
  };
  xEdit_ = makeEdit("xEdit", kIdX);
  kfEdit_ = makeEdit("kfEdit", kIdKf);
  iEdit_ = makeEdit("iEdit", kIdI);
  neEdit_ = makeEdit("neEdit", kIdNe);
  widthEdit_ = makeEdit("widthEdit", kIdSy);
  thicknessEdit_ = makeEdit("thicknessEdit", kIdSz);
  axEdit_ = makeEdit("axEdit", kIdAx);
  ayEdit_ = makeEdit("ayEdit", kIdAy);
  azEdit_ = makeEdit("azEdit", kIdAz);
  saturatedThicknessEdit_ = makeEdit("saturatedThicknessEdit", kIdSaturatedThickness);
  saturatedThicknessEdit_->setToolTip(
      tr("Used for the plume's dissolved mass and the mass discharge (Site data). Left empty, "
         "the mass is per metre of thickness."));

  // A row of label, edit, unit and (hidden until needed) a warning sign in a
  // grid; labels share the first column.
  const QPixmap sign = style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(14, 14);
  const int signWidth = 16;
  auto addRow = [this, sign](QGridLayout* grid, int row, const QString& text, QLineEdit* edit,
                             const QString& unit, int bit = 0) {
    auto* label = new QLabel(text);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
    if (bit) {
      auto* warning = new QLabel;
      warning->setPixmap(sign);
      warning->setObjectName(edit->objectName() + QLatin1String("Warning"));
      warning->hide();
      grid->addWidget(warning, row, 3);
      warningSigns_[bit] = warning;
    }
  };
  // The warnings in words, below their fields; they take the width the
  // fields give them and wrap within it.
  auto warningText = [](const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #9a5b00;"));
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->hide();
    return label;
  };
  hydraulicWarnings_ = warningText("hydraulicWarnings");
  dispersivityWarnings_ = warningText("dispersivityWarnings");
  // The attenuation-factor group is as wide as its long title; the left
  // column gets the rest, so its rows are kept tight.
  const int unitWidth = fontMetrics().horizontalAdvance("[m/d]") + 1;
  const int leftLabelWidth = fontMetrics().horizontalAdvance(tr("Effective porosity ( ne )  <= 1.0  :")) + 2;
  // Room for about ten digits (a "%.9f" conductivity scrolls a little).
  const int editWidth = fontMetrics().horizontalAdvance("0.0001000") + 8;
  for (QLineEdit* edit : {xEdit_, kfEdit_, iEdit_, neEdit_, saturatedThicknessEdit_, widthEdit_,
                          thicknessEdit_, axEdit_, ayEdit_, azEdit_})
    edit->setMinimumWidth(editWidth);
  auto prepareGrid = [unitWidth, signWidth](QGridLayout* grid, int labelWidth) {
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setColumnMinimumWidth(0, labelWidth);
    grid->setColumnMinimumWidth(2, unitWidth);
    grid->setColumnMinimumWidth(3, signWidth);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(4);
  };

  // --- Left column.
  auto* distanceGroup = new QGroupBox(tr("Distance source - receptor"));
  auto* distanceGrid = new QGridLayout(distanceGroup);
  prepareGrid(distanceGrid, leftLabelWidth);
  addRow(distanceGrid, 0, "x:", xEdit_, "[m]", kAquiferX);

  auto* hydraulicGroup = new QGroupBox(tr("Hydraulic parameters"));
  auto* hydraulicGrid = new QGridLayout(hydraulicGroup);
  prepareGrid(hydraulicGrid, leftLabelWidth);
  addRow(hydraulicGrid, 0, tr("Hydraulic conductivity ( Kf ) :"), kfEdit_, "[m/d]", kAquiferKf);
  addRow(hydraulicGrid, 1, tr("Hydraulic gradient ( i ) : "), iEdit_, "[ - ]", kAquiferI);
  addRow(hydraulicGrid, 2, tr("Effective porosity ( ne )  <= 1.0  :"), neEdit_, "[ - ]", kAquiferNe);
  // Neither assessment reads b: only the plume's mass and the mass
  // discharge of the site data do.
  addRow(hydraulicGrid, 3, tr("Saturated thickness ( b ) :"), saturatedThicknessEdit_, "[m]");
  hydraulicGrid->addWidget(hydraulicWarnings_, 4, 0, 1, 4);

  QGroupBox* redoxGroup = buildRedoxGroup();

  auto* leftColumn = new QVBoxLayout;
  leftColumn->addWidget(distanceGroup);
  leftColumn->addWidget(hydraulicGroup);
  leftColumn->addWidget(redoxGroup, 1);

  // --- Right column: the inputs only the attenuation factor uses.
  int rightLabelWidth = 0;
  for (const QString& line :
       {tr("Width across the flow"), tr("water table ( Sz ) :"), tr("ay (across, horizontal) :")})
    rightLabelWidth = std::max(rightLabelWidth, fontMetrics().horizontalAdvance(line) + 6);

  // The model reads Sy as half the source's width across the flow (paired
  // with the horizontal dispersivity ay) and Sz as its thickness below the
  // water table (paired with the vertical az). The page asks for what a
  // site report gives, the full width, and stores half of it.
  auto* sourceGroup = new QGroupBox(tr("Contaminant source"));
  auto* sourceGrid = new QGridLayout(sourceGroup);
  prepareGrid(sourceGrid, rightLabelWidth);
  addRow(sourceGrid, 0, tr("Width across the flow\n( W = 2 Sy ) :"), widthEdit_, "[m]");
  addRow(sourceGrid, 1, tr("Thickness below the\nwater table ( Sz ) :"), thicknessEdit_, "[m]");

  approximateCheck_ = new QCheckBox(tr("Approximate by &x"));
  approximateCheck_->setObjectName("approximateCheck");
  setControlId(approximateCheck_, kIdApproximate);
  connect(approximateCheck_, &QCheckBox::clicked, this, [this] {
    OnButtonClicked();
    OnApproximateClicked();
  });

  auto* dispersivityGroup = new QGroupBox(tr("Dispersivity (3 Dimensions)"));
  auto* dispersivityGrid = new QGridLayout(dispersivityGroup);
  prepareGrid(dispersivityGrid, rightLabelWidth);
  dispersivityGrid->addWidget(approximateCheck_, 0, 0, 1, 3);
  addRow(dispersivityGrid, 1, tr("ax (along the flow) :"), axEdit_, "[m]", kAquiferAx);
  addRow(dispersivityGrid, 2, tr("ay (across, horizontal) :"), ayEdit_, "[m]", kAquiferAy);
  addRow(dispersivityGrid, 3, tr("az (vertical) :"), azEdit_, "[m]", kAquiferAz);
  dispersivityGrid->addWidget(dispersivityWarnings_, 4, 0, 1, 4);

  auto* afGroup = new QGroupBox(tr("Only used for calculation attenuation factor ( AF )"));
  auto* afLayout = new QVBoxLayout(afGroup);
  afLayout->setContentsMargins(6, 6, 6, 6);
  afLayout->addWidget(sourceGroup);
  afLayout->addWidget(dispersivityGroup);
  afLayout->addStretch(1);

  auto* rightColumn = new QVBoxLayout;
  rightColumn->addWidget(afGroup, 1);

  afGroup->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(6);
  layout->addLayout(leftColumn, 1);
  layout->addLayout(rightColumn, 0);

  SetRedoxButtons(kUnknown);
  pageModified = false;
  trackingChanges = true;
}

QGroupBox* CPropAqui::buildRedoxGroup() {
  auto* redoxGroup = new QGroupBox(tr("Redox conditions"));
  auto* redoxLayout = new QHBoxLayout(redoxGroup);
  redoxLayout->setContentsMargins(6, 6, 6, 6);
  auto* buttonColumn = new QVBoxLayout;
  buttonColumn->setSpacing(2);
  // On screen, mixed plumes come third and Fe sixth; the array is indexed by
  // the stored value.
  struct ButtonDef {
    int value;
    const char* text;
    const char* name;
    int id;
  };
  const ButtonDef buttons[] = {
      {kUnknown, QT_TR_NOOP("&Unknown / variable"), "redoxUnknown", kIdRedoxUnknown},
      {kAerobic, QT_TR_NOOP("&Aerobic conditions"), "redoxAerobic", kIdRedoxAerobic},
      {kMixedPlumes, QT_TR_NOOP("Anaerobic &mixed plumes"), "redoxMixedPlumes", kIdRedoxMixedPlumes},
      {kNitrate, QT_TR_NOOP("Anaerobic &NO3"), "redoxNitrate", kIdRedoxNitrate},
      {kSulfate, QT_TR_NOOP("Anaerobic &SO4"), "redoxSulfate", kIdRedoxSulfate},
      {kIron, QT_TR_NOOP("Anaerobic &Fe"), "redoxIron", kIdRedoxIron},
      {kMethane, QT_TR_NOOP("Anaerobic &CH4"), "redoxMethane", kIdRedoxMethane},
  };
  for (const ButtonDef& def : buttons) {
    auto* button = new QRadioButton(tr(def.text));
    button->setObjectName(QLatin1String(def.name));
    setControlId(button, def.id);
    redoxButtons_[def.value] = button;
    buttonColumn->addWidget(button);
    connect(button, &QRadioButton::clicked, this, &CPropAqui::OnButtonClicked);
  }
  buttonColumn->addStretch(1);
  // The site's own indicators suggest a condition in the Site data window.
  auto* siteButton = new QPushButton(tr("Si&te data..."));
  siteButton->setObjectName(QStringLiteral("aquiferSiteData"));
  setControlId(siteButton, kIdSiteDataButton);
  connect(siteButton, &QPushButton::clicked, this, &CPropAqui::siteDataRequested);
  buttonColumn->addWidget(siteButton);

  auto* listColumn = new QVBoxLayout;
  auto* listLabel = new QLabel(tr("Generic decay constant available for following contaminants :"));
  listLabel->setAlignment(Qt::AlignCenter);
  listLabel->setWordWrap(true);
  presetList_ = new QTextEdit;
  presetList_->setObjectName("presetList");
  presetList_->setReadOnly(true);
  presetList_->setAcceptRichText(false);
  presetList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  presetList_->setTabChangesFocus(true);
  QTextOption centred = presetList_->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  presetList_->document()->setDefaultTextOption(centred);
  presetList_->installEventFilter(this);
  setControlId(presetList_, kIdPresetList);
  listLabel->setBuddy(presetList_);
  listColumn->addWidget(listLabel);
  listColumn->addWidget(presetList_, 1);

  redoxLayout->addLayout(buttonColumn);
  redoxLayout->addSpacing(6);
  redoxLayout->addLayout(listColumn, 1);
  return redoxGroup;
}

bool CPropAqui::eventFilter(QObject* watched, QEvent* event) {
  // Leaving any edit brings ax, ay and az up to date with x.
  if (event->type() == QEvent::FocusOut && (qobject_cast<QLineEdit*>(watched) || watched == presetList_))
    ApproximateDispersivities();
  return PropPage::eventFilter(watched, event);
}

void CPropAqui::OnEditChanged() {
  UpdatePlausibility();
  if (!trackingChanges) return;
  pageModified = true;
  // The contaminants page derives presets and markers from the aquifer.
  if (host_) host_->MarkContaminantsPageModified();
}

void CPropAqui::OnButtonClicked() {
  OnEditChanged();
  ListDecayConstantContaminants();
}

void CPropAqui::OnApproximateClicked() {
  const bool approximate = approximateCheck_->isChecked();
  for (QLineEdit* edit : {axEdit_, ayEdit_, azEdit_}) edit->setEnabled(!approximate);
  if (approximate) ApproximateDispersivities();
}

void CPropAqui::ApproximateDispersivities() {
  if (!approximateCheck_->isChecked() || xEdit_->text().isEmpty()) return;
  double x = 0.0;
  if (!ReadNumber(xEdit_, &x)) return;
  double ax = 0.0, ay = 0.0, az = 0.0;
  virelo_DispersivitiesFromX(x, &ax, &ay, &az);
  TrackingPause pause(trackingChanges);
  // Each field keeps the value derived, not its three decimals.
  ShowFieldNumber(axEdit_, formatValue(ax, "%.3f"), ax);
  ShowFieldNumber(ayEdit_, formatValue(ay, "%.3f"), ay);
  ShowFieldNumber(azEdit_, formatValue(az, "%.3f"), az);
}

bool CPropAqui::ReadNumber(const QLineEdit* edit, double* value) {
  if (UneditedFieldNumber(edit, value)) return true;
  QByteArray text = editTextBytes(edit->text());  // parsed in place: a copy
  return virelo_ParseNumber(text.data(), value) != 0;
}

int CPropAqui::ReadRedoxButtons() const {
  for (int value = 0; value < kRedoxConditionCount; ++value)
    if (redoxButtons_[value]->isChecked()) return value;
  return -1;
}

void CPropAqui::SetRedoxButtons(int condition) {
  // An exclusive radio button refuses to be unchecked by itself.
  for (QRadioButton* button : redoxButtons_) {
    button->setAutoExclusive(false);
    button->setChecked(false);
  }
  if (condition >= 0 && condition < kRedoxConditionCount) redoxButtons_[condition]->setChecked(true);
  for (QRadioButton* button : redoxButtons_) button->setAutoExclusive(true);
}

void CPropAqui::ListDecayConstantContaminants() {
  if (!project_) return;
  const int condition = ReadRedoxButtons();
  const uint16_t bit = condition >= 0 ? virelo_RedoxLambdaBit(condition) : 0;
  listText_.clear();
  if (bit && project_->contaminants) {
    for (int i = 0; i < project_->contaminantCount; ++i) {
      const Contaminant& contaminant = project_->contaminants[i];
      if (!(contaminant.lambdaMask & bit)) continue;
      listText_ += QString::fromStdString(
          RecordTextToUtf8(std::string_view(contaminant.name, strnlen(contaminant.name, kNameCapacity))));
      listText_ += QLatin1String("\r\n");
    }
  }
  QString shown = listText_;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  TrackingPause pause(trackingChanges);
  presetList_->setPlainText(shown);
}

void CPropAqui::ShowValue(QLineEdit* edit, bool present, double value, const char* format, double scale) {
  if (present)
    ShowFieldNumber(edit, formatValue(value * scale, format), value * scale);
  else
    ShowFieldText(edit);
  edit->setCursorPosition(0);  // a long number shows its leading digits
}

int CPropAqui::ShowProject(Project* project) {
  project_ = project;
  if (!project) return 0;
  // A project that comes with "Approximate by x" set but dispersivities of
  // another x (written by another program, or edited as JSON) is brought up
  // to date here, where it is first shown, so that no result rests on
  // values the page would never show; the project is then modified.
  virelo_RefreshApproximatedDispersivities(project);
  trackingChanges = false;
  const Aquifer& aquifer = project->aquifer;
  const uint16_t mask = aquifer.setMask;
  ShowValue(xEdit_, mask & kAquiferX, aquifer.distanceX, "%.2f");
  ShowValue(widthEdit_, mask & kAquiferSy, aquifer.sourceThicknessSy, "%.2f", 2.0);
  ShowValue(thicknessEdit_, mask & kAquiferSz, aquifer.sourceWidthSz, "%.2f");

  const bool approximate = project->approximateDispersivity != 0;
  approximateCheck_->setChecked(approximate);
  for (QLineEdit* edit : {axEdit_, ayEdit_, azEdit_}) edit->setEnabled(!approximate);
  // The stored values, not ones recomputed from x.
  ShowValue(axEdit_, mask & kAquiferAx, aquifer.dispersivityAx, "%.2f");
  ShowValue(ayEdit_, mask & kAquiferAy, aquifer.dispersivityAy, "%.2f");
  ShowValue(azEdit_, mask & kAquiferAz, aquifer.dispersivityAz, "%.2f");

  ShowValue(kfEdit_, mask & kAquiferKf, aquifer.conductivityKf, "%.9f");
  ShowValue(iEdit_, mask & kAquiferI, aquifer.gradientI, "%.7f");
  ShowValue(neEdit_, mask & kAquiferNe, aquifer.porosityNe, "%.3f");
  const double b = virelo_SettingsOf(*project).saturatedThickness;
  ShowValue(saturatedThicknessEdit_, IsAcceptedSaturatedThickness(b), b, "%.2f");

  SetRedoxButtons(aquifer.redoxCondition);
  ListDecayConstantContaminants();
  UpdatePlausibility();
  pageModified = false;
  trackingChanges = true;
  return 1;
}

void CPropAqui::ReadValue(QLineEdit* edit, int bit, double scale) {
  double value = 0.0;
  if (ReadNumber(edit, &value)) {
    virelo_SetAquiferValue(&project_->aquifer, bit, value / scale);
  } else {
    // Not a number: the value stays absent and the edit shows so.
    TrackingPause pause(trackingChanges);
    edit->clear();
  }
}

void CPropAqui::ReadSaturatedThickness() {
  double b = 0.0;
  // Only a thickness the mass could be taken over is kept: anything else
  // leaves it not entered, and the field shows so.
  if (!ReadNumber(saturatedThicknessEdit_, &b) || !IsAcceptedSaturatedThickness(b)) {
    b = 0.0;
    TrackingPause pause(trackingChanges);
    saturatedThicknessEdit_->clear();
  }
  // A project that never had settings keeps none for a thickness not entered.
  if (b != virelo_SettingsOf(*project_).saturatedThickness)
    virelo_Extras(project_).settings.saturatedThickness = b;
}

int CPropAqui::ApplyToProject(Project* project) {
  project_ = project;
  if (!project) return 0;
  // The pages may be applied while x still has the focus (a tab clicked with
  // the mouse takes no focus), so the approximation that leaving x would
  // have made is made here, before the dispersivities are read.
  ApproximateDispersivities();
  project->aquifer.setMask = 0;
  ReadValue(xEdit_, kAquiferX);
  ReadValue(widthEdit_, kAquiferSy, 2.0);
  ReadValue(thicknessEdit_, kAquiferSz);
  ReadValue(axEdit_, kAquiferAx);
  ReadValue(ayEdit_, kAquiferAy);
  ReadValue(azEdit_, kAquiferAz);
  project->approximateDispersivity = approximateCheck_->isChecked() ? 1 : 0;
  ReadValue(kfEdit_, kAquiferKf);
  ReadValue(iEdit_, kAquiferI);
  ReadValue(neEdit_, kAquiferNe);
  ReadSaturatedThickness();
  project->aquifer.redoxCondition = static_cast<int16_t>(ReadRedoxButtons());
  return 1;
}

void CPropAqui::UpdatePlausibility() {
  // The values as they stand in the edits, before any apply.
  Aquifer shown{};
  const struct {
    QLineEdit* edit;
    int bit;
  } fields[] = {{xEdit_, kAquiferX},   {kfEdit_, kAquiferKf}, {iEdit_, kAquiferI},  {neEdit_, kAquiferNe},
                {axEdit_, kAquiferAx}, {ayEdit_, kAquiferAy}, {azEdit_, kAquiferAz}};
  for (const auto& field : fields) {
    double value = 0.0;
    if (ReadNumber(field.edit, &value)) virelo_SetAquiferValue(&shown, field.bit, value);
  }
  std::map<int, QStringList> bySign;
  QStringList hydraulic, dispersivity;
  for (const PlausibilityWarning& warning : virelo_CheckPlausibility(shown)) {
    const QString text = QString::fromStdString(warning.text);
    (warning.attenuationFactorOnly ? dispersivity : hydraulic) << text;
    for (const auto& [bit, sign] : warningSigns_)
      if (warning.fields & bit) bySign[bit] << text;
  }
  for (const auto& [bit, sign] : warningSigns_) {
    const auto found = bySign.find(bit);
    sign->setVisible(found != bySign.end());
    sign->setToolTip(found != bySign.end() ? found->second.join(QLatin1Char('\n')) : QString());
  }
  hydraulicWarnings_->setText(hydraulic.join(QLatin1Char('\n')));
  hydraulicWarnings_->setVisible(!hydraulic.isEmpty());
  dispersivityWarnings_->setText(dispersivity.join(QLatin1Char('\n')));
  dispersivityWarnings_->setVisible(!dispersivity.isEmpty());
}

QString CPropAqui::plausibilityText() const {
  QStringList lines;
  for (const QLabel* label : {hydraulicWarnings_, dispersivityWarnings_})
    if (!label->text().isEmpty()) lines << label->text();
  return lines.join(QLatin1Char('\n'));
}
