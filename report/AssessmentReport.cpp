// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/AssessmentReport.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

#include "engine/assessment.h"
#include "engine/breakeven.h"
#include "engine/exact.h"
#include "engine/validation.h"
#include "persistence/atomicfile.h"
#include "report/ReportChart.h"

namespace {

// The document is laid out in points: one unit is 1/72 inch on paper.
constexpr double kPointsPerInch = 72.0;
constexpr double kFooterHeight = 26.0;
const QMarginsF kPageMargins(20, 15, 20, 12);  // mm: left, top, right, bottom

constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kChartContaminant = QTextFormat::UserProperty + 1;
const QString kChartMark = QStringLiteral("virelo-chart:");

QString esc(const QString& text) {
  return text.toHtmlEscaped();
}

QString record(const char* text) {
  return esc(QString::fromLatin1(text));
}

// --- Numbers as the pages show them.

// A number in its field's format, as the aquifer page shows it: a value
// whose fixed format would not fit an edit field in its shortest exact form.
QString fieldValue(double value, const char* format) {
  constexpr int kEditLimit = 50;
  QString text = QString::asprintf(format, value);
  if (text.size() > kEditLimit) {
    text = QString::asprintf("%.17g", value);
    text.remove(QLatin1Char('+'));
  }
  return text;
}

QString resultValue(double value, const char* fixedFormat, const char* exponentFormat) {
  return QString::fromStdString(FormatResultValue(value, fixedFormat, exponentFormat));
}

// --- Words for codes.

const char* redoxWords(int condition) {
  static const char* const kWords[kRedoxConditionCount] = {
      "unknown or variable",
      "aerobic",
      "anaerobic, nitrate-reducing (NO3)",
      "anaerobic, iron-reducing (Fe)",
      "anaerobic, sulfate-reducing (SO4)",
      "anaerobic, mixed plumes",
      "anaerobic, methanogenic (CH4)",
  };
  return condition >= 0 && condition < kRedoxConditionCount ? kWords[condition] : "not chosen";
}

// The redox condition as the aquifer page's buttons name it.
const char* redoxShortWords(int condition) {
  static const char* const kWords[kRedoxConditionCount] = {
      "unknown / variable",     "aerobic",       "anaerobic NO3", "anaerobic Fe", "anaerobic SO4",
      "anaerobic mixed plumes", "anaerobic CH4",
  };
  return condition >= 0 && condition < kRedoxConditionCount ? kWords[condition] : "not chosen";
}

// The redox condition whose preset a lambda bit is, or -1.
int redoxOfPreset(int bit) {
  for (int k = 0; k < kRedoxConditionCount; ++k)
    if (kRedoxConditions[k].lambdaBit == bit) return k;
  return -1;
}

// True when the decay constant in use is a preset the database holds.
bool usesPreset(const Contaminant& c) {
  return c.lambdaSelected != 0 && c.lambdaSelected != kLambdaUser && redoxOfPreset(c.lambdaSelected) >= 0 &&
         (c.lambdaMask & c.lambdaSelected);
}

// Column of the bundled database's table that holds a preset's value.
const char* lambdaColumn(int bit) {
  switch (bit) {
    case kLambdaUnknown: return "lambdaUnknown";
    case kLambdaAerobic: return "lambdaAerobic";
    case kLambdaNitrate: return "lambdaNitrate";
    case kLambdaSulfate: return "lambdaSulfate";
    case kLambdaIron: return "lambdaIron";
    case kLambdaMethane: return "lambdaMethane";
    case kLambdaMixedPlumes: return "lambdaMixedPlumes";
  }
  return "";
}

const char* classColour(AssessmentClass cls) {
  switch (cls) {
    case AssessmentClass::Green: return "#9fdc8f";
    case AssessmentClass::Yellow: return "#f6e27a";
    case AssessmentClass::Red: return "#f08c84";
    case AssessmentClass::Problems: return "#d8d8d8";
  }
  return "#ffffff";
}

QString classCell(AssessmentClass cls) {
  return QStringLiteral("<td bgcolor=\"%1\"><b>%2</b></td>")
      .arg(QLatin1String(classColour(cls)), QLatin1String(AssessmentClassName(cls)));
}

// --- The bundled database's table, for the sources of its values.

struct DatabaseRow {
  std::map<QString, QString> cells;
};

// RFC 4180 records of a comma-separated text.
std::vector<QStringList> parseCsv(const QString& text) {
  std::vector<QStringList> records;
  QStringList fields;
  QString field;
  bool quoted = false;
  for (qsizetype k = 0; k < text.size(); ++k) {
    const QChar ch = text[k];
    if (quoted) {
      if (ch == QLatin1Char('"') && k + 1 < text.size() && text[k + 1] == QLatin1Char('"')) {
        field += ch;
        ++k;
      } else if (ch == QLatin1Char('"')) {
        quoted = false;
      } else {
        field += ch;
      }
    } else if (ch == QLatin1Char('"')) {
      quoted = true;
    } else if (ch == QLatin1Char(',')) {
      fields << field;
      field.clear();
    } else if (ch == QLatin1Char('\n')) {
      fields << field;
      records.push_back(fields);
      fields.clear();
      field.clear();
    } else if (ch != QLatin1Char('\r')) {
      field += ch;
    }
  }
  if (!field.isEmpty() || !fields.isEmpty()) records.push_back(fields << field);
  return records;
}

// The bundled table by contaminant name (read once).
const std::map<QString, DatabaseRow>& bundledDatabase() {
  static const std::map<QString, DatabaseRow> rows = [] {
    std::map<QString, DatabaseRow> table;
    QFile file(QStringLiteral(":/virelo/generic-contaminants.csv"));
    if (!file.open(QIODevice::ReadOnly)) return table;
    const std::vector<QStringList> records = parseCsv(QString::fromUtf8(file.readAll()));
    if (records.empty()) return table;
    const QStringList& header = records.front();
    for (size_t r = 1; r < records.size(); ++r) {
      DatabaseRow row;
      for (qsizetype c = 0; c < header.size() && c < records[r].size(); ++c)
        row.cells[header[c]] = records[r][c];
      const QString name = row.cells[QStringLiteral("name")];
      if (!name.isEmpty()) table[name] = row;
    }
    return table;
  }();
  return rows;
}

bool sameValue(const QString& cell, double value) {
  bool ok = false;
  const double bundled = cell.toDouble(&ok);
  return ok && std::fabs(bundled - value) <= 1e-12 * std::max(1.0, std::fabs(value));
}

// --- The document.

class ChartObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  ChartObject(const Project& project, QObject* parent) : QObject(parent), project_(project) {}

  QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat&) override {
    const double width = doc->pageSize().width() - 2 * doc->documentMargin();
    return {width, width * 0.46};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const int index = format.property(kChartContaminant).toInt();
    if (index < 0 || index >= project_.contaminantCount) return;
    // The layout also offers a chart that starts right at the edge of the
    // page being painted; it belongs to the next page, and the chart's own
    // painting would not keep to this page's clip.
    if (painter->hasClipping() && !painter->clipBoundingRect().contains(rect.adjusted(1, 1, -1, -1))) return;
    charts_.paint(project_.aquifer, project_.contaminants[index], painter, rect);
  }

 private:
  const Project& project_;
  ReportChartPainter charts_;
};

class ReportWriter {
 public:
  ReportWriter(const Project& project, const ReportSettings& settings)
      : project_(project),
        settings_(settings),
        plumeRange_(kAssessmentRanges[settings.plumeRangeIndex].range),
        afRange_(kAssessmentRanges[settings.afRangeIndex].range) {}

  QString html() {
    html_ += QStringLiteral("<html><body>");
    titleBlock();
    description();
    aquifer();
    contaminants();
    results();
    charts();
    methods();
    html_ += QStringLiteral("</body></html>");
    return html_;
  }

 private:
  void add(const QString& text) { html_ += text; }
  void heading(int level, const QString& text, bool newPage = false) {
    add(QStringLiteral("<h%1%2>%3</h%1>")
            .arg(level)
            .arg(newPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString(), text));
  }
  void row(const QString& label, const QString& value) {
    add(QStringLiteral("<tr><td width=\"28%\"><b>%1</b></td><td>%2</td></tr>").arg(label, value));
  }
  static QString tableStart() {
    return QStringLiteral(
        "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2.5\" "
        "style=\"border-color: #9a9a9a; border-style: solid; border-collapse: collapse\">");
  }

  std::vector<const ContaminantResult*> resultsWith(int assessBit) const {
    std::vector<const ContaminantResult*> list;
    for (int k = 0; project_.results && k < project_.resultCount; ++k) {
      const ContaminantResult& r = project_.results[k];
      if (r.contaminantIndex < 0 || r.contaminantIndex >= project_.contaminantCount) continue;
      if (project_.contaminants[r.contaminantIndex].assess & assessBit) list.push_back(&r);
    }
    return list;
  }
  const Contaminant& contaminantOf(const ContaminantResult& r) const {
    return project_.contaminants[r.contaminantIndex];
  }

  QString rangeText(int index, bool plume) const {
    const AssessmentRange range = kAssessmentRanges[index].range;
    const QString entry = esc(QString::fromLatin1(kAssessmentRanges[index].text));
    if (plume)
      return QStringLiteral("%1 (green d &lt;= %2 x, yellow %3 x &lt; d &lt;= %4 x, red d &gt; %4 x)")
          .arg(entry, QString::asprintf("%.1f", range.lower), QString::asprintf("%.1f", range.lower),
               QString::asprintf("%.1f", range.upper));
    return QStringLiteral("%1 (green C0 &lt;= %2 C, yellow %3 C &lt; C0 &lt;= %4 C, red C0 &gt; %4 C)")
        .arg(entry, QString::asprintf("%.1f", range.lower), QString::asprintf("%.1f", range.lower),
             QString::asprintf("%.1f", range.upper));
  }

  void titleBlock() {
    add(
        QStringLiteral("<p style=\"font-size: 8pt; color: #555555\">Monitored natural attenuation - "
                       "assessment report</p>"));
    add(QStringLiteral("<h1>%1</h1>").arg(record(project_.title)));
    add(tableStart());
    row(QStringLiteral("Project title"), record(project_.title));
    row(QStringLiteral("Author"), record(project_.author));
    row(QStringLiteral("Organisation"), record(project_.organisation));
    row(QStringLiteral("Report date"), esc(settings_.date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    const QString notSaved = QStringLiteral("<font color=\"#b00000\"><b>not saved</b></font>");
    QString sha;
    if (settings_.saved) sha = FileSha256(QFile::decodeName(project_.path));
    if (!sha.isEmpty()) {
      row(QStringLiteral("Project file"), esc(QFileInfo(QFile::decodeName(project_.path)).fileName()));
      row(QStringLiteral("SHA-256 of the file"),
          QStringLiteral("<span style=\"font-family: 'DejaVu Sans Mono'; font-size: 7pt\">%1</span>")
              .arg(sha));
    } else {
      row(QStringLiteral("Project file"), notSaved);
      row(QStringLiteral("SHA-256 of the file"), notSaved);
    }
    row(QStringLiteral("Program"), QStringLiteral("Virelo %1").arg(QLatin1String(VIRELO_VERSION)));
    row(QStringLiteral("Plume-length range"), rangeText(settings_.plumeRangeIndex, true));
    row(QStringLiteral("Attenuation-factor range"), rangeText(settings_.afRangeIndex, false));
    add(QStringLiteral("</table>"));
    if (sha.isEmpty()) {
      add(QStringLiteral(
          "<table width=\"100%\" border=\"1.5\" cellspacing=\"0\" cellpadding=\"5\" "
          "style=\"border-color: #b00000; border-style: solid\"><tr><td><b>Note:</b> this report "
          "was made from a project that is not saved as it stands (a new project, or one with "
          "changes since it was last saved). No project file reproduces it. Save the project and "
          "make the report again to give it a file and a checksum.</td></tr></table>"));
    }
  }

  void description() {
    heading(2, QStringLiteral("1 Description"));
    const QString text = QString::fromLatin1(project_.description).trimmed();
    if (text.isEmpty()) {
      add(QStringLiteral("<p><i>No description.</i></p>"));
      return;
    }
    QString body = esc(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    body.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    add(QStringLiteral("<p>%1</p>").arg(body));
  }

  void aquifer() {
    const Aquifer& a = project_.aquifer;
    heading(2, QStringLiteral("2 Aquifer"));
    add(tableStart());
    add(
        QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\">Input</th><th "
                       "align=\"left\">Symbol</th><th align=\"left\">Value</th><th "
                       "align=\"left\">Unit</th></tr></thead>"));
    struct Line {
      const char* label;
      const char* symbol;
      int bit;
      double value;
      const char* format;
      const char* unit;
    };
    const Line lines[] = {
        {"Distance source - receptor", "x", kAquiferX, a.distanceX, "%.2f", "m"},
        {"Hydraulic conductivity", "Kf", kAquiferKf, a.conductivityKf, "%.9f", "m/d"},
        {"Hydraulic gradient", "i", kAquiferI, a.gradientI, "%.7f", "-"},
        {"Effective porosity", "ne", kAquiferNe, a.porosityNe, "%.3f", "-"},
        {"Source width", "Sz", kAquiferSz, a.sourceWidthSz, "%.2f", "m"},
        {"Source thickness", "Sy", kAquiferSy, a.sourceThicknessSy, "%.2f", "m"},
        {"Longitudinal dispersivity", "ax", kAquiferAx, a.dispersivityAx, "%.2f", "m"},
        {"Transverse dispersivity (with Sy)", "ay", kAquiferAy, a.dispersivityAy, "%.2f", "m"},
        {"Vertical dispersivity (with Sz)", "az", kAquiferAz, a.dispersivityAz, "%.2f", "m"},
    };
    for (const Line& line : lines) {
      const QString value =
          (a.setMask & line.bit) ? fieldValue(line.value, line.format) : QStringLiteral("<i>not entered</i>");
      add(QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
              .arg(QLatin1String(line.label), QLatin1String(line.symbol), value, QLatin1String(line.unit)));
    }
    add(QStringLiteral("</table>"));
    add(QStringLiteral("<p>Dispersivities: %1.<br>Redox condition: %2.</p>")
            .arg(project_.approximateDispersivity
                     ? QStringLiteral("approximated from x (ax = x/10, ay = ax/10, az = ay/10)")
                     : QStringLiteral("entered by the user, not approximated from x"),
                 QLatin1String(redoxWords(a.redoxCondition))));
  }

  // Where the decay constant in use comes from, in words.
  QString decayOrigin(const Contaminant& c) const {
    if (c.lambdaSelected == kLambdaUser) return QStringLiteral("user-defined");
    const int redox = redoxOfPreset(c.lambdaSelected);
    if (redox < 0) return QStringLiteral("<i>none chosen</i>");
    if (!usesPreset(c))
      return QStringLiteral("<i>no preset for %1</i>").arg(QLatin1String(redoxShortWords(redox)));
    return QStringLiteral("preset, %1").arg(QLatin1String(redoxShortWords(redox)));
  }

  void contaminants() {
    heading(2, QStringLiteral("3 Contaminants"));
    std::vector<int> assessed;
    for (int k = 0; k < project_.contaminantCount; ++k)
      if (project_.contaminants[k].assess) assessed.push_back(k);
    if (assessed.empty()) {
      add(QStringLiteral("<p><i>No contaminant is marked for assessment.</i></p>"));
      return;
    }
    add(
        QStringLiteral("<p>C0 and CA in the unit the user chose for both; decay constants in 1/d. "
                       "Assessed: PL the plume length, AF the attenuation factor. Decay constant from: "
                       "the database preset for a redox condition, or user-defined. The literature plume "
                       "length is the 75th percentile of observed plumes, with the number of literature "
                       "entries in brackets.</p>"));
    add(tableStart());
    add(QStringLiteral(
        "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"19%\">Contaminant</th><th "
        "align=\"left\" width=\"8%\">Assessed</th><th align=\"left\" width=\"12%\">C0</th><th "
        "align=\"left\" width=\"12%\">CA</th><th align=\"left\" width=\"10%\">Decay constant "
        "[1/d]</th><th align=\"left\" width=\"24%\">Decay constant from</th><th align=\"left\" "
        "width=\"15%\">Literature plume length [m]</th></tr></thead>"));
    for (int k : assessed) {
      const Contaminant& c = project_.contaminants[k];
      QString what;
      if (c.assess & kAssessPlumeLength) what += QStringLiteral("PL");
      if (c.assess & kAssessAttenuationFactor)
        what += what.isEmpty() ? QStringLiteral("AF") : QStringLiteral(", AF");
      const QString notEntered = QStringLiteral("<i>not entered</i>");
      double lambda = 0.0;
      const bool hasLambda =
          virelo_GetLambda(&c, &lambda) &&
          (c.lambdaSelected == kLambdaUser ? (c.lambdaMask & kLambdaUser) != 0 : usesPreset(c));
      QString literature = QStringLiteral("<i>not known</i>");
      if (c.valueMask & kValueLiteraturePlumeLength) {
        literature = QString::asprintf("%.2f", c.literaturePlumeLength);
        if (c.valueMask & kValueLiteratureEntries)
          literature += QString::asprintf(" (%d)", static_cast<int>(c.literatureEntries));
      }
      add(QStringLiteral(
              "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
              .arg(record(c.name), what,
                   (c.valueMask & kValueC0) ? QString::asprintf("%.6f", c.c0) : notEntered,
                   (c.valueMask & kValueCa) ? QString::asprintf("%.6f", c.ca) : notEntered,
                   hasLambda ? QString::asprintf("%.6f", lambda) : notEntered, decayOrigin(c), literature));
    }
    add(QStringLiteral("</table>"));
  }

  void resultTable(bool plume) {
    const std::vector<const ContaminantResult*> list =
        resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor);
    if (list.empty()) {
      add(QStringLiteral("<p><i>No contaminant is assessed for its %1.</i></p>")
              .arg(plume ? QStringLiteral("plume length") : QStringLiteral("attenuation factor")));
      return;
    }
    const AssessmentRange range = plume ? plumeRange_ : afRange_;
    add(QStringLiteral("<p>Assessment range %1.</p>")
            .arg(rangeText(plume ? settings_.plumeRangeIndex : settings_.afRangeIndex, plume)));
    add(tableStart());
    add(QStringLiteral(
            "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"38%\">Contaminant</th>"
            "<th align=\"left\" width=\"14%\">Class</th><th align=\"left\" width=\"24%\">%1</th><th "
            "align=\"left\" width=\"24%\">%2</th></tr></thead>")
            .arg(plume ? QStringLiteral("d [m]") : QStringLiteral("AF"),
                 plume ? QStringLiteral("d/x") : QStringLiteral("C0/C")));
    for (const ContaminantResult* r : list) {
      const bool problems = plume ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r);
      AssessmentClass cls = AssessmentClass::Problems;
      QString first, second;
      if (!problems) {
        if (plume) {
          cls = ClassifyPlumeLength(r->plumeLengthRatio, range);
          first = resultValue(r->plumeLength, "%.2f", "%.2E");
          second = resultValue(r->plumeLengthRatio, "%.7f", "%.4E");
        } else {
          cls = ClassifyAttenuationFactor(r->sourceRatio, range);
          first = resultValue(r->attenuationFactor, "%.7f", "%.4E");
          second = resultValue(r->sourceRatio, "%.7f", "%.4E");
        }
      } else {
        first = QStringLiteral("<i>see problems</i>");
      }
      add(QStringLiteral("<tr><td>%1</td>%2<td>%3</td><td>%4</td></tr>")
              .arg(record(contaminantOf(*r).name), classCell(cls), first, second));
    }
    add(QStringLiteral("</table>"));
    add(plume ? QStringLiteral("<p style=\"font-size: 8pt\">d: plume extension; x: distance source - "
                               "receptor.</p>")
              : QStringLiteral("<p style=\"font-size: 8pt\">AF: attenuation factor C0/C(x); C0: "
                               "concentration at the source; C: acceptable concentration at the source "
                               "(CA &#215; AF).</p>"));
  }

  void problemList(const ContaminantResult& r, bool plume) {
    const ProblemCode* aquifer = plume ? r.plAquiferProblems : r.afAquiferProblems;
    const ProblemCode* contaminant = plume ? r.plContaminantProblems : r.afContaminantProblems;
    const int aquiferCount = std::max<int>(0, plume ? r.plAquiferProblemCount : r.afAquiferProblemCount);
    const int contaminantCount =
        std::max<int>(0, plume ? r.plContaminantProblemCount : r.afContaminantProblemCount);
    if (aquiferCount + contaminantCount == 0) return;
    // One arg() call, so that a "%1" in a contaminant's name stays text.
    add(QStringLiteral("<p><b>%1 of %2</b>: %3 problem(s)</p><ol>")
            .arg(plume ? QStringLiteral("Plume length") : QStringLiteral("Attenuation factor"),
                 record(contaminantOf(r).name), QString::number(aquiferCount + contaminantCount)));
    char text[256];
    for (int k = 0; aquifer && k < aquiferCount; ++k)
      if (virelo_GetProblemText(aquifer[k], text)) add(QStringLiteral("<li>%1</li>").arg(record(text)));
    for (int k = 0; contaminant && k < contaminantCount; ++k)
      if (virelo_GetProblemText(contaminant[k], text)) add(QStringLiteral("<li>%1</li>").arg(record(text)));
    add(QStringLiteral("</ol>"));
  }

  void results() {
    heading(2, QStringLiteral("4 Results"));
    heading(3, QStringLiteral("4.1 Plume length"));
    resultTable(true);
    heading(3, QStringLiteral("4.2 Attenuation factor"));
    resultTable(false);
    heading(3, QStringLiteral("4.3 Problems"));
    bool any = false;
    for (bool plume : {true, false}) {
      for (const ContaminantResult* r : resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor)) {
        if (!(plume ? HasPlumeLengthProblems(*r) : HasAttenuationFactorProblems(*r))) continue;
        any = true;
        problemList(*r, plume);
      }
    }
    if (!any)
      add(project_.resultCount > 0 ? QStringLiteral("<p>None: every assessment has complete inputs.</p>")
                                   : QStringLiteral("<p>None: nothing is assessed.</p>"));
    heading(3, QStringLiteral("4.4 Comparison with the exact solution"));
    exactComparison();
    heading(3, QStringLiteral("4.5 Robustness"));
    robustness();
  }

  // For each result, how far each input would have to move, all others as
  // they are, before the class changes: the break-even values, as the
  // results page's robustness view lists them.
  void robustness() {
    if (!anyResultWithoutProblems()) {
      add(QStringLiteral("<p><i>No result without problems.</i></p>"));
      return;
    }
    add(QStringLiteral(
            "<p>For each result and each input: its value, the value at which the class would become "
            "worse and the one at which it would become better, with the factor to each (all other "
            "inputs as they are). An input whose nearer break-even value lies within a factor %1 of its "
            "value makes the verdict fragile; such lines are shaded and marked <b>fragile</b>. A dash: no "
            "value the input checks accept reaches that class.</p>")
            .arg(kFragileFactor));
    for (bool plume : {true, false}) {
      const AssessmentRange range = plume ? plumeRange_ : afRange_;
      for (const ContaminantResult* r : resultsWith(plume ? kAssessPlumeLength : kAssessAttenuationFactor)) {
        const BreakEvenTable table = ResultBreakEvenValues(project_, *r, plume, range);
        if (table.cls != AssessmentClass::Problems) robustnessTable(*r, plume, table);
      }
    }
  }

  bool anyResultWithoutProblems() const {
    for (const ContaminantResult* r : resultsWith(kAssessPlumeLength))
      if (!HasPlumeLengthProblems(*r)) return true;
    for (const ContaminantResult* r : resultsWith(kAssessAttenuationFactor))
      if (!HasAttenuationFactorProblems(*r)) return true;
    return false;
  }

  static QString breakEvenValue(const std::optional<double>& at, const std::optional<double>& factor) {
    if (!at) return QStringLiteral("-");
    QString text = QString::fromStdString(FormatResultValue(*at, "%.6g", "%.6g"));
    if (factor) text += QStringLiteral(" (&#215;%1)").arg(QString::fromStdString(FormatFactor(*factor)));
    return text;
  }

  // One line per input, its columns set by tab stops (placeRobustnessColumns):
  // a report may hold thousands of these lines, and lines lay out far faster
  // than table cells.
  void robustnessTable(const ContaminantResult& r, bool plume, const BreakEvenTable& table) {
    const auto neighbour = [&table](int step) {
      const int k = static_cast<int>(table.cls) + step;
      return k < static_cast<int>(AssessmentClass::Red) || k > static_cast<int>(AssessmentClass::Green)
                 ? QString()
                 : QLatin1String(AssessmentClassName(static_cast<AssessmentClass>(k)));
    };
    const QString worse = neighbour(-1), better = neighbour(+1);
    add(QStringLiteral("<p style=\"margin-top: 6px\"><b>%1</b>, %2: %3, %4</p>")
            .arg(record(contaminantOf(r).name),
                 plume ? QStringLiteral("plume length") : QStringLiteral("attenuation factor"),
                 QLatin1String(AssessmentClassName(table.cls)),
                 IsFragile(table) ? QStringLiteral("<b>fragile</b>") : QStringLiteral("robust")));
    add(QStringLiteral("<p style=\"white-space: pre; margin-top: 0; margin-bottom: 0; background-color: "
                       "#e8e8e8\"><b>Input&#9;Value&#9;%1&#9;%2</b></p>")
            .arg(worse.isEmpty() ? QStringLiteral("Worse at") : worse + QStringLiteral(" at"),
                 better.isEmpty() ? QStringLiteral("Better at") : better + QStringLiteral(" at")));
    for (const BreakEven& e : table.inputs) {
      const bool fragile = IsFragile(e);
      add(QStringLiteral("<p style=\"white-space: pre; margin-top: 0; margin-bottom: "
                         "0%1\">%2&#9;%3&#9;%4&#9;%5&#9;%6</p>")
              .arg(fragile ? QStringLiteral("; background-color: #ffe0b2") : QString(),
                   esc(QString::fromLatin1(BreakEvenInputName(e.input))),
                   QString::fromStdString(FormatResultValue(e.value, "%.6g", "%.6g")),
                   breakEvenValue(e.worseAt, WorseFactor(e)), breakEvenValue(e.betterAt, BetterFactor(e)),
                   fragile ? QStringLiteral("<b>fragile</b>") : QString()));
    }
  }

  // The screening attenuation factor beside the exact centre-line solution
  // of the same source; the screening result stays the verdict.
  void exactComparison() {
    std::vector<const ContaminantResult*> list;
    for (const ContaminantResult* r : resultsWith(kAssessAttenuationFactor))
      if (!HasAttenuationFactorProblems(*r)) list.push_back(r);
    if (list.empty()) {
      add(QStringLiteral("<p><i>No attenuation factor to compare.</i></p>"));
      return;
    }
    add(QStringLiteral(
            "<p>The screening formula approximates the steady-state centre-line solution of the same "
            "source; the exact solution is computed by numerical integration (section 6.2). The screening "
            "result stays the verdict. <b>!!</b> marks a result whose exact class is worse than its "
            "screening class; <b>!</b> marks one whose class is the same but whose concentrations at the "
            "receptor differ by more than a factor %1.</p>")
            .arg(kExactDifferenceFactor));
    add(tableStart());
    add(QStringLiteral(
        "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"28%\">Contaminant</th><th "
        "align=\"left\" width=\"16%\">Screening C0/C</th><th align=\"left\" width=\"13%\">Screening "
        "class</th><th align=\"left\" width=\"16%\">Exact C0/C</th><th align=\"left\" width=\"13%\">Exact "
        "class</th><th align=\"left\" width=\"14%\">Mark</th></tr></thead>"));
    for (const ContaminantResult* r : list) {
      const AssessmentClass screening = ClassifyAttenuationFactor(r->sourceRatio, afRange_);
      if (!r->exactComputed) {
        add(QStringLiteral("<tr><td>%1</td><td>%2</td>%3<td colspan=\"3\"><i>not computed</i></td></tr>")
                .arg(record(contaminantOf(*r).name), resultValue(r->sourceRatio, "%.7f", "%.4E"),
                     classCell(screening)));
        continue;
      }
      QString mark = QStringLiteral("<td>-</td>");
      switch (CompareExactWithScreening(*r, afRange_)) {
        case ExactComparison::WorseClass:
          mark = QStringLiteral("<td bgcolor=\"#f3b6b0\"><b>!! worse</b></td>");
          break;
        case ExactComparison::Differs:
          mark = QStringLiteral("<td bgcolor=\"#fbe3c4\"><b>!</b> differs</td>");
          break;
        case ExactComparison::None: break;
      }
      add(QStringLiteral("<tr><td>%1</td><td>%2</td>%3<td>%4</td>%5%6</tr>")
              .arg(record(contaminantOf(*r).name), resultValue(r->sourceRatio, "%.7f", "%.4E"),
                   classCell(screening), resultValue(r->exactSourceRatio, "%.7f", "%.4E"),
                   classCell(ClassifyExactAttenuationFactor(*r, afRange_)), mark));
    }
    add(QStringLiteral("</table>"));
  }

  void charts() {
    heading(2, QStringLiteral("5 Centre-line charts"), true);
    add(QStringLiteral(
        "<p>The concentration on the plume axis relative to the source (C/C0, logarithmic), "
        "from the source to a quarter beyond the receptor: the screening model (solid) and the exact "
        "solution (dashed), with the acceptable level CA/C0 (dash-dotted) and the receptor at x.</p>"));
    bool any = false;
    for (const ContaminantResult* r : resultsWith(kAssessAttenuationFactor)) {
      const Contaminant& c = contaminantOf(*r);
      if (HasAttenuationFactorProblems(*r)) {
        add(QStringLiteral("<p><b>%1</b>: <i>no chart, the inputs of the attenuation factor have "
                           "problems (section 4.3).</i></p>")
                .arg(record(c.name)));
        continue;
      }
      any = true;
      add(QStringLiteral("<p align=\"center\"><img src=\"%1%2\"></p>")
              .arg(kChartMark)
              .arg(r->contaminantIndex));
    }
    if (!any && resultsWith(kAssessAttenuationFactor).empty())
      add(QStringLiteral("<p><i>No contaminant is assessed for its attenuation factor.</i></p>"));
  }

  void methods() {
    heading(2, QStringLiteral("6 Methods"), true);
    heading(3, QStringLiteral("6.1 Plume length"));
    add(QStringLiteral(
        "<p>Plug flow at the seepage velocity with first-order decay: the plume ends where the "
        "concentration has fallen from C0 to CA.</p>"
        "<p align=\"center\">v = Kf &#183; i / ne &nbsp;&nbsp;&nbsp; d = ln(C0 / CA) &#183; v / &#955;</p>"
        "<p>with Kf the hydraulic conductivity [m/d], i the hydraulic gradient, ne the effective "
        "porosity, &#955; the decay constant [1/d]. The plume length is classified by d/x, its ratio to "
        "the distance x between source and receptor.</p>"));
    heading(3, QStringLiteral("6.2 Attenuation factor"));
    add(QStringLiteral(
        "<p>Steady-state analytical solution for the centre line of a plume from a rectangular "
        "source (width Sz, thickness Sy) with longitudinal dispersion and first-order decay "
        "(Domenico 1987), at the receptor distance x:</p>"
        "<p align=\"center\">C(x)/C0 = exp[ (x / (2 ax)) &#183; (1 &#8722; &#8730;(1 + 4 &#955; ax / v)) ] "
        "&#183; erf( Sz / (2 &#8730;(az x)) ) &#183; erf( Sy / (2 &#8730;(ay x)) )</p>"
        "<p align=\"center\">AF = C0 / C(x) &nbsp;&nbsp;&nbsp; C = CA &#183; AF</p>"
        "<p>AF is the attenuation factor, C the highest source concentration that keeps the receptor at "
        "CA. The attenuation factor is classified by C0/C. The error function is the C library's erf; an "
        "infinite or undefined argument (a dispersivity of 0) counts as erf = 1. A receptor concentration of "
        "1e-30 or less gives AF = 0 and C0/C infinite, which "
        "counts as green: nothing of the source reaches the receptor.</p>"
        "<p>For comparison (section 4.4 and the charts) the exact steady-state centre-line "
        "concentration of the same continuous patch source with longitudinal dispersion and "
        "first-order decay is computed by adaptive Gauss-Kronrod quadrature over the source's "
        "history, to a relative error of 1e-6 or better (Wexler 1992). The screening formula "
        "underpredicts it, the more so the larger the dispersivities and the stronger the decay "
        "(West, Kueper and Ungs 2007).</p>"));
    heading(3, QStringLiteral("6.3 Assumptions and limits"));
    add(QStringLiteral(
        "<ul><li>Steady state: the source is constant and the plume has reached its full "
        "extent.</li><li>Homogeneous aquifer: one conductivity, gradient, porosity and set of "
        "dispersivities between source and receptor; uniform flow in one direction.</li>"
        "<li>First-order decay with one constant for the whole flow path, chosen for one redox "
        "condition.</li><li>No sorption: the contaminant moves at the seepage velocity "
        "(retardation factor 1).</li><li>The plume length neglects dispersion; both models are "
        "screening tools and do not replace a site model where the verdict is close.</li></ul>"));
    heading(3, QStringLiteral("6.4 References"));
    add(QStringLiteral(
        "<ul><li>Domenico, P. A. (1987): An analytical model for multidimensional transport of a "
        "decaying contaminant species. Journal of Hydrology 91, 49-58.</li>"
        "<li>Gelhar, L. W., Welty, C., Rehfeldt, K. R. (1992): A critical review of data on "
        "field-scale dispersion in aquifers. Water Resources Research 28 (7), 1955-1974.</li>"
        "<li>West, M. R., Kueper, B. H., Ungs, M. J. (2007): On the use and error of approximation "
        "in the Domenico (1987) solution. Ground Water 45 (2), 126-135.</li>"
        "<li>Wexler, E. J. (1992): Analytical solutions for one-, two-, and three-dimensional solute "
        "transport in ground-water systems with uniform flow. Techniques of Water-Resources "
        "Investigations of the United States Geological Survey, Book 3, Chapter B7.</li>"
        "<li>Wiedemeier, T. H., Rifai, H. S., Newell, C. J., Wilson, J. T. (1999): Natural "
        "Attenuation of Fuels and Chlorinated Solvents in the Subsurface. Wiley, New York.</li></ul>"));
    heading(3, QStringLiteral("6.5 Sources of the database values used"));
    databaseSources();
  }

  void databaseSources() {
    const auto& bundled = bundledDatabase();
    bool any = false;
    add(QStringLiteral("<ul>"));
    for (int k = 0; k < project_.contaminantCount; ++k) {
      const Contaminant& c = project_.contaminants[k];
      if (!c.assess) continue;
      const bool preset = usesPreset(c);
      const bool literature = c.valueMask & kValueLiteraturePlumeLength;
      if (!preset && !literature) continue;
      any = true;
      const QString name = QString::fromLatin1(c.name);
      const auto found = bundled.find(name);
      QString text;
      if (found == bundled.end()) {
        text = QStringLiteral("not in the bundled database; no source is recorded for its values.");
      } else {
        const auto& cells = found->second.cells;
        QStringList differ;
        double lambda = 0.0;
        if (preset && virelo_GetLambda(&c, &lambda)) {
          const auto cell = cells.find(QLatin1String(lambdaColumn(c.lambdaSelected)));
          if (cell == cells.end() || !sameValue(cell->second, lambda))
            differ << QStringLiteral("the decay constant");
        }
        if (literature) {
          const auto cell = cells.find(QStringLiteral("literaturePlumeLength"));
          if (cell == cells.end() || !sameValue(cell->second, c.literaturePlumeLength))
            differ << QStringLiteral("the literature plume length");
        }
        const auto source = cells.find(QStringLiteral("source"));
        text = source == cells.end() ? QString() : esc(source->second);
        if (!differ.isEmpty())
          text += QStringLiteral(
                      " <b>Note:</b> %1 in this project differ(s) from the bundled database; "
                      "no source is recorded for the value used.")
                      .arg(differ.join(QStringLiteral(" and ")));
      }
      add(QStringLiteral("<li><b>%1</b>: %2</li>").arg(esc(name), text));
    }
    add(QStringLiteral("</ul>"));
    if (!any && project_.resultCount > 0)
      add(
          QStringLiteral("<p>No database value is used: every decay constant in use is "
                         "user-defined and no literature plume length is known.</p>"));
    else if (!any)
      add(QStringLiteral("<p>No database value is used: no contaminant is assessed.</p>"));
  }

  const Project& project_;
  const ReportSettings& settings_;
  AssessmentRange plumeRange_;
  AssessmentRange afRange_;
  QString html_;
};

// Turns the chart marks of the HTML into chart objects, which the document
// layout sizes and paints through ChartObject.
void placeCharts(QTextDocument* doc) {
  QTextCursor cursor(doc);
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isImageFormat()) continue;
      const QString name = format.toImageFormat().name();
      if (!name.startsWith(kChartMark)) continue;
      QTextCharFormat chart;
      chart.setObjectType(kChartObject);
      chart.setProperty(kChartContaminant, name.mid(kChartMark.size()).toInt());
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(chart);
    }
  }
}

// Sets the columns of the robustness lines: tab stops at fixed shares of
// the text width.
void placeRobustnessColumns(QTextDocument* doc) {
  // The text layout scales tab positions from the screen's resolution to
  // the document's paint device (points here), as it does for pixel sizes.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 100.0;
  const double width = (doc->pageSize().width() - 2 * doc->documentMargin()) * screenDpi / kPointsPerInch;
  QList<QTextOption::Tab> tabs;
  for (double share : {0.13, 0.33, 0.60, 0.88})
    tabs.append(QTextOption::Tab(width * share, QTextOption::LeftTab));
  QTextCursor cursor(doc);
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (!block.text().contains(QLatin1Char('\t'))) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setTabPositions(tabs);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
}

// A paint device whose units are points, so the layout does not depend on
// the screen or printer it ends up on.
QPaintDevice* pointDevice() {
  static QImage image = [] {
    QImage i(1, 1, QImage::Format_RGB32);
    i.setDotsPerMeterX(qRound(kPointsPerInch / 0.0254));
    i.setDotsPerMeterY(qRound(kPointsPerInch / 0.0254));
    return i;
  }();
  return &image;
}

void drawFooter(QPainter* painter, const QRectF& area, int page, int pages, const QString& title) {
  painter->save();
  painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 0.5));
  painter->drawLine(QPointF(area.left(), area.top() + 8), QPointF(area.right(), area.top() + 8));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(7);
  painter->setFont(font);
  painter->setPen(Qt::black);
  const QRectF text = area.adjusted(0, 11, 0, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
  painter->drawText(text, Qt::AlignRight | Qt::AlignTop,
                    QStringLiteral("Page %1 of %2").arg(page).arg(pages));
  painter->restore();
}

}  // namespace

int AssessmentRangeIndex(double lower, double upper) {
  for (int k = 0; k < kAssessmentRangeCount; ++k)
    if (kAssessmentRanges[k].range.lower == lower && kAssessmentRanges[k].range.upper == upper) return k;
  return 0;
}

QString FileSha256(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

ReportSettings ReportSettingsFor(const Project& project, int plumeRangeIndex, int afRangeIndex) {
  ReportSettings settings;
  settings.plumeRangeIndex = std::clamp(plumeRangeIndex, 0, kAssessmentRangeCount - 1);
  settings.afRangeIndex = std::clamp(afRangeIndex, 0, kAssessmentRangeCount - 1);
  settings.saved =
      !project.modified && project.path[0] != '\0' && QFileInfo(QFile::decodeName(project.path)).isReadable();
  return settings;
}

std::unique_ptr<QTextDocument> BuildReportDocument(const Project& project, const ReportSettings& settings,
                                                   const QSizeF& pageSize) {
  auto doc = std::make_unique<QTextDocument>();
  // Page size and paint device come first: a document laid out at another
  // width or resolution would be laid out twice.
  doc->setPageSize(pageSize);
  doc->documentLayout()->setPaintDevice(pointDevice());
  doc->documentLayout()->registerHandler(kChartObject, new ChartObject(project, doc.get()));
  doc->setUseDesignMetrics(true);
  doc->setDocumentMargin(0);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8.5);
  doc->setDefaultFont(font);
  doc->setDefaultStyleSheet(
      QStringLiteral("h1 { font-size: 16pt; margin-bottom: 6px; } "
                     "h2 { font-size: 12pt; margin-top: 14px; margin-bottom: 4px; } "
                     "h3 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; } "
                     "p { margin-top: 3px; margin-bottom: 3px; } "
                     "th { font-weight: bold; }"));
  // A number or a name is not broken inside while its cell has room for it.
  QTextOption option = doc->defaultTextOption();
  option.setWrapMode(QTextOption::WordWrap);
  doc->setDefaultTextOption(option);
  ReportWriter writer(project, settings);
  doc->setHtml(writer.html());
  // One edit for both, so that the document is laid out again only once.
  QTextCursor edit(doc.get());
  edit.beginEditBlock();
  placeCharts(doc.get());
  placeRobustnessColumns(doc.get());
  edit.endEditBlock();
  // The layout redoes only the edited stretch and leaves what follows it
  // as it was before the edit, unmeasured where the edit moved it; laying
  // out the whole report again makes every page count.
  doc->markContentsDirty(0, doc->characterCount());
  return doc;
}

int PaintReport(const Project& project, const ReportSettings& settings, QPagedPaintDevice* device) {
  if (!device) return 0;
  const double scaleX = device->logicalDpiX() / kPointsPerInch;
  const double scaleY = device->logicalDpiY() / kPointsPerInch;
  const QSizeF area(device->width() / scaleX, device->height() / scaleY);
  const double bodyHeight = area.height() - kFooterHeight;
  if (area.width() <= 0 || bodyHeight <= 0) return 0;
  std::unique_ptr<QTextDocument> doc =
      BuildReportDocument(project, settings, QSizeF(area.width(), bodyHeight));
  const int pages = doc->pageCount();
  const QString title = QString::fromLatin1(project.title);

  QPainter painter;
  if (!painter.begin(device)) return 0;
  painter.setRenderHint(QPainter::Antialiasing);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device->newPage()) return 0;
    painter.save();
    painter.scale(scaleX, scaleY);
    painter.save();
    const QRectF body(0, page * bodyHeight, area.width(), bodyHeight);
    painter.translate(0, -body.top());
    painter.setClipRect(body);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = body;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc->documentLayout()->draw(&painter, context);
    painter.restore();
    drawFooter(&painter, QRectF(0, bodyHeight, area.width(), kFooterHeight), page + 1, pages, title);
    painter.restore();
  }
  return painter.end() ? pages : 0;
}

void PrepareReportPrinter(QPrinter* printer) {
  printer->setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins, QPageLayout::Millimeter));
  printer->setDocName(QStringLiteral("Virelo assessment report"));
}

bool WriteReportPdf(const Project& project, const ReportSettings& settings, const QString& path,
                    QString* error) {
  // A report replaces an earlier report, never anything else: a mistyped
  // name must not turn the project file behind the report into a PDF.
  QFile existing(path);
  if (existing.exists() && existing.size() > 0 &&
      (!existing.open(QIODevice::ReadOnly) || existing.read(5) != "%PDF-")) {
    if (error) *error = QStringLiteral("the file exists and is not a PDF; it is left as it is");
    return false;
  }
  existing.close();
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins, QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("%1 - assessment report").arg(QString::fromLatin1(project.title)));
    writer.setCreator(QStringLiteral("Virelo %1").arg(QLatin1String(VIRELO_VERSION)));
    if (!PaintReport(project, settings, &writer)) {
      if (error) *error = QStringLiteral("the report could not be laid out");
      return false;
    }
  }
  const QByteArray target = QFile::encodeName(path);
  std::string temporary;
  errno = 0;
  FILE* file = AtomicFileOpen(target.constData(), &temporary);
  if (!file) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno ? errno : EACCES));
    return false;
  }
  if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file) !=
      static_cast<size_t>(bytes.size())) {
    const int saved = errno;
    AtomicFileDiscard(file, temporary);
    if (error) *error = QString::fromLocal8Bit(std::strerror(saved ? saved : EIO));
    return false;
  }
  errno = 0;
  if (!AtomicFileCommit(file, temporary, target.constData())) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    return false;
  }
  return true;
}

#include "AssessmentReport.moc"
