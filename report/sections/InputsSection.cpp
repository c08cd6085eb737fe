// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The inputs as the pages hold them: the description, the aquifer and the
// contaminants assessed.
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

// Where the decay constant in use comes from, in words. A user constant
// still the one taken from the site's wells is named as theirs, with the
// source recorded when it was taken.
QString decayOrigin(const Project& project, const Contaminant& c) {
  if (ActiveLambdaInterval(project, c)) {
    const std::string source = LambdaSourceOf(virelo_SettingsOf(project), c.name);
    return source.empty() ? QStringLiteral("from the wells")
                          : QStringLiteral("from the wells, ") + esc(QString::fromStdString(source));
  }
  if (c.lambdaSelected == kLambdaUser) return QStringLiteral("user-defined");
  const int redox = redoxOfPreset(c.lambdaSelected);
  if (redox < 0) return QStringLiteral("<i>none chosen</i>");
  if (!usesPreset(c))
    return QStringLiteral("<i>no preset for %1</i>").arg(QLatin1String(redoxShortWords(redox)));
  return QStringLiteral("preset, %1").arg(QLatin1String(redoxShortWords(redox)));
}

void description(ReportContext& report) {
  report.heading(2, QStringLiteral("Description"));
  const QString text =
      QString::fromStdString(ProjectTextUtf8(report.project(), ProjectTextField::kDescription)).trimmed();
  if (text.isEmpty()) {
    report.add(QStringLiteral("<p><i>No description.</i></p>"));
    return;
  }
  QString body = esc(text);
  body.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
  body.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  report.add(QStringLiteral("<p>%1</p>").arg(body));
}

void aquifer(ReportContext& report) {
  const Aquifer& a = report.project().aquifer;
  report.heading(2, QStringLiteral("Aquifer"));
  report.openTable(tableStart());
  report.add(
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
      // The model reads Sy as half the width across the flow: the report
      // gives the width a site report gives.
      {"Source width across the flow", "W = 2 Sy", kAquiferSy, 2.0 * a.sourceThicknessSy, "%.2f", "m"},
      {"Source thickness below the water table", "Sz", kAquiferSz, a.sourceWidthSz, "%.2f", "m"},
      {"Longitudinal dispersivity", "ax", kAquiferAx, a.dispersivityAx, "%.3f", "m"},
      {"Horizontal transverse dispersivity (across the flow)", "ay", kAquiferAy, a.dispersivityAy, "%.3f",
       "m"},
      {"Vertical dispersivity (over the thickness)", "az", kAquiferAz, a.dispersivityAz, "%.3f", "m"},
  };
  for (const Line& line : lines) {
    const QString value =
        (a.setMask & line.bit) ? fieldValue(line.value, line.format) : QStringLiteral("<i>not entered</i>");
    report.add(
        QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
            .arg(QLatin1String(line.label), QLatin1String(line.symbol), value, QLatin1String(line.unit)));
  }
  // The symbol ("W = 2 Sy"), the value and its unit each stay on one line.
  report.closeTable(QStringLiteral("wnnn"));
  report.add(
      QStringLiteral("<p>Dispersivities: %1.<br>Redox condition: %2.</p>")
          .arg(report.project().approximateDispersivity
                   ? QStringLiteral("approximated from x (ax = x/10, ay = ax/10, az = ay/10, each to three "
                                    "decimals)")
                   : QStringLiteral("entered by the user, not approximated from x"),
               QLatin1String(redoxWords(a.redoxCondition))));
  // The results rest on the stored values; say so loudly should they not
  // be the ones x gives.
  if (report.project().approximateDispersivity && (a.setMask & kAquiferX) && std::isfinite(a.distanceX) &&
      a.distanceX > 0) {
    double ax = 0, ay = 0, az = 0;
    virelo_DispersivitiesFromX(a.distanceX, &ax, &ay, &az);
    if (ax != a.dispersivityAx || ay != a.dispersivityAy || az != a.dispersivityAz)
      report.add(
          QStringLiteral(
              "<p><font color=\"#b00000\"><b>Note:</b> the dispersivities used differ from those x gives (ax "
              "= "
              "%1, ay = %2, az = %3 m); open and save the project to bring them up to date.</font></p>")
              .arg(fieldValue(ax, "%.3f"), fieldValue(ay, "%.3f"), fieldValue(az, "%.3f")));
  }
}

void contaminants(ReportContext& report) {
  report.heading(2, QStringLiteral("Contaminants"));
  std::vector<int> assessed;
  for (int k = 0; k < report.project().contaminantCount; ++k)
    if (report.project().contaminants[k].assess) assessed.push_back(k);
  if (assessed.empty()) {
    report.add(QStringLiteral("<p><i>No contaminant is marked for assessment.</i></p>"));
    return;
  }
  report.lead(
      QStringLiteral(
          "<p>C0 and CA in %1; decay constants in 1/d. "
          "Assessed: PL the plume length, AF the attenuation factor. Decay constant from: "
          "the database preset for a redox condition, the site's wells, or user-defined. The literature "
          "plume "
          "length is the 75th percentile of observed plumes, with the number of literature "
          "entries in brackets.</p>")
          .arg(report.unit()));
  report.openTable(tableStart());
  report.add(QStringLiteral(
                 "<thead><tr bgcolor=\"#e8e8e8\"><th align=\"left\" width=\"19%\">Contaminant</th><th "
                 "align=\"left\" width=\"8%\">Assessed</th><th align=\"left\" width=\"12%\">C0 [%1]</th><th "
                 "align=\"left\" width=\"12%\">CA [%1]</th><th align=\"left\" width=\"10%\">Decay constant "
                 "[1/d]</th><th align=\"left\" width=\"24%\">Decay constant from</th><th align=\"left\" "
                 "width=\"15%\">Literature plume length [m]</th></tr></thead>")
                 .arg(report.unit()));
  for (int k : assessed) {
    const Contaminant& c = report.project().contaminants[k];
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
    report.add(QStringLiteral(
                   "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                   .arg(contaminantName(report.project(), c.name), what,
                        (c.valueMask & kValueC0) ? QString::asprintf("%.6f", c.c0) : notEntered,
                        (c.valueMask & kValueCa) ? QString::asprintf("%.6f", c.ca) : notEntered,
                        hasLambda ? QString::asprintf("%.6f", lambda) : notEntered,
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
