// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Where each database value the project uses comes from: the literature
// source the bundled database records for it, or a note that the project's
// value is not the bundled one and so has no recorded source.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <map>

#include "engine/project/extras.h"
#include "engine/project/recordtext.h"
#include "engine/project/transport.h"
#include "engine/uncertainty/lambdainterval.h"
#include "persistence/csv.h"
#include "report/ReportSection.h"

namespace {

using DatabaseRow = std::map<QString, QString>;

// The bundled database's literature table by contaminant name (read once,
// with the same reader that imports such tables).
const std::map<QString, DatabaseRow>& bundledDatabase() {
  static const std::map<QString, DatabaseRow> rows = [] {
    std::map<QString, DatabaseRow> table;
    QFile file(QStringLiteral(":/virelo/generic-contaminants.csv"));
    if (!file.open(QIODevice::ReadOnly)) return table;
    const QByteArray bytes = file.readAll();
    const CsvTable csv = ParseCsv(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (csv.records.empty()) return table;
    const std::vector<std::string>& header = csv.records.front().fields;
    for (size_t r = 1; r < csv.records.size(); ++r) {
      const std::vector<std::string>& fields = csv.records[r].fields;
      DatabaseRow row;
      for (size_t c = 0; c < header.size() && c < fields.size(); ++c)
        row[QString::fromStdString(header[c])] = QString::fromStdString(fields[c]);
      const QString name = row[QStringLiteral("name")];
      if (!name.isEmpty()) table[name] = row;
    }
    return table;
  }();
  return rows;
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

// The literature table names each decay constant by its column; the reader
// knows the redox condition, named as the aquifer page names it.
QString inWords(QString source) {
  for (int k = 0; k < kRedoxConditionCount; ++k) {
    const QLatin1String column(lambdaColumn(kRedoxConditions[k].lambdaBit));
    // The label is the report's; a column named inside the database's
    // English source text keeps the English words of its sentence.
    const QLatin1String words(redoxShortWords(k));
    source.replace(
        column + QLatin1Char(':'),
        QCoreApplication::translate("ReportSources", "Decay constant, %1:").arg(RedoxShortWordsShown(k)));
    source.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(column)), words);
  }
  return source;
}

bool sameValue(const QString& cell, double value) {
  bool ok = false;
  const double bundled = cell.toDouble(&ok);
  return ok && std::fabs(bundled - value) <= 1e-12 * std::max(1.0, std::fabs(value));
}

QString noSourceWords() {
  return QCoreApplication::translate("ReportSources", "no source recorded");
}

// Where each user-defined decay constant in use comes from, as the user
// recorded it with the project.
void userDefinedSources(ReportContext& report) {
  const Project& project = report.project();
  const ProjectSettings& settings = virelo_SettingsOf(project);
  QString items;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    double lambda = 0.0;
    if (!c.assess || c.lambdaSelected != kLambdaUser || !(c.lambdaMask & kLambdaUser) ||
        !virelo_GetLambda(&c, &lambda))
      continue;
    const std::string source = LambdaSourceOf(settings, c.name);
    QString credit = source.empty() ? QStringLiteral("<i>%1</i>").arg(noSourceWords())
                                    : QCoreApplication::translate("ReportSources", "source: %1")
                                          .arg(esc(QString::fromStdString(source)));
    // The recorded source told where an earlier value came from.
    if (const SiteLambdaInterval* wells = SupersededLambdaInterval(project, c))
      credit =
          QCoreApplication::translate("ReportSources",
                                      "entered by hand; the recorded source (%1) gave %2 1/d")
              .arg(esc(QString::fromStdString(source)), report.num(QString::asprintf("%.6f", wells->lambda)));
    const QString what = ActiveLambdaInterval(project, c)
                             ? QCoreApplication::translate("ReportSources", "decay constant from the wells")
                             : QCoreApplication::translate("ReportSources", "user-defined decay constant");
    items += QStringLiteral("<li><b>%1</b>: %2 %3 1/d; %4</li>")
                 .arg(contaminantName(report.project(), c.name), what,
                      report.num(QString::asprintf("%.6f", lambda)), credit);
  }
  if (!items.isEmpty())
    report.add(
        QStringLiteral("<p>%1</p><ul>%2</ul>")
            .arg(QCoreApplication::translate("ReportSources", "User-defined decay constants:"), items));
}

// Where each Koc in use comes from: the text the user recorded with it, or
// the bundled table's source when the value is the table's.
void sorptionSources(ReportContext& report) {
  const Project& project = report.project();
  const TransportInputs& transport = TransportOf(project);
  const auto& bundled = bundledDatabase();
  QString items;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    const ContaminantTransport& t = ContaminantTransportOf(transport, c.name);
    if (!c.assess || !t.koc) continue;
    QString credit = t.kocSource.empty() ? QString() : esc(QString::fromStdString(t.kocSource));
    if (credit.isEmpty()) {
      const auto found = bundled.find(QString::fromStdString(RecordTextToUtf8(c.name)));
      if (found != bundled.end()) {
        const auto koc = found->second.find(QStringLiteral("koc"));
        const auto source = found->second.find(QStringLiteral("kocSource"));
        if (koc != found->second.end() && sameValue(koc->second, *t.koc) && source != found->second.end())
          credit =
              QCoreApplication::translate("ReportSources", "%1 (bundled database)").arg(esc(source->second));
      }
    }
    if (credit.isEmpty()) credit = QStringLiteral("<i>%1</i>").arg(noSourceWords());
    items += QStringLiteral("<li><b>%1</b>: Koc %2 L/kg; %3</li>")
                 .arg(record(c.name), report.num(QString::number(*t.koc, 'g', 6)), credit);
  }
  if (!items.isEmpty())
    report.add(
        QStringLiteral("<p>%1</p><ul>%2</ul>")
            .arg(QCoreApplication::translate("ReportSources", "Organic-carbon partition coefficients:"),
                 items));
}

// A contaminant's entry: its name, the parts of its source (split at the
// semicolons between them) and a note of values that differ.
struct SourceEntry {
  QString name;
  QString head;  // the citation its first part opens with, when others share it
  QStringList parts;
  QString note;
};

// The source's parts, split at "; " outside brackets.
QStringList sourceParts(const QString& source) {
  QStringList parts;
  int depth = 0;
  qsizetype from = 0;
  for (qsizetype k = 0; k < source.size(); ++k) {
    const QChar c = source[k];
    if (c == QLatin1Char('(')) ++depth;
    if (c == QLatin1Char(')') && depth > 0) --depth;
    if (depth == 0 && c == QLatin1Char(';') && k + 1 < source.size() && source[k + 1] == QLatin1Char(' ')) {
      parts << source.mid(from, k - from);
      from = k + 2;
    }
  }
  parts << source.mid(from);
  return parts;
}

// The citation a part opens with: the text up to its last ": " outside
// brackets ("Suarez and Rifai 1999 (...), Tabel 5 (k in 1/d)"), when it is
// long enough to be worth writing once.
QString citationOf(const QString& part) {
  int depth = 0;
  qsizetype colon = -1;
  for (qsizetype k = 0; k + 1 < part.size(); ++k) {
    if (part[k] == QLatin1Char('(')) ++depth;
    if (part[k] == QLatin1Char(')') && depth > 0) --depth;
    if (depth == 0 && part[k] == QLatin1Char(':') && part[k + 1] == QLatin1Char(' ')) colon = k;
  }
  return colon >= 60 ? part.left(colon) : QString();
}

// Contaminants from one literature table share its long citation and
// often whole parts (the plume length of their group): each such text is
// written once, naming the contaminants it serves, and each contaminant's
// own entry keeps what is its alone.
void writeSourceEntries(ReportContext& report, std::vector<SourceEntry> entries) {
  std::map<QString, int> uses;
  for (SourceEntry& e : entries) {
    if (!e.parts.isEmpty()) {
      const QString head = citationOf(e.parts.front());
      if (!head.isEmpty()) ++uses[QStringLiteral("head:") + head];
    }
    for (const QString& part : e.parts) ++uses[QStringLiteral("part:") + part];
  }
  // Shared texts by the names that share them, in the order first met.
  std::vector<std::pair<QStringList, QStringList>> shared;
  auto share = [&shared](const QString& text, const QStringList& names) {
    for (auto& [who, texts] : shared)
      if (who == names) {
        if (!texts.contains(text)) texts << text;
        return;
      }
    shared.push_back({names, {text}});
  };
  auto namesOf = [&entries](const std::function<bool(const SourceEntry&)>& has) {
    QStringList names;
    for (const SourceEntry& e : entries)
      if (has(e)) names << QStringLiteral("<b>%1</b>").arg(e.name);
    return names;
  };
  for (SourceEntry& e : entries) {
    if (e.parts.isEmpty()) continue;
    const QString head = citationOf(e.parts.front());
    if (!head.isEmpty() && uses[QStringLiteral("head:") + head] > 1) {
      share(QCoreApplication::translate("ReportSources", "%1, each contaminant's values in its entry below")
                .arg(head),
            namesOf([&head](const SourceEntry& o) {
              return !o.parts.isEmpty() && citationOf(o.parts.front()) == head;
            }));
      e.head = head;
    }
  }
  // Who shares a part is read from the parts as they were, before any
  // entry gives up its shared ones.
  const std::vector<SourceEntry> whole = entries;
  auto sharing = [&whole](const QString& part) {
    QStringList names;
    for (const SourceEntry& o : whole)
      if (o.parts.contains(part)) names << QStringLiteral("<b>%1</b>").arg(o.name);
    return names;
  };
  for (SourceEntry& e : entries) {
    QStringList own;
    for (qsizetype k = 0; k < e.parts.size(); ++k) {
      const QString& part = e.parts[k];
      if (uses[QStringLiteral("part:") + part] > 1) {
        share(part, sharing(part));
        continue;
      }
      own << (k == 0 && !e.head.isEmpty() ? part.mid(e.head.size() + 2) : part);
    }
    e.parts = own;
  }
  for (const auto& [names, texts] : shared)
    report.add(QStringLiteral("<li>%1: %2</li>")
                   .arg(names.join(QStringLiteral(", ")), texts.join(QStringLiteral("; "))));
  for (const SourceEntry& e : entries) {
    const QString text = (e.parts.join(QStringLiteral("; ")) + e.note).trimmed();
    if (!text.isEmpty()) report.add(QStringLiteral("<li><b>%1</b>: %2</li>").arg(e.name, text));
  }
}

// The parts of a database source that speak of values the project uses: a
// part labelled with a redox condition's column ("lambdaAerobic: ...") only
// for the preset in use, the plume length's part only where it is shown.
// Unlabelled parts (the table the entered values come from) stay.
QStringList usedParts(const QString& source, int presetBit, bool literature) {
  QStringList kept;
  for (const QString& part : sourceParts(source)) {
    bool other = false;
    for (int k = 0; k < kRedoxConditionCount; ++k) {
      const int bit = kRedoxConditions[k].lambdaBit;
      if (bit != presetBit && part.startsWith(QLatin1String(lambdaColumn(bit)) + QLatin1Char(':')))
        other = true;
    }
    if (!literature && part.startsWith(QLatin1String("Plume length:"))) other = true;
    if (!other) kept << esc(inWords(part));
  }
  return kept;
}

}  // namespace

void WriteSourcesSection(ReportContext& report) {
  const Project& project = report.project();
  report.heading(3, QCoreApplication::translate("ReportSources", "Sources of the database values used"),
                 "sources");
  const auto& bundled = bundledDatabase();
  bool any = false;
  std::vector<SourceEntry> entries;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (!c.assess) continue;
    const bool preset = usesPreset(c);
    const bool literature = c.valueMask & kValueLiteraturePlumeLength;
    if (!preset && !literature) continue;
    any = true;
    const QString name = QString::fromStdString(RecordTextToUtf8(c.name));
    const auto found = bundled.find(name);
    SourceEntry entry{esc(name), {}, {}, {}};
    if (found == bundled.end()) {
      entry.note = QCoreApplication::translate(
          "ReportSources", "not in the bundled database; no source is recorded for its values.");
    } else {
      const DatabaseRow& cells = found->second;
      QStringList differ;
      double lambda = 0.0;
      if (preset && virelo_GetLambda(&c, &lambda)) {
        const auto cell = cells.find(QLatin1String(lambdaColumn(c.lambdaSelected)));
        if (cell == cells.end() || !sameValue(cell->second, lambda))
          differ << QCoreApplication::translate("ReportSources", "the decay constant");
      }
      if (literature) {
        const auto cell = cells.find(QStringLiteral("literaturePlumeLength"));
        if (cell == cells.end() || !sameValue(cell->second, c.literaturePlumeLength))
          differ << QCoreApplication::translate("ReportSources", "the literature plume length");
      }
      const auto source = cells.find(QStringLiteral("source"));
      if (source != cells.end() && !source->second.trimmed().isEmpty())
        entry.parts = usedParts(source->second, preset ? c.lambdaSelected : 0, literature);
      else
        entry.note = QCoreApplication::translate("ReportSources",
                                                 "the bundled database records no source for its values.");
      if (!differ.isEmpty())
        entry.note +=
            QLatin1Char(' ') +
            QCoreApplication::translate("ReportSources",
                                        "<b>Note:</b> %1 in this project differ(s) from the bundled "
                                        "database; no source is recorded for the value used.")
                .arg(differ.join(QCoreApplication::translate("ReportSources", " and ")));
    }
    entries.push_back(std::move(entry));
  }
  if (any) {
    report.add(QStringLiteral("<ul>"));
    writeSourceEntries(report, std::move(entries));
    report.add(QStringLiteral("</ul>"));
  }
  if (!any && project.resultCount > 0)
    report.add(
        QStringLiteral("<p>%1</p>")
            .arg(QCoreApplication::translate("ReportSources",
                                             "No database value is used: every decay constant in use is "
                                             "user-defined and no literature plume length is known.")));
  else if (!any)
    report.add(QStringLiteral("<p>%1</p>")
                   .arg(QCoreApplication::translate(
                       "ReportSources", "No database value is used: no contaminant is assessed.")));
  userDefinedSources(report);
  sorptionSources(report);
}
