// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <QCoreApplication>
#include <QRegularExpression>

#include "engine/project/extras.h"
#include "platform/DecimalSign.h"
#include "report/ReportLayout.h"
#include "report/ReportSection.h"

namespace {

// A reference waits in the text between these two characters (of Unicode's
// private use area, which no record or report text holds) until the report
// is complete.
constexpr QChar kRefOpen(0xE000);
constexpr QChar kRefClose(0xE001);

}  // namespace

ReportContext::ReportContext(const Project& project, const ReportSettings& settings)
    : project_(project),
      settings_(settings),
      plumeRange_(AssessmentRangeOf(settings.plumeRangeIndex)),
      afRange_(AssessmentRangeOf(settings.afRangeIndex)),
      case_(project, verdictOptions()) {}

void ReportContext::heading(int level, const QString& title, const char* key) {
  add(WithLayoutMark(headingHtml(level, title, key), LayoutRole::kHeading));
}

void ReportContext::lead(const QString& html) {
  add(WithLayoutMark(html, LayoutRole::kLead));
}

void ReportContext::group(const QString& html) {
  add(WithLayoutMark(html, LayoutRole::kGroup));
}

void ReportContext::charts(const QString& html) {
  add(WithLayoutMark(html, LayoutRole::kChart));
}

void ReportContext::table(const QString& html, const QString& columns) {
  add(WithLayoutMark(html, LayoutRole::kTable, columns));
}

void ReportContext::keptTable(const QString& html) {
  add(WithLayoutMark(html, LayoutRole::kKeep));
}

void ReportContext::openTable(const QString& start) {
  openTable_ = html_.size();
  add(start);
}

void ReportContext::closeTable(const QString& columns) {
  add(QStringLiteral("</table>"));
  if (openTable_ < 0) return;
  // Only the table's own text is searched for its first cell.
  const QString marked = WithLayoutMark(html_.mid(openTable_), LayoutRole::kTable, columns);
  html_.truncate(openTable_);
  html_ += marked;
  openTable_ = -1;
}

QString ReportContext::headingHtml(int level, const QString& title, const char* key) {
  QString number;
  if (level == 2) {
    number = QString::number(++section_);
    part_ = 0;
  } else {
    number = QStringLiteral("%1.%2").arg(section_).arg(++part_);
  }
  if (key) numbers_[QLatin1String(key)] = number;
  return QStringLiteral("<h%1>%2 %3</h%1>").arg(level).arg(number, title);
}

QString ReportContext::ref(const char* key) {
  return kRefOpen + QLatin1String(key) + kRefClose;
}

void ReportContext::row(const QString& label, const QString& value) {
  add(QStringLiteral("<tr><td width=\"28%\"><b>%1</b></td><td>%2</td></tr>").arg(label, value));
}

void ReportContext::addTwoToARow(const QStringList& parts) {
  for (qsizetype k = 0; k < parts.size(); k += 2)
    keptTable(
        QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\"><tr><td width=\"50%\" "
                       "valign=\"top\">%1</td><td width=\"50%\" valign=\"top\">%2</td></tr></table>")
            .arg(parts[k], k + 1 < parts.size() ? parts[k + 1] : QString()));
}

QString ReportContext::finish() {
  QString done;
  done.reserve(html_.size());
  qsizetype from = 0;
  for (;;) {
    const qsizetype open = html_.indexOf(kRefOpen, from);
    const qsizetype close = open < 0 ? -1 : html_.indexOf(kRefClose, open);
    if (close < 0) break;
    done += QStringView(html_).mid(from, open - from);
    const auto found = numbers_.find(html_.mid(open + 1, close - open - 1));
    // A reference to a section the report does not hold says so rather
    // than pointing at a wrong number.
    done += found != numbers_.end() ? found->second : QStringLiteral("?");
    from = close + 1;
  }
  done += QStringView(html_).mid(from);
  return done;
}

QString ReportContext::drawing(ReportDrawing draw, double width, double height) {
  drawings_.push_back(std::move(draw));
  // The size in points, as the document's layout measures: the mark names
  // no picture, so no image's resolution enters it.
  return QStringLiteral("<img src=\"%1%2\" width=\"%3\" height=\"%4\">")
      .arg(QLatin1String(kReportDrawingMark))
      .arg(drawings_.size() - 1)
      .arg(width)
      .arg(height);
}

VerdictOptions ReportContext::verdictOptions() const {
  VerdictOptions options;
  options.plumeRange = plumeRange_;
  options.afRange = afRange_;
  options.basis = virelo_SettingsOf(project_).verdictBasis;
  return options;
}

const RowVerdict& ReportContext::verdict(const ContaminantResult& result, bool plume) {
  return case_.Verdict(result, plume);
}

const WellsEvidence& ReportContext::wells(int contaminantIndex) {
  return case_.Wells(contaminantIndex);
}

QString ReportContext::evidenceRef(const RowVerdict& verdict, unsigned reason) {
  if (!(verdict.reasons & reason)) return {};
  switch (reason) {
    case kReasonExact: return ref("exact");
    case kReasonChain:
      // A single chain has no part of its own: the section is its place.
      return virelo_ExtrasOf(project_).chains.size() > 1
                 ? ref(chainKey(verdict.models.chainIndex).constData())
                 : ref("chain");
    case kReasonWells: return ref(wellsKey(verdict.contaminantIndex).constData());
    default: return {};
  }
}

std::vector<const ContaminantResult*> ReportContext::resultsWith(int assessBit) const {
  std::vector<const ContaminantResult*> list;
  for (int k = 0; project_.results && k < project_.resultCount; ++k) {
    const ContaminantResult& r = project_.results[k];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project_.contaminantCount) continue;
    if (project_.contaminants[r.contaminantIndex].assess & assessBit) list.push_back(&r);
  }
  return list;
}

QString ReportContext::rangeText(bool plume) const {
  const int index = plume ? settings_.plumeRangeIndex : settings_.afRangeIndex;
  const AssessmentRange range = AssessmentRangeOf(index);
  const QString entry = esc(QString::fromLatin1(kAssessmentRanges[index].text));
  if (plume)
    return QCoreApplication::translate(
               "ReportContext", "%1 (green d &lt;= %2 x, yellow %3 x &lt; d &lt;= %4 x, red d &gt; %4 x)")
        .arg(num(entry), num(QString::asprintf("%.1f", range.lower)),
             num(QString::asprintf("%.1f", range.lower)), num(QString::asprintf("%.1f", range.upper)));
  return QCoreApplication::translate(
             "ReportContext", "%1 (green C0 &lt;= %2 C, yellow %3 C &lt; C0 &lt;= %4 C, red C0 &gt; %4 C)")
      .arg(num(entry), num(QString::asprintf("%.1f", range.lower)),
           num(QString::asprintf("%.1f", range.lower)), num(QString::asprintf("%.1f", range.upper)));
}

QString ReportContext::num(const QString& text) const {
  return WithDecimalSign(text, settings_.decimalSign);
}

QString ReportContext::unit() const {
  return esc(QString::fromStdString(virelo_SettingsOf(project_).concentrationUnit));
}

QByteArray chainKey(int chainIndex) {
  return "chain-" + QByteArray::number(chainIndex);
}

QByteArray wellsKey(int contaminantIndex) {
  return "wells-" + QByteArray::number(contaminantIndex);
}

QString esc(const QString& text) {
  return text.toHtmlEscaped();
}

QString record(const char* text) {
  return esc(QString::fromStdString(RecordTextToUtf8(text)));
}

QString contaminantName(const Project& project, const char* name) {
  return esc(QString::fromStdString(ContaminantNameUtf8(project, name)));
}

QString projectText(const Project& project, ProjectTextField field) {
  return esc(QString::fromStdString(ProjectTextUtf8(project, field)));
}

QString resultValue(double value, const char* fixedFormat, const char* exponentFormat) {
  return QString::fromStdString(FormatResultValue(value, fixedFormat, exponentFormat));
}

QString tableStart() {
  return QStringLiteral(
      "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2.5\" "
      "style=\"border-color: #9a9a9a; border-style: solid; border-collapse: collapse\">");
}

QString reportClassName(AssessmentClass cls) {
  switch (cls) {
    case AssessmentClass::Green: return QCoreApplication::translate("ReportContext", "Green");
    case AssessmentClass::Yellow: return QCoreApplication::translate("ReportContext", "Yellow");
    case AssessmentClass::Red: return QCoreApplication::translate("ReportContext", "Red");
    case AssessmentClass::Problems: return QCoreApplication::translate("ReportContext", "Problems");
  }
  return QLatin1String(AssessmentClassName(cls));
}

QString verdictBasisWords(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Screening: return QCoreApplication::translate("ReportContext", "screening model");
    case VerdictBasis::Exact: return QCoreApplication::translate("ReportContext", "exact solution");
    case VerdictBasis::Worse: return QCoreApplication::translate("ReportContext", "worse of the two");
  }
  return QLatin1String(VerdictBasisText(basis));
}

QString classCell(AssessmentClass cls) {
  return classCell(cls, QString());
}

QString classCell(AssessmentClass cls, const QString& note) {
  const char* colour = "#ffffff";
  switch (cls) {
    case AssessmentClass::Green: colour = "#9fdc8f"; break;
    case AssessmentClass::Yellow: colour = "#f6e27a"; break;
    case AssessmentClass::Red: colour = "#f08c84"; break;
    case AssessmentClass::Problems: colour = "#d8d8d8"; break;
  }
  return QStringLiteral("<td bgcolor=\"%1\"><b>%2</b>%3</td>")
      .arg(QLatin1String(colour), reportClassName(cls),
           note.isEmpty() ? QString()
                          : QStringLiteral("<br><span style=\"font-size: 7pt\">%1</span>").arg(note));
}

const char* redoxShortWords(int condition) {
  static const char* const kWords[kRedoxConditionCount] = {
      QT_TRANSLATE_NOOP("ReportRedox", "unknown / variable"),
      QT_TRANSLATE_NOOP("ReportRedox", "aerobic"),
      QT_TRANSLATE_NOOP("ReportRedox", "anaerobic NO3"),
      QT_TRANSLATE_NOOP("ReportRedox", "anaerobic Fe"),
      QT_TRANSLATE_NOOP("ReportRedox", "anaerobic SO4"),
      QT_TRANSLATE_NOOP("ReportRedox", "anaerobic mixed plumes"),
      QT_TRANSLATE_NOOP("ReportRedox", "anaerobic CH4"),
  };
  return condition >= 0 && condition < kRedoxConditionCount ? kWords[condition]
                                                            : QT_TRANSLATE_NOOP("ReportRedox", "not chosen");
}

QString RedoxShortWordsShown(int condition) {
  return QCoreApplication::translate("ReportRedox", redoxShortWords(condition));
}

int redoxOfPreset(int bit) {
  for (int k = 0; k < kRedoxConditionCount; ++k)
    if (kRedoxConditions[k].lambdaBit == bit) return k;
  return -1;
}

bool usesPreset(const Contaminant& c) {
  return c.lambdaSelected != 0 && c.lambdaSelected != kLambdaUser && redoxOfPreset(c.lambdaSelected) >= 0 &&
         (c.lambdaMask & c.lambdaSelected);
}
