// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "analysis/UncertaintyWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <cstring>

#include "analysis/RatioHistogram.h"
#include "engine/evidence.h"
#include "engine/extras.h"
#include "engine/siteproject.h"
#include "engine/validation.h"
#include "platform/NumberField.h"
#include "platform/Platform.h"

namespace {

// Help identifier of the window: F1 opens its section of the manual.
constexpr int kIdUncertainty = 1600;
// What's-this texts of its parts.
enum ControlId {
  kIdDistributions = 1601,
  kIdSamples,
  kIdSeed,
  kIdRun,
  kIdResults,
  kIdHistogram,
  kIdRanking,
};
constexpr int kParameterCount = 4;

enum DistributionColumn {
  kInputColumn,
  kContaminantColumn,
  kKindColumn,
  kFirstParameter,
  kMeaningColumn = 7
};
enum ResultColumn {
  kName,
  kAssessment,
  kGreen,
  kYellow,
  kRed,
  kExceed,
  kError,
  kP05,
  kP50,
  kP95,
  kResultColumns
};

const QColor kGreenTint(214, 236, 214);
const QColor kYellowTint(250, 240, 200);
const QColor kRedTint(244, 210, 208);

// What each input is, with its unit, in the words of the pages.
QString InputText(UncertainInput input) {
  switch (input) {
    case UncertainInput::X: return QStringLiteral("x, distance to receptor (m)");
    case UncertainInput::Kf: return QStringLiteral("Kf, hydraulic conductivity (m/d)");
    case UncertainInput::I: return QStringLiteral("i, hydraulic gradient");
    case UncertainInput::Ne: return QStringLiteral("ne, effective porosity");
    case UncertainInput::Ax: return QStringLiteral("ax, longitudinal dispersivity (m)");
    case UncertainInput::Ay: return QStringLiteral("ay, transverse dispersivity (m)");
    case UncertainInput::Az: return QStringLiteral("az, vertical dispersivity (m)");
    case UncertainInput::Width: return QStringLiteral("source width (m)");
    case UncertainInput::Thickness: return QStringLiteral("source thickness (m)");
    case UncertainInput::Lambda: return QStringLiteral("lambda, decay constant (1/d)");
    case UncertainInput::C0: return QStringLiteral("C0, concentration at source");
    case UncertainInput::CA: return QStringLiteral("CA, accepted concentration at receptor");
  }
  return {};
}

QString KindText(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed: return QStringLiteral("fixed");
    case DistributionKind::Uniform: return QStringLiteral("uniform");
    case DistributionKind::LogUniform: return QStringLiteral("log-uniform");
    case DistributionKind::Triangular: return QStringLiteral("triangular");
    case DistributionKind::Normal: return QStringLiteral("normal");
    case DistributionKind::LogNormal: return QStringLiteral("lognormal");
  }
  return {};
}

QString Meaning(DistributionKind kind) {
  switch (kind) {
    case DistributionKind::Fixed: return QStringLiteral("keeps the project's value");
    case DistributionKind::Uniform:
    case DistributionKind::LogUniform: return QStringLiteral("min, max");
    case DistributionKind::Triangular: return QStringLiteral("min, mode, max");
    case DistributionKind::Normal: return QStringLiteral("mean, sd [, min, max]");
    case DistributionKind::LogNormal: return QStringLiteral("median, geometric sd [, min, max]");
  }
  return {};
}

QString AssessmentText(const UncertaintyRow& row) {
  if (row.plumeLength) return QStringLiteral("plume length");
  switch (row.model) {
    case UncertaintyModel::Exact: return QStringLiteral("AF, exact solution");
    case UncertaintyModel::Worse: return QStringLiteral("AF, worse of the two");
    default: return QStringLiteral("attenuation factor");
  }
}

QString Share(double p) {
  return QString::number(p, 'f', 3);
}

QString Value(double v) {
  const std::string text = FormatResultValue(v, "%.3g", "%.3g");
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Number(double v) {
  return QString::number(v, 'g', 10);
}

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

// A copy of the inputs a run reads, so that the pages may go on editing the
// project while the worker draws.
struct Snapshot {
  Project project{};
  std::vector<Contaminant> contaminants;
  // The decay chains: a species of a chain is drawn through its chain. The
  // run is given its distributions and options itself.
  ProjectExtras extras;
  explicit Snapshot(const Project& from) : project(from) {
    contaminants.assign(from.contaminants, from.contaminants + std::max<int>(from.contaminantCount, 0));
    project.file = nullptr;
    project.contaminants = contaminants.data();
    project.results = nullptr;
    project.resultCount = 0;
    extras.chains = virelo_ExtrasOf(from).chains;
    project.extras = &extras;
  }
};

}  // namespace

bool UncertaintyRecord::Holds(const Project& project, const UncertaintyOptions& options) const {
  const UncertaintyPlan& now = virelo_ExtrasOf(project).uncertainty;
  const auto sameRange = [](AssessmentRange a, AssessmentRange b) {
    return a.lower == b.lower && a.upper == b.upper;
  };
  // Byte for byte: a difference anywhere, even one that does not matter,
  // only hides the probabilities until the next run.
  return run && now == plan && project.approximateDispersivity == approximateDispersivity &&
         virelo_ExtrasOf(project).chains == chains &&
         std::memcmp(&project.aquifer, &aquifer, sizeof aquifer) == 0 && project.contaminants &&
         project.contaminantCount == static_cast<int>(contaminants.size()) &&
         std::memcmp(project.contaminants, contaminants.data(), sizeof(Contaminant) * contaminants.size()) ==
             0 &&
         sameRange(options.plumeLengthRange, plumeLengthRange) &&
         sameRange(options.attenuationRange, attenuationRange) && options.verdictBasis == verdictBasis;
}

QString UncertaintyRecord::Probabilities(int contaminantIndex, bool plumeLength) const {
  if (!run) return {};
  const UncertaintyRow* found = nullptr;
  for (const UncertaintyRow& row : run->rows) {
    if (row.contaminantIndex != contaminantIndex || row.plumeLength != plumeLength) continue;
    // The attenuation factor's verdict basis row comes after its screening row.
    found = &row;
  }
  if (!found || found->HasProblems()) return {};
  return QStringLiteral("G %1 \u00b7 Y %2 \u00b7 R %3")
      .arg(Share(found->pGreen), Share(found->pYellow), Share(found->pRed));
}

UncertaintyWindow::UncertaintyWindow(const Project* project, UncertaintyPlan* plan,
                                     UncertaintyOptions options, QWidget* parent)
    : QDialog(parent), project_(project), plan_(plan), options_(std::move(options)) {
  setWindowTitle(QStringLiteral("Uncertainty"));
  setObjectName(QStringLiteral("uncertaintyWindow"));
  AnswerF1WithManual(this, kIdUncertainty);
  options_.keepRatios = true;

  // The distributions.
  distributions_ = new QTableWidget(0, kMeaningColumn + 1);
  distributions_->setObjectName(QStringLiteral("uncertaintyDistributions"));
  distributions_->setHorizontalHeaderLabels({QStringLiteral("Input"), QStringLiteral("Contaminant"),
                                             QStringLiteral("Distribution"), QStringLiteral("1"),
                                             QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                             QStringLiteral("Parameters")});
  distributions_->verticalHeader()->setVisible(false);
  distributions_->setSelectionBehavior(QAbstractItemView::SelectRows);
  distributions_->horizontalHeader()->setStretchLastSection(true);
  for (int k = 0; k < kParameterCount; ++k) distributions_->setColumnWidth(kFirstParameter + k, 70);
  distributions_->setColumnWidth(kInputColumn, 230);
  distributions_->setColumnWidth(kContaminantColumn, 150);
  distributions_->verticalHeader()->setDefaultSectionSize(distributions_->fontMetrics().height() + 12);
  auto* add = new QPushButton(QStringLiteral("&Add"));
  add->setObjectName(QStringLiteral("uncertaintyAdd"));
  auto* remove = new QPushButton(QStringLiteral("Re&move"));
  remove->setObjectName(QStringLiteral("uncertaintyRemove"));
  connect(add, &QPushButton::clicked, this, [this] {
    AddDistribution({UncertainInput::Kf, "", DistributionKind::LogNormal, {}});
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = distributions_->currentRow();
    if (row < 0) return;
    distributions_->removeRow(row);
    readPlan();
  });
  samples_ = new QSpinBox;
  samples_->setObjectName(QStringLiteral("uncertaintySamples"));
  samples_->setRange(1, kMaxUncertaintySamples);
  samples_->setSingleStep(1000);
  samples_->setValue(plan_->samples);
  seed_ = new QLineEdit(QString::number(plan_->seed));
  seed_->setObjectName(QStringLiteral("uncertaintySeed"));
  seed_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), seed_));
  seed_->setMaximumWidth(180);
  auto* samplesLabel = new QLabel(QStringLiteral("&Samples :"));
  samplesLabel->setBuddy(samples_);
  auto* seedLabel = new QLabel(QStringLiteral("S&eed :"));
  seedLabel->setBuddy(seed_);
  connect(samples_, &QSpinBox::valueChanged, this, [this] { readPlan(); });
  connect(seed_, &QLineEdit::textChanged, this, [this] { readPlan(); });
  auto* editRow = new QHBoxLayout;
  editRow->addWidget(add);
  editRow->addWidget(remove);
  editRow->addStretch(1);
  editRow->addWidget(samplesLabel);
  editRow->addWidget(samples_);
  editRow->addWidget(seedLabel);
  editRow->addWidget(seed_);
  problemsLabel_ = new QLabel;
  problemsLabel_->setObjectName(QStringLiteral("uncertaintyProblems"));
  problemsLabel_->setWordWrap(true);
  problemsLabel_->setTextFormat(Qt::PlainText);
  problemsLabel_->setStyleSheet(QStringLiteral("color: #a02020"));
  auto* distributionBox = new QGroupBox(QStringLiteral("Distributions (every other input keeps its value)"));
  auto* distributionLayout = new QVBoxLayout(distributionBox);
  distributionLayout->addWidget(distributions_, 1);
  distributionLayout->addLayout(editRow);
  distributionLayout->addWidget(problemsLabel_);

  // The run.
  runButton_ = new QPushButton(QStringLiteral("&Run"));
  runButton_->setObjectName(QStringLiteral("uncertaintyRun"));
  cancelButton_ = new QPushButton(QStringLiteral("&Cancel run"));
  cancelButton_->setObjectName(QStringLiteral("uncertaintyCancel"));
  cancelButton_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("uncertaintyProgress"));
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  connect(runButton_, &QPushButton::clicked, this, &UncertaintyWindow::Run);
  connect(cancelButton_, &QPushButton::clicked, this, &UncertaintyWindow::CancelRun);
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(runButton_);
  runRow->addWidget(progress_, 1);
  runRow->addWidget(cancelButton_);

  // The results.
  results_ = new QTableWidget(0, kResultColumns);
  results_->setObjectName(QStringLiteral("uncertaintyResults"));
  results_->setHorizontalHeaderLabels({QStringLiteral("Contaminant"), QStringLiteral("Assessment"),
                                       QStringLiteral("P(Green)"), QStringLiteral("P(Yellow)"),
                                       QStringLiteral("P(Red)"), QStringLiteral("P(C > CA)"),
                                       QStringLiteral("\u00b1 se"), QStringLiteral("ratio 5 %"),
                                       QStringLiteral("50 %"), QStringLiteral("95 %")});
  results_->verticalHeader()->setVisible(false);
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setWordWrap(false);
  results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 8);
  results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(results_, &QTableWidget::currentCellChanged, this, [this](int row) { showRow(row); });
  rowHeading_ = new QLabel;
  rowHeading_->setObjectName(QStringLiteral("uncertaintyRowHeading"));
  rowHeading_->setTextFormat(Qt::PlainText);
  rowHeading_->setWordWrap(true);
  histogram_ = new RatioHistogram;
  histogram_->setObjectName(QStringLiteral("uncertaintyHistogram"));
  ranking_ = new QTableWidget(0, 3);
  ranking_->setObjectName(QStringLiteral("uncertaintyRanking"));
  ranking_->setHorizontalHeaderLabels(
      {QStringLiteral("Input"), QStringLiteral("Rank corr."), QStringLiteral("Raising it")});
  ranking_->verticalHeader()->setVisible(false);
  ranking_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ranking_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ranking_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  ranking_->setWordWrap(false);
  ranking_->verticalHeader()->setDefaultSectionSize(ranking_->fontMetrics().height() + 8);
  auto* detail = new QHBoxLayout;
  detail->addWidget(histogram_, 3);
  detail->addWidget(ranking_, 2);
  auto* resultBox = new QGroupBox(QStringLiteral("Results of the last run (not saved with the project)"));
  auto* resultLayout = new QVBoxLayout(resultBox);
  resultLayout->addWidget(results_, 2);
  resultLayout->addWidget(rowHeading_);
  resultLayout->addLayout(detail, 3);

  for (const auto& [widget, id] : {std::pair<QWidget*, int>{distributions_, kIdDistributions},
                                   {add, kIdDistributions},
                                   {remove, kIdDistributions},
                                   {samples_, kIdSamples},
                                   {seed_, kIdSeed},
                                   {runButton_, kIdRun},
                                   {cancelButton_, kIdRun},
                                   {progress_, kIdRun},
                                   {results_, kIdResults},
                                   {histogram_, kIdHistogram},
                                   {ranking_, kIdRanking}})
    setControlId(widget, id);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &UncertaintyWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(distributionBox, 2);
  layout->addLayout(runRow);
  layout->addWidget(resultBox, 5);
  layout->addWidget(buttons);
  resize(1000, 820);

  filling_ = true;
  for (const InputDistribution& d : plan_->inputs) addRow(d);
  filling_ = false;
  readPlan();
}

UncertaintyWindow::~UncertaintyWindow() {
  if (cancel_) *cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void UncertaintyWindow::reject() {
  CancelRun();
  QDialog::reject();
}

void UncertaintyWindow::AddDistribution(const InputDistribution& distribution) {
  addRow(distribution);
  // A lambda added without parameters gets the site's, as if chosen.
  if (distribution.input == UncertainInput::Lambda && distribution.params.empty())
    offerSiteLambda(distributions_->rowCount() - 1);
  distributions_->setCurrentCell(distributions_->rowCount() - 1, kInputColumn);
  readPlan();
}

void UncertaintyWindow::addRow(const InputDistribution& d) {
  const int row = distributions_->rowCount();
  distributions_->insertRow(row);
  auto* input = new QComboBox;
  for (int k = 0; k < kUncertainInputCount; ++k) input->addItem(InputText(static_cast<UncertainInput>(k)), k);
  input->setCurrentIndex(static_cast<int>(d.input));
  auto* contaminant = new QComboBox;
  for (int k = 0; project_->contaminants && k < project_->contaminantCount; ++k) {
    // A chain's species reach its assessed daughters, assessed or not.
    if (project_->contaminants[k].assess || IsChainSpecies(*project_, k))
      contaminant->addItem(fromLatin1Record(project_->contaminants[k].name));
  }
  // A name the list no longer has stays visible, so that the check can say so.
  const QString name =
      QString::fromLatin1(d.contaminant.data(), static_cast<qsizetype>(d.contaminant.size()));
  if (!name.isEmpty() && contaminant->findText(name) < 0) contaminant->addItem(name);
  if (!name.isEmpty()) contaminant->setCurrentText(name);
  auto* kind = new QComboBox;
  for (int k = 0; k <= static_cast<int>(DistributionKind::LogNormal); ++k)
    kind->addItem(KindText(static_cast<DistributionKind>(k)), k);
  kind->setCurrentIndex(static_cast<int>(d.kind));
  distributions_->setCellWidget(row, kInputColumn, input);
  distributions_->setCellWidget(row, kContaminantColumn, contaminant);
  distributions_->setCellWidget(row, kKindColumn, kind);
  for (int k = 0; k < kParameterCount; ++k) {
    auto* edit = new QLineEdit;
    // Shown with ten digits; kept whole until the user edits it.
    if (k < static_cast<int>(d.params.size()))
      ShowFieldNumber(edit, Number(d.params[static_cast<size_t>(k)]), d.params[static_cast<size_t>(k)]);
    edit->setFrame(false);
    replaceNonLatin1WhileTyping(edit);
    distributions_->setCellWidget(row, kFirstParameter + k, edit);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
      for (int r = 0; r < distributions_->rowCount(); ++r)
        for (int c = 0; c < kParameterCount; ++c)
          if (distributions_->cellWidget(r, kFirstParameter + c) == edit) rowChanged(r);
    });
  }
  distributions_->setItem(row, kMeaningColumn, Item(QString(), Qt::AlignLeft | Qt::AlignVCenter));
  for (QComboBox* combo : {input, contaminant, kind}) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] {
      for (int r = 0; r < distributions_->rowCount(); ++r)
        for (int c : {kInputColumn, kContaminantColumn, kKindColumn})
          if (distributions_->cellWidget(r, c) == combo) rowChanged(r, c != kKindColumn);
    });
  }
  rowChanged(row);
}

void UncertaintyWindow::rowChanged(int row, bool offer) {
  auto* input = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kInputColumn));
  auto* contaminant = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kContaminantColumn));
  auto* kind = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kKindColumn));
  if (!input || !contaminant || !kind) return;
  // Only lambda, C0 and CA name a contaminant; the others show none.
  const bool perContaminant = IsContaminantInput(static_cast<UncertainInput>(input->currentData().toInt()));
  contaminant->setEnabled(perContaminant);
  {
    const QSignalBlocker quiet(contaminant);
    if (!perContaminant) contaminant->setCurrentIndex(-1);
    if (perContaminant && contaminant->currentIndex() < 0 && contaminant->count() > 0)
      contaminant->setCurrentIndex(0);
  }
  // Any edit makes the row the user's own: a note that its values came from
  // the site goes, and comes back only when the site fills the row again.
  if (QTableWidgetItem* meaning = distributions_->item(row, kMeaningColumn)) {
    meaning->setText(Meaning(static_cast<DistributionKind>(kind->currentData().toInt())));
    meaning->setToolTip(QString());
  }
  if (offer && !filling_) offerSiteLambda(row);
  if (!filling_) readPlan();
}

void UncertaintyWindow::offerSiteLambda(int row) {
  auto* input = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kInputColumn));
  auto* contaminant = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kContaminantColumn));
  auto* kind = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kKindColumn));
  if (!input || !contaminant || !kind) return;
  if (static_cast<UncertainInput>(input->currentData().toInt()) != UncertainInput::Lambda) return;
  SiteLambdaLogNormal site;
  if (!SiteLambdaLogNormalFor(*project_, contaminant->currentText().toLatin1().toStdString(), &site)) return;
  const double params[] = {site.median, site.geometricSd};
  {
    const QSignalBlocker quiet(kind);
    kind->setCurrentIndex(static_cast<int>(DistributionKind::LogNormal));
  }
  for (int k = 0; k < kParameterCount; ++k) {
    auto* edit = qobject_cast<QLineEdit*>(distributions_->cellWidget(row, kFirstParameter + k));
    if (!edit) continue;
    const QSignalBlocker quiet(edit);
    if (k < 2)
      ShowFieldNumber(edit, Number(params[k]), params[k]);
    else
      ShowFieldText(edit);
    edit->setCursorPosition(0);  // the leading digits, not the last, in a narrow column
  }
  if (QTableWidgetItem* meaning = distributions_->item(row, kMeaningColumn)) {
    const QString note = QStringLiteral("from the site's wells, %1 % interval %2–%3 1/d")
                             .arg(site.levelPercent)
                             .arg(QString::number(site.low, 'g', 2), QString::number(site.high, 'g', 2));
    meaning->setText(note + QStringLiteral("; ") + Meaning(DistributionKind::LogNormal));
    meaning->setToolTip(note);
  }
  readPlan();
}

void UncertaintyWindow::readPlan() {
  UncertaintyPlan read;
  formProblems_.clear();
  read.samples = samples_->value();
  uint64_t seed = 0;
  const QByteArray seedText = seed_->text().toLatin1();
  const auto parsed = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
  if (seedText.isEmpty() || parsed.ec != std::errc() || parsed.ptr != seedText.data() + seedText.size()) {
    formProblems_.push_back("The seed must be a whole number from 0 to 18446744073709551615.");
    seed = plan_->seed;
  }
  read.seed = seed;
  for (int row = 0; row < distributions_->rowCount(); ++row) {
    auto* input = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kInputColumn));
    auto* contaminant = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kContaminantColumn));
    auto* kind = qobject_cast<QComboBox*>(distributions_->cellWidget(row, kKindColumn));
    if (!input || !contaminant || !kind) continue;
    InputDistribution d;
    d.input = static_cast<UncertainInput>(input->currentData().toInt());
    if (IsContaminantInput(d.input)) d.contaminant = contaminant->currentText().toLatin1().toStdString();
    d.kind = static_cast<DistributionKind>(kind->currentData().toInt());
    // Parameters up to the first empty field; one that is not a number ends
    // them too, and says so.
    bool ended = false;
    for (int k = 0; k < kParameterCount; ++k) {
      auto* edit = qobject_cast<QLineEdit*>(distributions_->cellWidget(row, kFirstParameter + k));
      const QString text = edit ? edit->text().trimmed() : QString();
      if (text.isEmpty()) {
        ended = true;
        continue;
      }
      QByteArray bytes = editTextBytes(text);
      double value = 0.0;
      const bool number = UneditedFieldNumber(edit, &value) || virelo_ParseNumber(bytes.data(), &value);
      if (ended || !number || !std::isfinite(value)) {
        formProblems_.push_back("Row " + std::to_string(row + 1) + ": parameter " + std::to_string(k + 1) +
                                (ended ? " follows an empty one." : " is not a number."));
        ended = true;
        continue;
      }
      d.params.push_back(value);
    }
    read.inputs.push_back(std::move(d));
  }
  problems_ = formProblems_;
  const std::vector<std::string> checked = CheckUncertaintyPlan(*project_, read);
  problems_.insert(problems_.end(), checked.begin(), checked.end());
  QStringList lines;
  for (const std::string& problem : problems_)
    lines << QString::fromLatin1(problem.data(), static_cast<qsizetype>(problem.size()));
  problemsLabel_->setText(lines.join(QLatin1Char('\n')));
  problemsLabel_->setVisible(!lines.isEmpty());
  runButton_->setEnabled(problems_.empty() && !running());
  if (!(read == *plan_)) {
    *plan_ = std::move(read);
    emit planChanged();
  }
}

void UncertaintyWindow::Run() {
  readPlan();
  if (running() || !problems_.empty()) return;
  auto snapshot = std::make_shared<Snapshot>(*project_);
  pending_ = std::make_shared<UncertaintyRecord>();
  pending_->aquifer = project_->aquifer;
  pending_->approximateDispersivity = project_->approximateDispersivity;
  pending_->contaminants = snapshot->contaminants;
  pending_->chains = snapshot->extras.chains;
  pending_->plan = *plan_;
  pending_->plumeLengthRange = options_.plumeLengthRange;
  pending_->attenuationRange = options_.attenuationRange;
  pending_->verdictBasis = options_.verdictBasis;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  cancel_ = cancel;
  UncertaintyOptions options = options_;
  QPointer<UncertaintyWindow> self(this);
  options.progress = [self, cancel](double share) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, share] {
          if (self) self->progress_->setValue(static_cast<int>(share * 1000));
        },
        Qt::QueuedConnection);
    return !*cancel;
  };
  const UncertaintyPlan plan = *plan_;
  setRunning(true);
  progress_->setValue(0);
  worker_ = std::thread([self, snapshot, plan, options]() {
    auto run = std::make_shared<UncertaintyRun>(RunUncertainty(snapshot->project, plan, options));
    QMetaObject::invokeMethod(
        self.data(),
        [self, run] {
          if (self) self->finish(run);
        },
        Qt::QueuedConnection);
  });
}

void UncertaintyWindow::CancelRun() {
  if (cancel_) *cancel_ = true;
  if (worker_.joinable()) worker_.join();
  // The finished run's message may still be queued; it is dropped there.
  setRunning(false);
  progress_->setValue(0);
}

void UncertaintyWindow::finish(std::shared_ptr<UncertaintyRun> run) {
  if (worker_.joinable()) worker_.join();
  const bool cancelled = run->cancelled || (cancel_ && *cancel_);
  setRunning(false);
  if (cancelled || !run->problems.empty()) {
    progress_->setValue(0);
    return;
  }
  progress_->setValue(1000);
  lastRun_ = std::move(run);
  if (pending_) {
    pending_->run = lastRun_;
    lastRecord_ = std::move(pending_);
  }
  fillResults();
  emit runFinished();
}

void UncertaintyWindow::setRunning(bool running) {
  runButton_->setEnabled(!running && problems_.empty());
  cancelButton_->setEnabled(running);
  distributions_->setEnabled(!running);
}

void UncertaintyWindow::fillResults() {
  results_->setRowCount(0);
  if (!lastRun_) return;
  const int count = static_cast<int>(lastRun_->rows.size());
  results_->setRowCount(count);
  for (int r = 0; r < count; ++r) {
    const UncertaintyRow& row = lastRun_->rows[static_cast<size_t>(r)];
    const Contaminant& c = project_->contaminants[row.contaminantIndex];
    results_->setItem(r, kName, Item(fromLatin1Record(c.name), Qt::AlignLeft | Qt::AlignVCenter));
    results_->setItem(r, kAssessment, Item(AssessmentText(row), Qt::AlignLeft | Qt::AlignVCenter));
    if (row.HasProblems()) {
      results_->setItem(r, kGreen, Item(QStringLiteral("problems"), Qt::AlignLeft | Qt::AlignVCenter));
      continue;
    }
    const double shares[] = {row.pGreen, row.pYellow, row.pRed};
    const QColor tints[] = {kGreenTint, kYellowTint, kRedTint};
    for (int k = 0; k < 3; ++k) {
      QTableWidgetItem* item = Item(Share(shares[k]));
      if (shares[k] > 0.0) item->setBackground(tints[k]);
      results_->setItem(r, kGreen + k, item);
    }
    results_->setItem(r, kExceed, Item(Share(row.pExceed)));
    results_->setItem(r, kError, Item(Share(row.LargestStandardError())));
    for (int p = 0; p < 3; ++p) results_->setItem(r, kP05 + p, Item(Value(row.ratio[p])));
  }
  if (count > 0) results_->setCurrentCell(0, 0);
  showRow(results_->currentRow());
}

void UncertaintyWindow::showRow(int r) {
  ranking_->setRowCount(0);
  if (!lastRun_ || r < 0 || r >= static_cast<int>(lastRun_->rows.size())) {
    rowHeading_->clear();
    histogram_->setData({});
    return;
  }
  const UncertaintyRow& row = lastRun_->rows[static_cast<size_t>(r)];
  const QString name = fromLatin1Record(project_->contaminants[row.contaminantIndex].name);
  if (row.HasProblems()) {
    rowHeading_->setText(name + QStringLiteral(", ") + AssessmentText(row) +
                         QStringLiteral(": the project's own inputs have problems (see the results page)."));
    histogram_->setData({});
    return;
  }
  rowHeading_->setText(
      QStringLiteral("%1, %2: Green %3, Yellow %4, Red %5 (each \u00b1 %6 or better) from %7 "
                     "samples; the ratio %8 in 90 % of them.")
          .arg(name, AssessmentText(row), Share(row.pGreen), Share(row.pYellow), Share(row.pRed),
               Share(row.LargestStandardError()))
          .arg(row.samples)
          .arg(QStringLiteral("lies between %1 and %2").arg(Value(row.ratio[0]), Value(row.ratio[2]))));
  RatioHistogramData data;
  data.sortedRatios = row.sortedRatios;
  data.plumeLength = row.plumeLength;
  data.range = row.plumeLength ? options_.plumeLengthRange : options_.attenuationRange;
  histogram_->setData(std::move(data));
  ranking_->setRowCount(static_cast<int>(row.ranking.size()));
  for (int k = 0; k < static_cast<int>(row.ranking.size()); ++k) {
    const InputInfluence& influence = row.ranking[static_cast<size_t>(k)];
    QString text = InputText(influence.input);
    if (!influence.otherSpecies.empty())
      text += QStringLiteral(" of ") + QString::fromLatin1(influence.otherSpecies.c_str());
    QTableWidgetItem* name = Item(text, Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(name->text());
    ranking_->setItem(k, 0, name);
    ranking_->setItem(k, 1, Item(QString::number(influence.rankCorrelation, 'f', 2)));
    const QString effect = std::fabs(influence.rankCorrelation) < 0.05 ? QStringLiteral("hardly matters")
                           : influence.rankCorrelation > 0.0           ? QStringLiteral("raises ratio")
                                                                       : QStringLiteral("lowers ratio");
    ranking_->setItem(k, 2, Item(effect, Qt::AlignLeft | Qt::AlignVCenter));
  }
}
