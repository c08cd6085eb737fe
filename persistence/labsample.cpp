// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/labsample.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "diagnostics/text.h"
#include "engine/project/labunits.h"
#include "persistence/analytenames.h"
#include "persistence/csv.h"

namespace {

// A value in its unit's canonical form. Where the divisor is a power of ten
// (ng/L to ug/L) the decimal point moves in the number as written, so that
// 123.4 ng/L is the double nearest 0.1234 ug/L, as typing 0.1234 would give,
// and not the quotient's 0.12340000000000001.
double InCanonicalUnit(double value, double divisor) {
  int places = 0;
  for (double d = divisor; d >= 10.0 && places < 12; d /= 10.0) ++places;
  if (divisor == 1.0 || std::pow(10.0, places) != divisor) return value / divisor;
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text - 8, value);
  std::string shifted(text, written.ptr);
  shifted += "e-" + std::to_string(places);
  double result = value / divisor;
  std::from_chars(shifted.data(), shifted.data() + shifted.size(), result);
  return result;
}

// A date of the forms read whose year lies before 1900, the first the site
// data hold: said so, rather than called no date at all.
bool BeforeSiteDates(const std::string& date) {
  for (size_t k = 0; k + 4 <= date.size(); ++k) {
    const bool digits =
        std::all_of(date.begin() + static_cast<long>(k), date.begin() + static_cast<long>(k + 4),
                    [](char c) { return c >= '0' && c <= '9'; });
    const bool alone = (k == 0 || !std::isdigit(static_cast<unsigned char>(date[k - 1]))) &&
                       (k + 4 == date.size() || !std::isdigit(static_cast<unsigned char>(date[k + 4])));
    if (digits && alone && std::stoi(date.substr(k, 4)) < 1900) return true;
  }
  return false;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A value cell that says "not detected" without a number: German "n.n."
// (nicht nachweisbar) and "< BG" (below the Bestimmungsgrenze), the like in
// Dutch and English. The number is then the table's detection limit.
bool IsNotDetectedMark(const std::string& text) {
  static const char* const kMarks[] = {"n.n.", "n.n", "nn", "bg",  "ng", "nwg",
                                       "rg",   "aw",  "dl", "lod", "loq"};
  const std::string lower = Lower(text);
  return std::any_of(std::begin(kMarks), std::end(kMarks), [&](const char* mark) { return lower == mark; });
}

}  // namespace

bool IsNotDeterminedMark(const std::string& value) {
  const std::string lower = Lower(TrimBlanks(value));
  for (const char* mark : {"n.b.", "n.b", "n.a.", "n.a", "-", "--"})
    if (lower == mark) return true;
  return false;
}

std::string NotDeterminedNote(int count) {
  return std::to_string(count) + (count == 1 ? " value" : " values") + " not determined (n.b.) " +
         (count == 1 ? "was" : "were") + " skipped";
}

const AnalyteResolver& BundledAnalyteResolver() {
  static const AnalyteResolver resolver = {&BundledAnalyteNames(), nullptr, {}};
  return resolver;
}

bool ParseSiteNumber(std::string text, char separator, double* value) {
  text = TrimBlanks(text);
  if (separator == ';') std::replace(text.begin(), text.end(), ',', '.');
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseSiteFlag(const std::string& cell, bool empty, bool* flag) {
  const std::string text = Lower(TrimBlanks(cell));
  if (text.empty()) return *flag = empty, true;
  for (const char* yes : {"1", "true", "yes", "y", "x", "nd", "<"})
    if (text == yes) return *flag = true, true;
  for (const char* no : {"0", "false", "no", "n"})
    if (text == no) return *flag = false, true;
  return false;
}

std::string QuotedSiteText(const std::string& latin1) {
  std::string quoted(1, '"');
  quoted += RecordTextToUtf8(latin1);
  quoted += '"';
  return quoted;
}

bool ReadLabSample(const LabSampleCells& cells, char separator, const SiteCsvOptions& options,
                   SiteSample* sample, std::set<std::string>* notes,
                   const std::function<void(const char* field, const std::string& reason)>& bad) {
  bool ok = true;
  auto refuse = [&](const char* field, const std::string& reason) {
    bad(field, reason);
    ok = false;
  };
  const AnalyteResolver& names = options.names ? *options.names : BundledAnalyteResolver();
  sample->well = TrimBlanks(cells.well);
  if (sample->well.empty()) refuse("well", "the well's name is empty");
  const std::string date = TrimBlanks(cells.date);
  switch (ReadLabDate(date, options.slashed, &sample->date)) {
    case LabDateResult::kRead: break;
    case LabDateResult::kAmbiguous:
      refuse("date", QuotedSiteText(date) +
                         " may be day/month or month/day: give the order of slashed dates (dmy or mdy)");
      break;
    case LabDateResult::kNotADate:
      refuse("date", QuotedSiteText(date) + " is not a date (YYYY-MM-DD" +
                         (BeforeSiteDates(date) ? ", from 1900 on)" : ")"));
      break;
  }
  sample->analyte = names.Resolve(cells.analyte);
  if (sample->analyte.empty()) refuse("analyte", "the analyte is empty");
  std::string unitText = TrimBlanks(cells.unit);
  // pH has no unit, and laboratories often leave its cell empty.
  if (unitText.empty() && sample->analyte == kIndicatorPh) unitText = kUnitNone;
  LabUnit unit;
  if (!ReadLabUnit(unitText, &unit)) {
    refuse("unit", "unknown unit " + QuotedSiteText(unitText) + " (ug/L, mg/L, mV or m)");
  } else {
    sample->unit = unit.unit;
    // ORP has its mV and heads their m; every other analyte is a concentration.
    const char* fixed = FixedSiteUnit(sample->analyte);
    if (fixed ? sample->unit != fixed : !IsSiteConcentrationUnit(sample->unit))
      refuse("unit", fixed ? sample->analyte + " is given in " + fixed
                           : QuotedSiteText(unitText) + " is no concentration unit");
    else if (unit.note && notes)
      notes->insert(unit.note);
  }
  std::string valueText = TrimBlanks(cells.value);
  bool lessThan = false;
  if (!valueText.empty() && valueText[0] == '<') {
    lessThan = true;
    valueText = TrimBlanks(valueText.substr(1));
  }
  const bool mark = IsNotDetectedMark(valueText) || (lessThan && valueText.empty());
  if (mark) {
    // Not detected, at the table's limit; without one there is no value to
    // keep, and inventing one would put a number in the fit no lab gave.
    lessThan = true;
    valueText = TrimBlanks(cells.limit);
    if (!valueText.empty() && valueText[0] == '<') valueText = TrimBlanks(valueText.substr(1));
    if (valueText.empty()) {
      refuse("value", QuotedSiteText(cells.value) +
                          " is not detected but gives no limit: write the limit as \"<0.5\" or give a "
                          "detectionLimit column");
      return false;
    }
  }
  if (!ParseSiteNumber(valueText, separator, &sample->value) || !std::isfinite(sample->value)) {
    if (mark)
      refuse("detectionLimit", QuotedSiteText(cells.limit) + " is not a finite number");
    else
      refuse("value", QuotedSiteText(cells.value) + " is not a finite number");
  } else if (sample->value < 0.0 && !FixedSiteUnit(sample->analyte)) {
    // ORP and heads may be negative: a reducing water's potential is, and
    // a head below its datum.
    refuse("value", QuotedSiteText(cells.value) + " is negative");
  } else {
    // Stored in the unit's canonical form: ng/L as ug/L, divided so that a
    // whole number of ng/L gives the nearest double to its ug/L value.
    sample->value = InCanonicalUnit(sample->value, unit.divisor);
  }
  if (!ParseSiteFlag(cells.nonDetect, false, &sample->nonDetect))
    refuse("nonDetect", QuotedSiteText(cells.nonDetect) + " is neither yes nor no");
  sample->nonDetect = sample->nonDetect || lessThan;
  return ok;
}
