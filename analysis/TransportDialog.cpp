// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/TransportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/settings.h"
#include "persistence/databasecsv.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

// The number in a field: nothing for an empty text, else the parsed value
// (NaN when it is not a number, so that the checks refuse it).
std::optional<double> fieldNumber(const QString& text) {
  if (text.trimmed().isEmpty()) return std::nullopt;
  QByteArray bytes = editTextBytes(text);
  double value = 0.0;
  if (!virelo_ParseNumber(bytes.data(), &value)) return std::nan("");
  return value;
}

QString problemText(ProblemCode code) {
  char text[256] = "";
  virelo_GetProblemText(code, text);
  return EngineTerm(text);
}

// A stored number as a field shows it: exactly, in the shortest form, with
// the reader's decimal sign (the field's parser reads either sign back).
QString numberText(double value) {
  QString text = QString::number(value, 'g', 17);
  const QString shorter = QString::number(value, 'g', 15);
  return ShownNumbers(shorter.toDouble() == value ? shorter : text);
}

QString sourceKindText(SourceDecayKind kind) {
  switch (kind) {
    case SourceDecayKind::Constant: return QCoreApplication::translate("TransportDialog", "constant");
    case SourceDecayKind::Rate: return QCoreApplication::translate("TransportDialog", "decaying at ks");
    case SourceDecayKind::Mass:
      return QCoreApplication::translate("TransportDialog", "decaying from mass M0");
  }
  return QString();
}

}  // namespace

TransportDialog::TransportDialog(const Project& project, QWidget* parent)
    : QDialog(parent), project_(project), inputs_(TransportOf(project)) {
  setWindowTitle(tr("Sorption and source"));
  setObjectName(QStringLiteral("transportDialog"));
  setControlId(this, kIdTransportDialog);
  AnswerF1WithManual(this, kIdTransportDialog);
  build();
  fill();
  refresh();
}

void TransportDialog::build() {
  auto* aquiferGroup = new QGroupBox(tr("Aquifer"));
  auto* grid = new QGridLayout(aquiferGroup);
  auto addField = [grid](int row, const QString& label, QLineEdit* edit, const QString& unit) {
    auto* text = new QLabel(label);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
  };
  bulkDensity_ = new QLineEdit;
  bulkDensity_->setObjectName(QStringLiteral("bulkDensityEdit"));
  setControlId(bulkDensity_, kIdTransportBulkDensity);
  organicCarbon_ = new QLineEdit;
  organicCarbon_->setObjectName(QStringLiteral("organicCarbonEdit"));
  setControlId(organicCarbon_, kIdTransportOrganicCarbon);
  KeepShownDecimalSign(bulkDensity_);
  KeepShownDecimalSign(organicCarbon_);
  addField(0, tr("&Bulk density ( rho_b ) :"), bulkDensity_, QStringLiteral("[kg/L]"));
  addField(1, tr("Fraction of &organic carbon ( foc ) :"), organicCarbon_, QStringLiteral("[ - ]"));
  decayOf_ = new QCheckBox(tr("&Decay of dissolved and sorbed phase"));
  decayOf_->setObjectName(QStringLiteral("decayOfCheck"));
  setControlId(decayOf_, kIdTransportDecayOf);
  grid->addWidget(decayOf_, 2, 0, 1, 3);
  decayNote_ = new QLabel;
  decayNote_->setObjectName(QStringLiteral("decayNote"));
  decayNote_->setWordWrap(true);
  grid->addWidget(decayNote_, 3, 0, 1, 3);
  warnings_ = new QLabel;
  warnings_->setObjectName(QStringLiteral("sorptionWarnings"));
  warnings_->setWordWrap(true);
  warnings_->setStyleSheet(QStringLiteral("color: #9a5b00;"));
  grid->addWidget(warnings_, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);

  table_ = new QTableWidget(0, kColumnCount);
  table_->setObjectName(QStringLiteral("transportTable"));
  setControlId(table_, kIdTransportTable);
  table_->setHorizontalHeaderLabels({tr("Contaminant"), tr("Koc [L/kg]"), tr("Koc source"), tr("Source"),
                                     QStringLiteral("ks [1/d]"), QStringLiteral("M0 [kg]"),
                                     QStringLiteral("R"), tr("Source decay")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->horizontalHeader()->setStretchLastSection(true);

  // The bundled literature table's measured Koc, with its source, for every
  // contaminant that has none yet: what the user would otherwise copy by hand.
  auto* fromDatabase = new QPushButton(tr("&Koc from the bundled database"));
  fromDatabase->setObjectName(QStringLiteral("kocFromDatabase"));
  setControlId(fromDatabase, kIdTransportKocFromDatabase);
  connect(fromDatabase, &QPushButton::clicked, this, &TransportDialog::fillKocFromDatabase);

  problemText_ = new QLabel;
  problemText_->setObjectName(QStringLiteral("transportProblems"));
  problemText_->setWordWrap(true);
  problemText_->setStyleSheet(QStringLiteral("color: #b00020;"));

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  // OK and Cancel answer with the dialog's own help.
  for (QAbstractButton* button : buttons_->buttons()) setControlId(button, kIdTransportDialog);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  // The list holds what the project assesses; the rest of the database's
  // contaminants only on request, so that a long database does not bury them.
  showAll_ = new QCheckBox(tr("Show the contaminants &not assessed"));
  showAll_->setObjectName(QStringLiteral("showNotAssessed"));
  setControlId(showAll_, kIdTransportTable);
  connect(showAll_, &QCheckBox::toggled, this, &TransportDialog::showRows);
  auto* below = new QHBoxLayout;
  below->addWidget(fromDatabase);
  below->addWidget(showAll_);
  below->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(aquiferGroup);
  layout->addWidget(table_, 1);
  layout->addLayout(below);
  layout->addWidget(problemText_);
  layout->addWidget(buttons_);
  OpenAtSessionSize(this, QSize(1040, 520));

  connect(bulkDensity_, &QLineEdit::textChanged, this, &TransportDialog::refresh);
  connect(organicCarbon_, &QLineEdit::textChanged, this, &TransportDialog::refresh);
  connect(decayOf_, &QCheckBox::toggled, this, &TransportDialog::refresh);
  connect(table_, &QTableWidget::itemChanged, this, &TransportDialog::refresh);
}

void TransportDialog::fill() {
  filling_ = true;
  const AquiferSorption& a = inputs_.aquifer;
  bulkDensity_->setText(a.bulkDensity ? numberText(*a.bulkDensity) : QString());
  organicCarbon_->setText(a.organicCarbon ? numberText(*a.organicCarbon) : QString());
  decayOf_->setChecked(a.decayOf == DecayOf::DissolvedAndSorbed);
  const int count = project_.contaminants ? project_.contaminantCount : 0;
  table_->setRowCount(count);
  for (int row = 0; row < count; ++row) {
    const Contaminant& c = project_.contaminants[row];
    const ContaminantTransport& t = ContaminantTransportOf(inputs_, c.name);
    auto* name = new QTableWidgetItem(contaminantName(project_, row));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    table_->setItem(row, kName, name);
    table_->setItem(row, kKoc, new QTableWidgetItem(t.koc ? numberText(*t.koc) : QString()));
    table_->setItem(row, kKocSource, new QTableWidgetItem(QString::fromStdString(t.kocSource)));
    auto* kind = new QComboBox;
    kind->setObjectName(QStringLiteral("sourceKind%1").arg(row));
    setControlId(kind, kIdTransportTable);
    for (SourceDecayKind k : {SourceDecayKind::Constant, SourceDecayKind::Rate, SourceDecayKind::Mass})
      kind->addItem(sourceKindText(k), static_cast<int>(k));
    kind->setCurrentIndex(static_cast<int>(t.sourceDecay));
    table_->setCellWidget(row, kSource, kind);
    connect(kind, &QComboBox::currentIndexChanged, this, [this, row] {
      updateRateFields(row);
      refresh();
    });
    table_->setItem(
        row, kRate,
        new QTableWidgetItem(t.sourceDecay == SourceDecayKind::Rate ? numberText(t.rate) : QString()));
    table_->setItem(
        row, kMass,
        new QTableWidgetItem(t.sourceDecay == SourceDecayKind::Mass ? numberText(t.mass) : QString()));
    for (int column : {kRetardation, kSourceRate}) {
      auto* derived = new QTableWidgetItem;
      derived->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      table_->setItem(row, column, derived);
    }
    updateRateFields(row);
  }
  showRows();
  table_->resizeColumnsToContents();
  table_->setColumnWidth(kKocSource, 220);
  // The derived columns are filled after this: room for their longest texts.
  table_->setColumnWidth(kRetardation, fontMetrics().horizontalAdvance(tr("1 (no Koc)")) + 16);
  table_->setColumnWidth(kSourceRate,
                         fontMetrics().horizontalAdvance(QStringLiteral("ks = 1.234e-05 1/d")) + 16);
  filling_ = false;
}

void TransportDialog::showRows() {
  for (int row = 0; row < table_->rowCount(); ++row)
    table_->setRowHidden(row, !showAll_->isChecked() && !project_.contaminants[row].assess);
}

void TransportDialog::updateRateFields(int row) {
  const auto* kind = qobject_cast<QComboBox*>(table_->cellWidget(row, kSource));
  if (!kind) return;
  const bool wasFilling = filling_;
  filling_ = true;
  const auto chosen = static_cast<SourceDecayKind>(kind->currentData().toInt());
  const struct {
    int column;
    SourceDecayKind kind;
  } fields[] = {{kRate, SourceDecayKind::Rate}, {kMass, SourceDecayKind::Mass}};
  for (const auto& field : fields) {
    QTableWidgetItem* item = table_->item(row, field.column);
    if (!item) continue;
    // Only the value of the chosen kind is entered; the other is not kept.
    if (chosen == field.kind) {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    } else {
      item->setText(QString());
      item->setFlags(Qt::ItemIsSelectable);
    }
  }
  filling_ = wasFilling;
}

void TransportDialog::refresh() {
  if (filling_) return;
  problems_.clear();
  AquiferSorption a;
  a.bulkDensity = fieldNumber(bulkDensity_->text());
  a.organicCarbon = fieldNumber(organicCarbon_->text());
  a.decayOf = decayOf_->isChecked() ? DecayOf::DissolvedAndSorbed : DecayOf::Dissolved;
  for (ProblemCode code : virelo_CheckSorption(a)) problems_ << problemText(code);
  inputs_.aquifer = a;

  const std::string unit = virelo_SettingsOf(project_).concentrationUnit;
  filling_ = true;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const Contaminant& c = project_.contaminants[row];
    const QString name = contaminantName(project_, row);
    ContaminantTransport t;
    t.koc = fieldNumber(table_->item(row, kKoc)->text());
    t.kocSource = table_->item(row, kKocSource)->text().trimmed().toStdString();
    const auto* kind = qobject_cast<QComboBox*>(table_->cellWidget(row, kSource));
    t.sourceDecay = static_cast<SourceDecayKind>(kind ? kind->currentData().toInt() : 0);
    // A value not entered for the chosen kind is missing, and refused as 0
    // would be misread: no decay rate is not a rate of 0.
    const auto rate = fieldNumber(table_->item(row, kRate)->text());
    const auto mass = fieldNumber(table_->item(row, kMass)->text());
    if (t.sourceDecay == SourceDecayKind::Rate) t.rate = rate.value_or(std::nan(""));
    if (t.sourceDecay == SourceDecayKind::Mass) t.mass = mass.value_or(std::nan(""));
    if (table_->item(row, kKocSource)->text().trimmed().size() > kKocSourceMaxCharacters)
      problems_
          << tr("%1: the Koc source is longer than %2 characters").arg(name).arg(kKocSourceMaxCharacters);
    for (ProblemCode code : virelo_CheckContaminantTransport(t))
      problems_ << QStringLiteral("%1: %2").arg(name, problemText(code));
    SetContaminantTransport(&inputs_, c.name, t);

    const Retardation r = virelo_Retardation(a, t, project_.aquifer);
    QTableWidgetItem* rItem = table_->item(row, kRetardation);
    rItem->setText(r.basis == Retardation::Basis::Computed ? ShownNumbers(QString::number(r.value, 'g', 4))
                                                           : QStringLiteral("1"));
    rItem->setToolTip(EngineText(RetardationText(r)));
    if (r.basis == Retardation::Basis::NoKoc) rItem->setText(tr("1 (no Koc)"));

    const SourceDecay d = virelo_SourceDecay(t, project_.aquifer, c, unit);
    QTableWidgetItem* ksItem = table_->item(row, kSourceRate);
    if (t.sourceDecay == SourceDecayKind::Constant) {
      ksItem->setText(tr("none"));
      ksItem->setToolTip(QString());
    } else if (!d.problem.empty()) {
      ksItem->setText(tr("not known"));
      ksItem->setToolTip(EngineText(d.problem));
    } else {
      ksItem->setText(QStringLiteral("ks = %1 1/d").arg(ShownNumbers(QString::number(d.ks, 'g', 4))));
      ksItem->setToolTip(t.sourceDecay == SourceDecayKind::Mass
                             ? tr("ks = Q C0 / M0 with Q = Kf i W H = %1 m3/d")
                                   .arg(ShownNumbers(QString::number(d.flow, 'g', 4)))
                             : QString());
    }
  }
  filling_ = false;

  QStringList warnings;
  for (const std::string& w : virelo_SorptionWarnings(a)) warnings << EngineText(w);
  warnings_->setText(warnings.join(QLatin1Char('\n')));
  warnings_->setVisible(!warnings.isEmpty());
  decayNote_->setText(
      a.decayOf == DecayOf::DissolvedAndSorbed
          ? tr("The steady state decays at lambda * R: the plume length, the attenuation factor and "
               "their verdicts change for every contaminant with R > 1.")
          : tr("Decay acts on the dissolved phase only: sorption delays the plume but changes no "
               "steady-state value or verdict."));
  problemText_->setText(problems_.join(QLatin1Char('\n')));
  problemText_->setVisible(!problems_.isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(problems_.isEmpty());
}

int TransportDialog::fillKocFromDatabase() {
  LiteratureTable literature;
  if (!LoadBundledLiteratureTable(&literature)) return 0;
  int filled = 0;
  for (int row = 0; row < table_->rowCount(); ++row) {
    // Only the rows the user sees: a hidden one would change unseen.
    if (table_->isRowHidden(row) || !table_->item(row, kKoc)->text().trimmed().isEmpty()) continue;
    const LiteratureSorption* found = LiteratureKoc(literature, project_.contaminants[row].name);
    if (!found) continue;
    table_->item(row, kKocSource)->setText(fromRecordText(found->source.c_str()));
    table_->item(row, kKoc)->setText(numberText(*found->koc));
    ++filled;
  }
  return filled;
}

bool RunTransportDialog(Project* project, QWidget* parent) {
  if (!project) return false;
  TransportDialog dialog(*project, parent);
  if (Platform::instance().execDialog(&dialog) != QDialog::Accepted || !dialog.problems().isEmpty())
    return false;
  if (dialog.inputs() == TransportOf(*project)) return false;
  virelo_Extras(project).transport = dialog.inputs();
  project->modified = 1;
  return true;
}
