#include "tools/cli/cli.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "diagnostics/util.h"
#include "engine/assessment.h"
#include "engine/calc.h"
#include "engine/validation.h"
#include "persistence/database.h"
#include "persistence/projectfile.h"
#include "tools/cli/csv.h"

namespace {

// Database columns of the decay constants, in CSV order, with their bits.
struct LambdaColumn {
  const char* name;
  uint16_t bit;
};
constexpr LambdaColumn kLambdaColumns[] = {
    {"lambdaUnknown", kLambdaUnknown}, {"lambdaAerobic", kLambdaAerobic},
    {"lambdaNitrate", kLambdaNitrate}, {"lambdaIron", kLambdaIron},
    {"lambdaSulfate", kLambdaSulfate}, {"lambdaMixedPlumes", kLambdaMixedPlumes},
    {"lambdaMethane", kLambdaMethane},
};

// "%.17g", independent of the C locale: 17 significant digits read back as
// the same double.
std::string FormatDouble(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

// ---------------------------------------------------------------------------
// Command line

struct Options {
  std::string command;
  std::vector<std::string> files;
  int plumeRange = 0;
  int afRange = 0;
  bool csv = false;
};

bool ParseRangeIndex(const std::string& text, int* index) {
  if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kAssessmentRangeCount) return false;
  *index = text[0] - '0';
  return true;
}

int UsageError(const std::string& message, std::ostream& err) {
  err << "virelo-cli: " << message << "\n\n" << CliUsage();
  return kCliUsage;
}

// ---------------------------------------------------------------------------
// assess

struct AssessRow {
  std::string name;  // UTF-8
  bool plumeLength;  // else attenuation factor
  AssessmentClass cls;
  const ContaminantResult* result;
  std::vector<ProblemCode> problems;  // aquifer codes first
};

void AppendCodes(std::vector<ProblemCode>* codes, const ProblemCode* array, int count) {
  // A check whose array could not be allocated still counts its problems;
  // there are then no codes to list.
  if (!array) return;
  for (int k = 0; k < count; ++k) codes->push_back(array[k]);
}

std::vector<AssessRow> CollectRows(const Project& project, AssessmentRange plumeRange,
                                   AssessmentRange afRange) {
  std::vector<AssessRow> plume, af;
  for (int k = 0; k < project.resultCount; ++k) {
    const ContaminantResult& r = project.results[k];
    if (r.contaminantIndex < 0 || r.contaminantIndex >= project.contaminantCount) continue;
    const Contaminant& c = project.contaminants[r.contaminantIndex];
    const std::string name = Latin1ToUtf8(c.name);
    if (c.assess & kAssessPlumeLength) {
      AssessRow row{name, true, AssessmentClass::Problems, &r, {}};
      if (HasPlumeLengthProblems(r)) {
        AppendCodes(&row.problems, r.plAquiferProblems, r.plAquiferProblemCount);
        AppendCodes(&row.problems, r.plContaminantProblems, r.plContaminantProblemCount);
      } else {
        row.cls = ClassifyPlumeLength(r.plumeLengthRatio, plumeRange);
      }
      plume.push_back(std::move(row));
    }
    if (c.assess & kAssessAttenuationFactor) {
      AssessRow row{name, false, AssessmentClass::Problems, &r, {}};
      if (HasAttenuationFactorProblems(r)) {
        AppendCodes(&row.problems, r.afAquiferProblems, r.afAquiferProblemCount);
        AppendCodes(&row.problems, r.afContaminantProblems, r.afContaminantProblemCount);
      } else {
        row.cls = ClassifyAttenuationFactor(r.sourceRatio, afRange);
      }
      af.push_back(std::move(row));
    }
  }
  plume.insert(plume.end(), std::make_move_iterator(af.begin()), std::make_move_iterator(af.end()));
  return plume;
}

// Display width of a UTF-8 text: one column per character.
size_t Columns(const std::string& utf8) {
  return static_cast<size_t>(std::count_if(
      utf8.begin(), utf8.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& text, size_t width) {
  const size_t used = Columns(text);
  return used >= width ? text : text + std::string(width - used, ' ');
}

std::string Printf(const char* format, double a, double b = 0.0) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

void WriteTableSection(const std::vector<AssessRow>& rows, bool plumeLength, size_t nameWidth,
                       std::ostream& out) {
  const char* valueHeader = plumeLength ? "d [m]" : "AF";
  const char* ratioHeader = plumeLength ? "d/x" : "C/C0";
  const size_t classWidth = 10, valueWidth = 18;
  out << Pad("Contaminant", nameWidth) << "  " << Pad("Class", classWidth) << Pad(valueHeader, valueWidth)
      << ratioHeader << "\n";
  for (const AssessRow& row : rows) {
    if (row.plumeLength != plumeLength) continue;
    const ContaminantResult& r = *row.result;
    std::string line = Pad(row.name, nameWidth) + "  " + Pad(AssessmentClassName(row.cls), classWidth);
    if (row.cls != AssessmentClass::Problems) {
      if (plumeLength) {
        line += Pad(FormatResultValue(r.plumeLength, "%.2f", "%.2E"), valueWidth) +
                FormatResultValue(r.plumeLengthRatio, "%.7f", "%.4E");
      } else {
        line += Pad(FormatResultValue(r.attenuationFactor, "%.7f", "%.4E"), valueWidth) +
                FormatResultValue(r.sourceRatio, "%.7f", "%.4E");
      }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
    for (ProblemCode code : row.problems) {
      char text[256] = "";
      out << "    problem " << code;
      if (virelo_GetProblemText(code, text)) out << ": " << Latin1ToUtf8(text);
      out << "\n";
    }
  }
}

void WriteTable(const Project& project, const std::vector<AssessRow>& rows, int plumeIndex, int afIndex,
                std::ostream& out) {
  const AssessmentRange pl = kAssessmentRanges[plumeIndex].range;
  const AssessmentRange af = kAssessmentRanges[afIndex].range;
  out << "Project: " << Latin1ToUtf8(project.title) << "\n";
  out << "Plume length range " << plumeIndex << " (" << kAssessmentRanges[plumeIndex].text
      << "): " << Printf("Green d <= %.1f x, ", pl.lower)
      << Printf("Yellow %.1f x < d <= %.1f x, ", pl.lower, pl.upper) << Printf("Red d > %.1f x", pl.upper)
      << "\n";
  out << "Attenuation factor range " << afIndex << " (" << kAssessmentRanges[afIndex].text
      << "): " << Printf("Green C <= %.1f C0, ", af.lower)
      << Printf("Yellow %.1f C0 < C <= %.1f C0, ", af.lower, af.upper) << Printf("Red C > %.1f C0", af.upper)
      << "\n";
  out << "(d plume extension, x distance source-receptor, AF attenuation factor,\n"
         " C acceptable concentration at source = CA x AF, C0 concentration at source)\n";

  if (rows.empty()) {
    out << "\nNo contaminant is marked for assessment.\n";
    return;
  }
  size_t nameWidth = Columns("Contaminant");
  bool anyPlume = false, anyAf = false;
  for (const AssessRow& row : rows) {
    nameWidth = std::max(nameWidth, Columns(row.name));
    (row.plumeLength ? anyPlume : anyAf) = true;
  }
  if (anyPlume) {
    out << "\nPlume length\n";
    WriteTableSection(rows, true, nameWidth, out);
  }
  if (anyAf) {
    out << "\nAttenuation factor\n";
    WriteTableSection(rows, false, nameWidth, out);
  }
}

// A row carries the values of its own assessment only; the other
// assessment's columns, and every value column of a row with problems, stay
// empty, so that an empty cell never passes for a computed 0.
void WriteCsv(const std::vector<AssessRow>& rows, std::ostream& out) {
  out << CsvJoin(AssessCsvColumns()) << "\n";
  for (const AssessRow& row : rows) {
    const ContaminantResult& r = *row.result;
    std::vector<std::string> fields = {row.name, row.plumeLength ? "PL" : "AF", AssessmentClassName(row.cls)};
    fields.resize(AssessCsvColumns().size());
    if (row.cls != AssessmentClass::Problems) {
      if (row.plumeLength) {
        fields[3] = FormatDouble(r.plumeLength);
        fields[4] = FormatDouble(r.plumeLengthRatio);
      } else {
        fields[5] = FormatDouble(r.relativeConcentration);
        fields[6] = FormatDouble(r.attenuationFactor);
        fields[7] = FormatDouble(r.receptorConcentration);
        fields[8] = FormatDouble(r.acceptableSourceConcentration);
        fields[9] = FormatDouble(r.sourceRatio);
      }
    }
    std::string codes;
    for (ProblemCode code : row.problems) {
      if (!codes.empty()) codes.push_back(' ');
      codes += std::to_string(code);
    }
    fields[10] = codes;
    out << CsvJoin(fields) << "\n";
  }
}

int Assess(const Options& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.files[0];
  Project* project = virelo_LoadProject(path.c_str(), "rb");
  if (!project) {
    std::fflush(stdout);
    err << "virelo-cli: cannot load the project \"" << path << "\"\n";
    return kCliFailed;
  }
  virelo_FreeResults(project);
  if (!virelo_math_CalcAll(project)) {
    std::fflush(stdout);
    err << "virelo-cli: the assessment of \"" << path << "\" could not be completed\n";
    virelo_FreeProject(project);
    return kCliFailed;
  }
  const std::vector<AssessRow> rows = CollectRows(*project, kAssessmentRanges[options.plumeRange].range,
                                                  kAssessmentRanges[options.afRange].range);
  if (options.csv) {
    WriteCsv(rows, out);
  } else {
    WriteTable(*project, rows, options.plumeRange, options.afRange, out);
  }
  out.flush();
  virelo_FreeProject(project);
  return out ? kCliOk : kCliFailed;
}

// ---------------------------------------------------------------------------
// db-export and db-import

int DbExport(const std::string& path, std::ostream& out, std::ostream& err) {
  Project* project = virelo_AllocateProject();
  if (!project) return kCliFailed;
  if (!virelo_LoadDatabaseFile(project, path.c_str(), "virelo-cli db-export")) {
    std::fflush(stdout);
    err << "virelo-cli: cannot load the database \"" << path << "\"\n";
    virelo_FreeProject(project);
    return kCliFailed;
  }
  WriteDatabaseCsv(project->contaminants, project->contaminantCount, out);
  out.flush();
  virelo_FreeProject(project);
  return out ? kCliOk : kCliFailed;
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  *text = buffer.str();
  return true;
}

int DbImport(const std::string& csvPath, const std::string& outPath, std::ostream& err) {
  std::string text;
  if (!ReadWholeFile(csvPath, &text)) {
    err << "virelo-cli: cannot read \"" << csvPath << "\"\n";
    return kCliFailed;
  }
  std::vector<Contaminant> records;
  if (!ReadDatabaseCsv(text, csvPath, &records, err)) {
    err << "virelo-cli: nothing written to \"" << outPath << "\"\n";
    return kCliFailed;
  }
  if (records.empty() || records.size() > 32767) {
    err << "virelo-cli: " << csvPath << ": a database holds 1 to 32767 contaminants, the table has "
        << records.size() << "; nothing written to \"" << outPath << "\"\n";
    return kCliFailed;
  }
  Project* project = virelo_AllocateProject();
  if (!project) return kCliFailed;
  project->contaminants = virelo_AllocateContaminants(static_cast<long>(records.size()));
  if (!project->contaminants) {
    virelo_FreeProject(project);
    return kCliFailed;
  }
  std::memcpy(project->contaminants, records.data(), records.size() * sizeof(Contaminant));
  project->contaminantCount = static_cast<int16_t>(records.size());
  CopyBounded(project->version, kFormatText, sizeof project->version);
  const int saved = virelo_SaveDatabaseFile(project, outPath.c_str(), "virelo-cli db-import");
  virelo_FreeProject(project);
  if (!saved) {
    std::fflush(stdout);
    err << "virelo-cli: cannot write \"" << outPath << "\"\n";
    return kCliFailed;
  }
  return kCliOk;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool ParseDoubleCell(const std::string& cell, double* value) {
  const std::string text = TrimBlanks(cell);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseIntCell(const std::string& cell, int* value) {
  const std::string text = TrimBlanks(cell);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && !text.empty();
}

int GroupCode(const std::string& name) {
  for (const ContaminantGroup* g = kContaminantGroups; g->code != -1; ++g) {
    if (name == g->name) return g->code;
  }
  return -1;
}

}  // namespace

// ---------------------------------------------------------------------------

const std::vector<std::string>& DatabaseCsvColumns() {
  static const std::vector<std::string> columns = {"group",
                                                   "name",
                                                   "literaturePlumeLength",
                                                   "literatureEntries",
                                                   "lambdaUnknown",
                                                   "lambdaAerobic",
                                                   "lambdaNitrate",
                                                   "lambdaIron",
                                                   "lambdaSulfate",
                                                   "lambdaMixedPlumes",
                                                   "lambdaMethane",
                                                   "source"};
  return columns;
}

const std::vector<std::string>& AssessCsvColumns() {
  static const std::vector<std::string> columns = {"name",
                                                   "assessment",
                                                   "class",
                                                   "plumeLength",
                                                   "plumeLengthRatio",
                                                   "relativeConcentration",
                                                   "attenuationFactor",
                                                   "receptorConcentration",
                                                   "acceptableSourceConcentration",
                                                   "sourceRatio",
                                                   "problems"};
  return columns;
}

void WriteDatabaseCsv(const Contaminant* contaminants, int count, std::ostream& out) {
  out << CsvJoin(DatabaseCsvColumns()) << "\n";
  for (int k = 0; k < count; ++k) {
    Contaminant c = contaminants[k];
    const char* group = virelo_GroupName(c.group);
    std::vector<std::string> fields;
    fields.push_back(group ? std::string(group) : std::to_string(c.group));
    fields.push_back(Latin1ToUtf8(std::string(c.name, strnlen(c.name, sizeof c.name))));
    fields.push_back((c.valueMask & kValueLiteraturePlumeLength) ? FormatDouble(c.literaturePlumeLength)
                                                                 : "");
    fields.push_back((c.valueMask & kValueLiteratureEntries) ? std::to_string(c.literatureEntries) : "");
    for (const LambdaColumn& column : kLambdaColumns) {
      fields.push_back((c.lambdaMask & column.bit) ? FormatDouble(*virelo_LambdaField(&c, column.bit)) : "");
    }
    fields.push_back("");  // source: documentation of the literature table only
    out << CsvJoin(fields) << "\n";
  }
}

bool ReadDatabaseCsv(const std::string& text, const std::string& source,
                     std::vector<Contaminant>* contaminants, std::ostream& err) {
  contaminants->clear();
  const CsvTable table = ParseCsv(text);
  int refused = 0;
  auto refuse = [&](int line, const std::string& reason) {
    err << source << ":" << line << ": " << reason << "\n";
    ++refused;
  };
  auto blank = [](const CsvRecord& r) { return r.fields.size() == 1 && TrimBlanks(r.fields[0]).empty(); };

  size_t next = 0;
  while (next < table.records.size() && blank(table.records[next])) ++next;
  if (next == table.records.size()) {
    if (table.ok)
      refuse(1, "no header row");
    else
      refuse(table.errorLine, table.error);
    return false;
  }

  // The header names the columns; their order is free, every column but
  // "source" is required.
  const CsvRecord& header = table.records[next++];
  std::map<std::string, size_t> index;
  for (size_t k = 0; k < header.fields.size(); ++k) {
    const std::string name = TrimBlanks(header.fields[k]);
    const auto& known = DatabaseCsvColumns();
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      refuse(header.line, "unknown column \"" + name + "\"");
    } else if (!index.emplace(name, k).second) {
      refuse(header.line, "column \"" + name + "\" appears twice");
    }
  }
  for (const std::string& name : DatabaseCsvColumns()) {
    if (name != "source" && !index.count(name)) refuse(header.line, "missing column \"" + name + "\"");
  }
  if (refused) return false;

  std::vector<Contaminant> rows;
  for (; next < table.records.size(); ++next) {
    const CsvRecord& record = table.records[next];
    if (blank(record)) continue;
    if (record.fields.size() < header.fields.size()) {
      refuse(record.line, "missing column: " + std::to_string(record.fields.size()) + " of " +
                              std::to_string(header.fields.size()) + " fields");
      continue;
    }
    if (record.fields.size() > header.fields.size()) {
      refuse(record.line, "too many fields: " + std::to_string(record.fields.size()) + " for " +
                              std::to_string(header.fields.size()) + " columns");
      continue;
    }
    auto cell = [&](const char* name) -> const std::string& { return record.fields[index.at(name)]; };

    Contaminant c;
    std::memset(&c, 0, sizeof c);
    bool ok = true;
    const std::string groupName = TrimBlanks(cell("group"));
    const int group = GroupCode(groupName);
    if (group < 0) {
      refuse(record.line, "unknown group \"" + groupName + "\"");
      ok = false;
    }
    c.group = group;

    std::string name;
    if (!Utf8ToLatin1(cell("name"), &name)) {
      refuse(record.line, "the name is not UTF-8 text or holds a character outside Latin-1");
      ok = false;
    } else if (name.find('\0') != std::string::npos) {
      refuse(record.line, "the name holds a zero byte");
      ok = false;
    } else if (name.size() > static_cast<size_t>(kNameCapacity - 1)) {
      refuse(record.line, "the name has " + std::to_string(name.size()) + " characters, at most " +
                              std::to_string(kNameCapacity - 1) + " fit");
      ok = false;
    } else {
      CopyBounded(c.name, name.c_str(), sizeof c.name);
    }

    auto number = [&](const char* column, double* value) {
      if (TrimBlanks(cell(column)).empty()) return false;
      if (ParseDoubleCell(cell(column), value)) return true;
      refuse(record.line, std::string(column) + ": \"" + cell(column) + "\" is not a number");
      ok = false;
      return false;
    };
    double value = 0.0;
    if (number("literaturePlumeLength", &value))
      virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, value);
    if (!TrimBlanks(cell("literatureEntries")).empty()) {
      int entries = 0;
      if (!ParseIntCell(cell("literatureEntries"), &entries) || entries < -32768 || entries > 32767) {
        refuse(record.line, "literatureEntries: \"" + cell("literatureEntries") + "\" is not a whole number");
        ok = false;
      } else {
        virelo_SetContaminantValue(&c, kValueLiteratureEntries, entries);
      }
    }
    for (const LambdaColumn& column : kLambdaColumns) {
      if (number(column.name, &value)) virelo_SetLambda(&c, column.bit, value);
    }
    if (ok) rows.push_back(c);
  }
  if (!table.ok) refuse(table.errorLine, table.error);
  if (refused) return false;
  *contaminants = std::move(rows);
  return true;
}

std::string CliUsage() {
  std::ostringstream text;
  text << "Usage: virelo-cli COMMAND [ARGUMENTS]\n"
          "\n"
          "Commands:\n"
          "  assess FILE.vrp [--plume-range N] [--af-range N] [--csv]\n"
          "      Computes the plume length and attenuation factor of every contaminant\n"
          "      marked for assessment in the project and classifies each result.\n"
          "      N chooses the assessment range (default 0):\n";
  for (int k = 0; k < kAssessmentRangeCount; ++k) {
    text << "        " << k << "   " << kAssessmentRanges[k].text << "\n";
  }
  text << "      --csv writes one CSV row per assessment instead of a table.\n"
          "  db-export FILE.vrc\n"
          "      Writes a contaminant database as CSV to standard output.\n"
          "  db-import FILE.csv OUT.vrc\n"
          "      Writes a contaminant database from CSV; any unreadable row is\n"
          "      reported with its line number and nothing is written.\n"
          "\n"
          "Options:\n"
          "  --help      show this help and exit\n"
          "  --version   show the version and exit\n"
          "\n"
          "Exit status: 0 success, 1 a file could not be read or written,\n"
          "2 the command line could not be understood.\n";
  return text.str();
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  for (size_t k = 1; k < args.size(); ++k) {
    if (args[k] == "--help" || args[k] == "-h") {
      out << CliUsage();
      return kCliOk;
    }
    if (args[k] == "--version") {
      out << "virelo-cli " << VIRELO_VERSION << "\n";
      return kCliOk;
    }
  }
  if (args.size() < 2) return UsageError("no command given", err);

  Options options;
  options.command = args[1];
  if (options.command != "assess" && options.command != "db-export" && options.command != "db-import") {
    return UsageError("unknown command \"" + options.command + "\"", err);
  }
  const bool assess = options.command == "assess";
  for (size_t k = 2; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (assess && (arg.rfind("--plume-range", 0) == 0 || arg.rfind("--af-range", 0) == 0)) {
      const bool plume = arg.rfind("--plume-range", 0) == 0;
      const std::string option = plume ? "--plume-range" : "--af-range";
      std::string value;
      if (arg.size() > option.size()) {
        if (arg[option.size()] != '=') return UsageError("unknown option \"" + arg + "\"", err);
        value = arg.substr(option.size() + 1);
      } else if (k + 1 < args.size()) {
        value = args[++k];
      } else {
        return UsageError(option + " needs a range number", err);
      }
      if (!ParseRangeIndex(value, plume ? &options.plumeRange : &options.afRange)) {
        return UsageError(
            option + " takes 0 to " + std::to_string(kAssessmentRangeCount - 1) + ", not \"" + value + "\"",
            err);
      }
    } else if (assess && arg == "--csv") {
      options.csv = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option \"" + arg + "\"", err);
    } else {
      options.files.push_back(arg);
    }
  }
  const size_t wanted = options.command == "db-import" ? 2 : 1;
  if (options.files.size() != wanted) {
    return UsageError(options.command + " takes " + (wanted == 2 ? "two file names" : "one file name"), err);
  }

  if (assess) return Assess(options, out, err);
  if (options.command == "db-export") return DbExport(options.files[0], out, err);
  return DbImport(options.files[0], options.files[1], err);
}

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args;
  for (int k = 0; k < argc; ++k) args.emplace_back(argv[k] ? argv[k] : "");
  return RunCli(args, out, err);
}
