// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The inputs as the pages hold them: the description, the aquifer and the
// contaminants assessed.
#include <QCoreApplication>
#include <cmath>

#include "engine/core/dispersivity.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/lambdainterval.h"
#include "report/ReportSection.h"

namespace {

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

const char* redoxWords(int condition) {
  static const char* const kWords[kRedoxConditionCount] = {
      QT_TRANSLATE_NOOP("ReportInputs", "unknown or variable"),
      QT_TRANSLATE_NOOP("ReportInputs", "aerobic"),
      QT_TRANSLATE_NOOP("ReportInputs", "anaerobic, nitrate-reducing (NO3)"),
      QT_TRANSLATE_NOOP("ReportInputs", "anaerobic, iron-reducing (Fe)"),
      QT_TRANSLATE_NOOP("ReportInputs", "anaerobic, sulfate-reducing (SO4)"),
      QT_TRANSLATE_NOOP("ReportInputs", "anaerobic, mixed plumes"),
      QT_TRANSLATE_NOOP("ReportInputs", "anaerobic, methanogenic (CH4)"),
  };
  return condition >= 0 && condition < kRedoxConditionCount ? kWords[condition]
                                                            : QT_TRANSLATE_NOOP("ReportInputs", "not chosen");
}

// Where the decay constant in use comes from, in words. A user constant
// still the one taken from the site's wells is named as theirs, with the
// source recorded when it was taken.
QString decayOrigin(const Project& project, const Contaminant& c) {
  if (ActiveLambdaInterval(project, c)) {
    const std::string source = LambdaSourceOf(virelo_SettingsOf(project), c.name);
    return source.empty() ? QCoreApplication::translate("ReportInputs", "from the wells")
                          : QCoreApplication::translate("ReportInputs", "from the wells, %1")
                                .arg(esc(QString::fromStdString(source)));
  }
  if (c.lambdaSelected == kLambdaUser) return QCoreApplication::translate("ReportInputs", "user-defined");
  const int redox = redoxOfPreset(c.lambdaSelected);
  if (redox < 0)
    return QStringLiteral("<i>%1</i>").arg(QCoreApplication::translate("ReportInputs", "none chosen"));
  if (!usesPreset(c))
    return QStringLiteral("<i>%1</i>")
        .arg(
            QCoreApplication::translate("ReportInputs", "no preset for %1").arg(RedoxShortWordsShown(redox)));
  return QCoreApplication::translate("ReportInputs", "preset, %1").arg(RedoxShortWordsShown(redox));
}

void description(ReportContext& report) {
  report.heading(2, QCoreApplication::translate("ReportInputs", "Description"));
  const QString text =
      QString::fromStdString(ProjectTextUtf8(report.project(), ProjectTextField::kDescription)).trimmed();
  if (text.isEmpty()) {
    report.add(QStringLiteral("<p><i>%1</i></p>")
                   .arg(QCoreApplication::translate("ReportInputs", "No description.")));
    return;
  }
  QString body = esc(text);
  body.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
  body.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  report.add(QStringLiteral("<p>%1</p>").arg(body));
}

void aquifer(ReportContext& report) {
  const Aquifer& a = report.project().aquifer;
  report.heading(2, QCoreApplication::translate("ReportInputs", "Aquifer"));
  report.openTable(tableStart());
  report.add(QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\">%1</th><th "
                            "align=\"left\">%2</th><th align=\"left\">%3</th><th "
                            "align=\"left\">%4</th></tr></thead>")
                 .arg(QCoreApplication::translate("ReportInputs", "Input"),
                      QCoreApplication::translate("ReportInputs", "Symbol"),
                      QCoreApplication::translate("ReportInputs", "Value"),
                      QCoreApplication::translate("ReportInputs", "Unit")));
  struct Line {
    const char* label;
    const char* symbol;
    int bit;
    double value;
    const char* format;
    const char* unit;
  };
  const Line lines[] = {
      {QT_TRANSLATE_NOOP("ReportInputs", "Distance source - receptor"), "x", kAquiferX, a.distanceX, "%.2f",
       "m"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Hydraulic conductivity"), "Kf", kAquiferKf, a.conductivityKf,
       "%.9f", "m/d"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Hydraulic gradient"), "i", kAquiferI, a.gradientI, "%.7f", "-"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Effective porosity"), "ne", kAquiferNe, a.porosityNe, "%.3f", "-"},
      // The model reads Sy as half the width across the flow: the report
      // gives the width a site report gives.
      {QT_TRANSLATE_NOOP("ReportInputs", "Source width across the flow"), "W = 2 Sy", kAquiferSy,
       2.0 * a.sourceThicknessSy, "%.2f", "m"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Source thickness below the water table"), "Sz", kAquiferSz,
       a.sourceWidthSz, "%.2f", "m"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Longitudinal dispersivity"), "ax", kAquiferAx, a.dispersivityAx,
       "%.3f", "m"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Horizontal transverse dispersivity (across the flow)"), "ay",
       kAquiferAy, a.dispersivityAy, "%.3f", "m"},
      {QT_TRANSLATE_NOOP("ReportInputs", "Vertical dispersivity (over the thickness)"), "az", kAquiferAz,
       a.dispersivityAz, "%.3f", "m"},
  };
  for (const Line& line : lines) {
    const QString value =
        (a.setMask & line.bit)
            ? report.num(fieldValue(line.value, line.format))
            : QStringLiteral("<i>%1</i>").arg(QCoreApplication::translate("ReportInputs", "not entered"));
    report.add(QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                   .arg(QCoreApplication::translate("ReportInputs", line.label), QLatin1String(line.symbol),
                        value, QLatin1String(line.unit)));
  }
  // The symbol ("W = 2 Sy"), the value and its unit each stay on one line.
  report.closeTable(QStringLiteral("wnnn"));
  report.add(
      QStringLiteral("<p>%1</p>")
          .arg(QCoreApplication::translate("ReportInputs", "Dispersivities: %1.<br>Redox condition: %2.")
                   .arg(report.project().approximateDispersivity
                            ? QCoreApplication::translate(
                                  "ReportInputs",
                                  "approximated from x (ax = x/10, ay = ax/10, az = ay/10, each to three "
                                  "decimals)")
                            : QCoreApplication::translate("ReportInputs",
                                                          "entered by the user, not approximated from x"),
                        QCoreApplication::translate("ReportInputs", redoxWords(a.redoxCondition)))));
  // The results rest on the stored values; say so loudly should they not
  // be the ones x gives.
  if (report.project().approximateDispersivity && (a.setMask & kAquiferX) && std::isfinite(a.distanceX) &&
      a.distanceX > 0) {
    double ax = 0, ay = 0, az = 0;
    virelo_DispersivitiesFromX(a.distanceX, &ax, &ay, &az);
    if (ax != a.dispersivityAx || ay != a.dispersivityAy || az != a.dispersivityAz)
      report.add(
          QStringLiteral("<p><font color=\"#b00000\">%1</font></p>")
              .arg(QCoreApplication::translate(
                       "ReportInputs",
                       "<b>Note:</b> the dispersivities used differ from those x gives (ax = %1, ay = %2, "
                       "az = %3 m); open and save the project to bring them up to date.")
                       .arg(report.num(fieldValue(ax, "%.3f")), report.num(fieldValue(ay, "%.3f")),
                            report.num(fieldValue(az, "%.3f")))));
  }
}

void contaminants(ReportContext& report) {
  report.heading(2, QCoreApplication::translate("ReportInputs", "Contaminants"));
  std::vector<int> assessed;
  for (int k = 0; k < report.project().contaminantCount; ++k)
    if (report.project().contaminants[k].assess) assessed.push_back(k);
  if (assessed.empty()) {
    report.add(
        QStringLiteral("<p><i>%1</i></p>")
            .arg(QCoreApplication::translate("ReportInputs", "No contaminant is marked for assessment.")));
    return;
  }
  report.lead(
      QStringLiteral("<p>%1</p>")
          .arg(QCoreApplication::translate(
                   "ReportInputs",
                   "C0 and CA in %1; decay constants in 1/d. Assessed: PL the plume length, AF the "
                   "attenuation factor. Decay constant from: the database preset for a redox condition, the "
                   "site's wells, or user-defined. The literature plume length is the 75th percentile of "
                   "observed plumes, with the number of literature entries in brackets.")
                   .arg(report.unit())));
  report.openTable(tableStart());
  report.add(
      QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"19%\">%2</th><th "
                     "align=\"left\" width=\"8%\">%3</th><th align=\"left\" width=\"12%\">C0 [%1]</th><th "
                     "align=\"left\" width=\"12%\">CA [%1]</th><th align=\"left\" width=\"10%\">%4</th>"
                     "<th align=\"left\" width=\"24%\">%5</th><th align=\"left\" "
                     "width=\"15%\">%6</th></tr></thead>")
          .arg(report.unit(), QCoreApplication::translate("ReportInputs", "Contaminant"),
               QCoreApplication::translate("ReportInputs", "Assessed"),
               QCoreApplication::translate("ReportInputs", "Decay constant [1/d]"),
               QCoreApplication::translate("ReportInputs", "Decay constant from"),
               QCoreApplication::translate("ReportInputs", "Literature plume length [m]")));
  for (int k : assessed) {
    const Contaminant& c = report.project().contaminants[k];
    QString what;
    if (c.assess & kAssessPlumeLength) what += QStringLiteral("PL");
    if (c.assess & kAssessAttenuationFactor)
      what += what.isEmpty() ? QStringLiteral("AF") : QStringLiteral(", AF");
    const QString notEntered =
        QStringLiteral("<i>%1</i>").arg(QCoreApplication::translate("ReportInputs", "not entered"));
    double lambda = 0.0;
    const bool hasLambda =
        virelo_GetLambda(&c, &lambda) &&
        (c.lambdaSelected == kLambdaUser ? (c.lambdaMask & kLambdaUser) != 0 : usesPreset(c));
    QString literature =
        QStringLiteral("<i>%1</i>").arg(QCoreApplication::translate("ReportInputs", "not known"));
    if (c.valueMask & kValueLiteraturePlumeLength) {
      literature = report.num(QString::asprintf("%.2f", c.literaturePlumeLength));
      if (c.valueMask & kValueLiteratureEntries)
        literature += QString::asprintf(" (%d)", static_cast<int>(c.literatureEntries));
    }
    report.add(QStringLiteral(
                   "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                   .arg(contaminantName(report.project(), c.name), what,
                        (c.valueMask & kValueC0) ? report.num(QString::asprintf("%.6f", c.c0)) : notEntered,
                        (c.valueMask & kValueCa) ? report.num(QString::asprintf("%.6f", c.ca)) : notEntered,
                        hasLambda ? report.num(QString::asprintf("%.6f", lambda)) : notEntered,
                        decayOrigin(report.project(), c), literature));
  }
  // Names and the origin of a decay constant wrap; what is assessed, the
  // values and a literature length with its count of entries do not.
  report.closeTable(QStringLiteral("wnnnnwn"));
}

}  // namespace

void WriteInputsSection(ReportContext& report) {
  description(report);
  aquifer(report);
  contaminants(report);
}
