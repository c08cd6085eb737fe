// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/ChainWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/ChainChart.h"
#include "analysis/ChartNumbers.h"
#include "engine/case/projectcase.h"
#include "engine/chains/chaincalc.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "platform/DecimalSign.h"
#include "platform/EngineText.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

namespace {

// Help identifiers: F1 opens the window's section of the manual.
constexpr int kIdChainWindow = 1385;
constexpr int kIdChainEditor = 1386;
constexpr int kIdChainChart = 1387;
constexpr int kIdChainReceptor = 1388;

enum EditorColumn { kSpeciesColumn, kYieldColumn, kRateColumn, kC0Column, kCaColumn, kEditorColumns };

QString Number(double v) {
  return std::isfinite(v) ? ShownNumbers(QString::number(v, 'g', 4)) : QStringLiteral("-");
}

QColor ClassColour(AssessmentClass c) {
  switch (c) {
    case AssessmentClass::Green: return QColor(0xc8, 0xe6, 0xc9);
    case AssessmentClass::Yellow: return QColor(0xff, 0xf5, 0x9d);
    case AssessmentClass::Red: return QColor(0xef, 0x9a, 0x9a);
    case AssessmentClass::Problems: break;
  }
  return QColor(0xe0, 0xe0, 0xe0);
}

QTableWidgetItem* Cell(const QString& text, bool editable = false) {
  auto* item = new QTableWidgetItem(text);
  if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

const Contaminant* Find(const Project& project, const std::string& name) {
  for (int k = 0; k < project.contaminantCount; ++k)
    if (name == project.contaminants[k].name) return &project.contaminants[k];
  return nullptr;
}

}  // namespace

bool RunChainWindow(Project* project, AssessmentRange range, QWidget* parent) {
  if (!project) return false;
  const int16_t modified = project->modified;
  project->modified = 0;
  ChainWindow window(project, &virelo_Extras(project).chains, range,
                     QString::fromStdString(virelo_SettingsOf(*project).concentrationUnit), parent);
  Platform::instance().execDialog(&window);
  const bool changed = project->modified != 0;
  project->modified = static_cast<int16_t>(modified || changed);
  return changed;
}

ChainWindow::ChainWindow(Project* project, std::vector<DecayChain>* chains, AssessmentRange range,
                         const QString& unit, QWidget* parent)
    : QDialog(parent), project_(project), chains_(chains), range_(range), unit_(unit) {
  setWindowTitle(tr("Decay chain"));
  AnswerF1WithManual(this, kIdChainWindow);
  auto* layout = new QVBoxLayout(this);

  auto* chainBar = new QHBoxLayout;
  chainBar->addWidget(new QLabel(tr("Chain:")));
  chainBox_ = new QComboBox;
  chainBox_->setMinimumContentsLength(40);
  chainBar->addWidget(chainBox_, 1);
  auto* newButton = new QPushButton(tr("&New chain"));
  auto* deleteButton = new QPushButton(tr("&Delete chain"));
  chainBar->addWidget(newButton);
  chainBar->addWidget(deleteButton);
  layout->addLayout(chainBar);
  editButtons_.push_back(deleteButton);

  auto* upper = new QHBoxLayout;
  auto* editorBox = new QGroupBox(tr("Species, parent first"));
  setControlId(editorBox, kIdChainEditor);
  auto* editorLayout = new QVBoxLayout(editorBox);
  editor_ = new QTableWidget(0, kEditorColumns);
  editor_->setHorizontalHeaderLabels(
      {tr("Species"), tr("Yield"), QStringLiteral("k [1/d]"), QStringLiteral("C0"), QStringLiteral("CA")});
  for (int column = kYieldColumn; column < kEditorColumns; ++column)
    editor_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  editor_->horizontalHeader()->setSectionResizeMode(kSpeciesColumn, QHeaderView::Stretch);
  editor_->verticalHeader()->setVisible(false);
  editor_->setSelectionBehavior(QAbstractItemView::SelectRows);
  editor_->setSelectionMode(QAbstractItemView::SingleSelection);
  editor_->setToolTip(
      tr("The yield is the mass of the species formed per mass of the species above it that decays.\n"
         "k, C0 and CA are the contaminant's own values from the Contaminants page."));
  editorLayout->addWidget(editor_);
  auto* speciesButtons = new QHBoxLayout;
  const std::pair<QString, std::function<void()>> actions[] = {
      {tr("&Add"), [this] { addSpecies(); }},
      {tr("&Remove"), [this] { removeSpecies(editor_->currentRow()); }},
      {tr("&Up"), [this] { moveSpecies(editor_->currentRow(), -1); }},
      {tr("Do&wn"), [this] { moveSpecies(editor_->currentRow(), 1); }},
      {tr("Default &yields"), [this] { restoreDefaultYields(); }},
  };
  for (const auto& [text, action] : actions) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, action);
    speciesButtons->addWidget(button);
    editButtons_.push_back(button);
  }
  editorLayout->addLayout(speciesButtons);
  addTickBoxes(editorLayout);
  editButtons_.push_back(nullptr);  // the check boxes are enabled with the buttons, see refresh()
  upper->addWidget(editorBox, 6);

  auto* receptorBox = new QGroupBox(tr("At the receptor"));
  setControlId(receptorBox, kIdChainReceptor);
  auto* receptorLayout = new QVBoxLayout(receptorBox);
  receptor_ = new QTableWidget(0, 7);
  receptor_->setHorizontalHeaderLabels({tr("Species"), QStringLiteral("CA"), tr("Screening"), tr("Class"),
                                        tr("Exact"), tr("Exact class"), tr("Alone")});
  receptor_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  receptor_->verticalHeader()->setVisible(false);
  receptor_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  receptor_->setToolTip(
      tr("Concentrations at the receptor in the chain, under the screening formula and the exact\n"
         "solution, classified by C/CA. \"Alone\" is the class the contaminant gets on the\n"
         "Results page, assessed on its own with its own source concentration."));
  receptorLayout->addWidget(receptor_);
  problems_ = new QLabel;
  problems_->setWordWrap(true);
  problems_->setStyleSheet(QStringLiteral("color: #b00020"));
  receptorLayout->addWidget(problems_);
  upper->addWidget(receptorBox, 5);
  layout->addLayout(upper, 2);

  chartView_ = new QChartView;
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumHeight(360);
  setControlId(chartView_, kIdChainChart);
  chartView_->setToolTip(tr("Solid: screening formula; dashed: exact solution; dotted: each species' CA."));
  layout->addWidget(chartView_, 3);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(newButton, &QPushButton::clicked, this, [this] { newChain(); });
  connect(deleteButton, &QPushButton::clicked, this, [this] { deleteChain(); });
  connect(chainBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!filling_) showChain(index);
  });
  connect(editor_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != kYieldColumn || item->row() < 1) return;
    // A cell left as it was shown keeps the yield whole, not its six digits.
    double value = NAN;
    if (UneditedCellNumber(item, &value)) return;
    QByteArray text = item->text().toLatin1();
    if (!virelo_ParseNumber(text.data(), &value)) value = NAN;
    QMetaObject::invokeMethod(
        this, [this, row = item->row(), value] { setYield(row, value); }, Qt::QueuedConnection);
  });

  OpenAtSessionSize(this, QSize(1100, 780));
  fillChainBox();
  showChain(chains_->empty() ? -1 : 0);
}

DecayChain* ChainWindow::chain() {
  return current_ >= 0 && current_ < static_cast<int>(chains_->size()) ? &(*chains_)[current_] : nullptr;
}

QStringList ChainWindow::contaminantNames() const {
  QStringList names;
  for (int k = 0; k < project_->contaminantCount; ++k)
    names << fromRecordText(project_->contaminants[k].name);
  return names;
}

void ChainWindow::fillChainBox() {
  filling_ = true;
  chainBox_->clear();
  for (size_t k = 0; k < chains_->size(); ++k) {
    QStringList names;
    for (const std::string& name : (*chains_)[k].species) names << fromRecordText(name.c_str());
    chainBox_->addItem(QStringLiteral("%1: %2").arg(k + 1).arg(names.join(QStringLiteral(" \u2192 "))));
  }
  if (chains_->empty()) chainBox_->addItem(tr("(no chain: choose New chain)"));
  chainBox_->setCurrentIndex(std::max(current_, 0));
  filling_ = false;
}

void ChainWindow::showChain(int index) {
  current_ = chains_->empty() ? -1 : std::clamp(index, 0, static_cast<int>(chains_->size()) - 1);
  filling_ = true;
  chainBox_->setCurrentIndex(std::max(current_, 0));
  filling_ = false;
  fillEditor();
  refresh();
}

void ChainWindow::newChain() {
  // Proposed: the project's chlorinated ethenes, most chlorinated first, one
  // per molar mass, with ethene as the end product.
  DecayChain proposal;
  std::vector<std::pair<double, std::string>> known;
  for (int k = 0; k < project_->contaminantCount; ++k) {
    const std::string name = project_->contaminants[k].name;
    const double mw = ChainMolarMass(name);
    if (mw > 0.0 && name != kChainEndProduct &&
        std::none_of(known.begin(), known.end(), [mw](const auto& e) { return e.first == mw; }) && mw > 30.0)
      known.emplace_back(mw, name);
  }
  std::sort(known.begin(), known.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const auto& entry : known)
    if (proposal.species.size() < static_cast<size_t>(kChainMaxSpecies))
      proposal.species.push_back(entry.second);
  if (proposal.species.size() >= 2) {
    proposal.species.push_back(kChainEndProduct);
  } else {
    proposal.species.clear();
    for (int k = 0; k < std::min<int>(2, project_->contaminantCount); ++k)
      proposal.species.push_back(project_->contaminants[k].name);
  }
  proposal.yields = DefaultChainYields(proposal.species);
  chains_->push_back(proposal);
  current_ = static_cast<int>(chains_->size()) - 1;
  project_->modified = 1;
  fillChainBox();
  showChain(current_);
}

void ChainWindow::deleteChain() {
  if (!chain()) return;
  chains_->erase(chains_->begin() + current_);
  project_->modified = 1;
  current_ = std::min(current_, static_cast<int>(chains_->size()) - 1);
  fillChainBox();
  showChain(current_);
}

void ChainWindow::addSpecies() {
  DecayChain* c = chain();
  if (!c) return;
  const bool end = !c->species.empty() && c->species.back() == kChainEndProduct;
  const size_t at = end ? c->species.size() - 1 : c->species.size();
  // The first contaminant not yet in the chain.
  std::string name;
  for (int k = 0; k < project_->contaminantCount && name.empty(); ++k) {
    const std::string candidate = project_->contaminants[k].name;
    if (std::find(c->species.begin(), c->species.end(), candidate) == c->species.end()) name = candidate;
  }
  if (name.empty()) return;
  c->species.insert(c->species.begin() + static_cast<long>(at), name);
  c->yields = DefaultChainYields(c->species);
  changed();
}

void ChainWindow::removeSpecies(int row) {
  DecayChain* c = chain();
  if (!c || row < 0 || row >= static_cast<int>(c->species.size())) return;
  c->species.erase(c->species.begin() + row);
  // The yields next to the removed species no longer apply; the others stay.
  std::vector<double> yields = DefaultChainYields(c->species);
  for (size_t i = 1; i < c->species.size(); ++i) {
    const size_t old = i < static_cast<size_t>(row) ? i : i + 1;
    if (static_cast<int>(i) != row && old - 1 < c->yields.size()) yields[i - 1] = c->yields[old - 1];
  }
  c->yields = yields;
  changed();
}

void ChainWindow::moveSpecies(int row, int by) {
  DecayChain* c = chain();
  const int to = row + by;
  if (!c || row < 0 || to < 0 || row >= static_cast<int>(c->species.size()) ||
      to >= static_cast<int>(c->species.size()))
    return;
  std::swap(c->species[row], c->species[to]);
  // A new order pairs other parents and daughters: their yields start again
  // from the molar masses.
  c->yields = DefaultChainYields(c->species);
  changed();
  editor_->selectRow(to);
}

void ChainWindow::setSpecies(int row, const QString& name) {
  DecayChain* c = chain();
  if (!c || row < 0 || row >= static_cast<int>(c->species.size())) return;
  c->species[row] = recordBytes(name);
  if (row > 0) c->yields[row - 1] = DefaultChainYield(c->species[row - 1], c->species[row]);
  if (row + 1 < static_cast<int>(c->species.size()))
    c->yields[row] = DefaultChainYield(c->species[row], c->species[row + 1]);
  changed();
}

void ChainWindow::setYield(int daughter, double yield) {
  DecayChain* c = chain();
  if (!c || daughter < 1 || daughter > static_cast<int>(c->yields.size())) return;
  c->yields[daughter - 1] = yield;
  changed();
}

void ChainWindow::setEndProduct(bool on) {
  DecayChain* c = chain();
  if (!c) return;
  const bool has = !c->species.empty() && c->species.back() == kChainEndProduct;
  if (on == has) return;
  if (on) {
    c->species.push_back(kChainEndProduct);
    if (c->species.size() >= 2)
      c->yields.push_back(DefaultChainYield(c->species[c->species.size() - 2], c->species.back()));
  } else {
    c->species.pop_back();
    if (!c->yields.empty()) c->yields.pop_back();
  }
  changed();
}

// The ticks for the end product and for the chain's first species alone
// having been released.
void ChainWindow::addTickBoxes(QVBoxLayout* layout) {
  endProduct_ = new QCheckBox(
      tr("End product: %1 (decays no further, not assessed)").arg(QString::fromLatin1(kChainEndProduct)));
  layout->addWidget(endProduct_);
  connect(endProduct_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) setEndProduct(on);
  });
  released_ = new QCheckBox(tr("Released: first species only"));
  released_->setObjectName(QStringLiteral("chainReleased"));
  released_->setToolTip(
      tr("The others formed in the aquifer: the solvent screening counts finding "
         "them as evidence of dechlorination"));
  layout->addWidget(released_);
  connect(released_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_) setReleasedFirstOnly(on);
  });
}

void ChainWindow::setReleasedFirstOnly(bool on) {
  DecayChain* c = chain();
  if (!c || c->species.empty()) return;
  c->released = on ? std::vector<std::string>{c->species.front()} : std::vector<std::string>{};
  changed();
}

void ChainWindow::restoreDefaultYields() {
  DecayChain* c = chain();
  if (!c) return;
  c->yields = DefaultChainYields(c->species);
  changed();
}

void ChainWindow::changed() {
  project_->modified = 1;
  const int keep = current_;
  fillChainBox();
  current_ = keep;
  fillEditor();
  refresh();
}

void ChainWindow::fillEditor() {
  filling_ = true;
  editor_->setRowCount(0);
  const DecayChain* c = chain();
  const QStringList names = contaminantNames();
  for (int row = 0; c && row < static_cast<int>(c->species.size()); ++row) {
    editor_->insertRow(row);
    const std::string& name = c->species[row];
    const Contaminant* contaminant = Find(*project_, name);
    if (name == kChainEndProduct && !contaminant) {
      editor_->setItem(row, kSpeciesColumn,
                       Cell(QString::fromLatin1(kChainEndProduct) + tr(" (end product)")));
    } else {
      auto* box = new QComboBox;
      box->addItems(names);
      const int found = box->findText(fromRecordText(name.c_str()));
      if (found < 0) box->insertItem(0, fromRecordText(name.c_str()));
      box->setCurrentIndex(std::max(found, 0));
      // Applied after the signal returns: the edit rebuilds the table, and
      // with it this box.
      connect(box, &QComboBox::currentTextChanged, this, [this, row](const QString& text) {
        if (!filling_)
          QMetaObject::invokeMethod(
              this, [this, row, text] { setSpecies(row, text); }, Qt::QueuedConnection);
      });
      editor_->setCellWidget(row, kSpeciesColumn, box);
    }
    const double yield = row > 0 && row - 1 < static_cast<int>(c->yields.size()) ? c->yields[row - 1] : NAN;
    QTableWidgetItem* yieldCell = Cell(row == 0 ? tr("parent") : QString(), row > 0);
    if (row > 0 && std::isfinite(yield)) ShowCellNumber(yieldCell, QString::number(yield, 'g', 6), yield);
    editor_->setItem(row, kYieldColumn, yieldCell);
    double lambda = NAN;
    if (contaminant && !virelo_GetLambda(contaminant, &lambda)) lambda = NAN;
    editor_->setItem(row, kRateColumn, Cell(contaminant ? Number(lambda) : QStringLiteral("0")));
    editor_->setItem(row, kC0Column,
                     Cell(contaminant ? Number((contaminant->valueMask & kValueC0) ? contaminant->c0 : 0.0)
                                      : QStringLiteral("0")));
    editor_->setItem(row, kCaColumn,
                     Cell(contaminant && (contaminant->valueMask & kValueCa) ? Number(contaminant->ca)
                                                                             : QStringLiteral("-")));
  }
  endProduct_->setChecked(c && !c->species.empty() && c->species.back() == kChainEndProduct);
  const bool firstOnly =
      c && !c->species.empty() && c->released == std::vector<std::string>{c->species.front()};
  released_->setText(c && !c->species.empty()
                         ? tr("Released: %1 only").arg(fromRecordText(c->species.front().c_str()))
                         : tr("Released: first species only"));
  released_->setChecked(firstOnly);
  filling_ = false;
}

void ChainWindow::refresh() {
  const DecayChain* c = chain();
  for (QPushButton* button : editButtons_)
    if (button) button->setEnabled(c != nullptr);
  endProduct_->setEnabled(c != nullptr);
  released_->setEnabled(c != nullptr);
  receptor_->setRowCount(0);
  ResolvedChain resolved;
  std::vector<std::string> problems;
  if (c) problems = ProjectCase(*project_).Chain(*c, &resolved);
  if (!c || !problems.empty()) {
    QStringList lines;
    for (const std::string& text : problems) lines << fromRecordText(text.c_str());
    problems_->setText(c ? lines.join(QLatin1Char('\n')) : tr("The project has no decay chain yet."));
    problems_->setVisible(true);
    QChart* old = chartView_->chart();
    chartView_->setChart(WithShownNumbers(new QChart));
    delete old;  // setChart leaves the old chart to the caller
    return;
  }
  problems_->setVisible(false);
  const std::vector<ChainReceptorRow> rows = ProjectCase(*project_).ChainRows(resolved, range_);
  static_cast<QGroupBox*>(receptor_->parentWidget())
      ->setTitle(tr("At the receptor, x = %1 m").arg(Number(project_->aquifer.distanceX)));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const ChainReceptorRow& row = rows[i];
    receptor_->insertRow(i);
    auto* name = Cell(fromRecordText(row.name.c_str()));
    name->setForeground(ChainSpeciesColour(i));
    receptor_->setItem(i, 0, name);
    receptor_->setItem(i, 1, Cell(row.endProduct ? QStringLiteral("-") : Number(row.ca)));
    receptor_->setItem(i, 2, Cell(Number(row.screening)));
    receptor_->setItem(i, 4, Cell(Number(row.exact)));
    const std::pair<int, AssessmentClass> classes[] = {
        {3, row.screeningClass}, {5, row.exactClass}, {6, row.singleClass}};
    for (const auto& [column, cls] : classes) {
      auto* item = Cell(row.endProduct ? QStringLiteral("-") : EngineTerm(AssessmentClassName(cls)));
      if (!row.endProduct) item->setBackground(ClassColour(cls));
      receptor_->setItem(i, column, item);
    }
  }
  receptor_->resizeColumnsToContents();
  receptor_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  QChart* old = chartView_->chart();
  chartView_->setChart(BuildChainChart(BuildChainCurves(*project_, resolved, unit_, kPoints)));
  delete old;  // setChart leaves the old chart to the caller
}
