// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary bytes to the database CSV reader, in every dialect it
// accepts (comma or semicolon with decimal commas, UTF-8 or Windows-1252,
// LF or CR LF). A refused table names a line for every refusal and returns
// no rows; an accepted one holds only sound rows, and reads back the same
// from the CSV the program writes of it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "engine/project/records.h"
#include "persistence/databasecsv.h"

namespace {

bool SameRows(const std::vector<Contaminant>& a, const std::vector<Contaminant>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<Contaminant> rows;
  std::vector<std::string> sources;
  std::ostringstream refusals;
  if (!ReadDatabaseCsv(bytes, "in", &rows, refusals, &sources)) {
    // Every refusal is "in:<line>: <reason>" on a line of its own.
    const std::string text = refusals.str();
    if (!rows.empty() || !sources.empty() || text.compare(0, 3, "in:") != 0 || text.back() != '\n')
      __builtin_trap();
    return 0;
  }
  if (sources.size() != rows.size()) __builtin_trap();
  for (const Contaminant& c : rows) {
    const size_t length = strnlen(c.name, sizeof c.name);
    if (length == 0 || length == sizeof c.name || !virelo_GroupName(c.group)) __builtin_trap();
    for (double value : {c.literaturePlumeLength, c.lambdaUnknown, c.lambdaAerobic, c.lambdaNitrate,
                         c.lambdaIron, c.lambdaSulfate, c.lambdaMixedPlumes, c.lambdaMethane})
      if (!std::isfinite(value) || value < 0.0) __builtin_trap();
    if (c.literatureEntries < 0) __builtin_trap();
  }
  std::ostringstream written;
  WriteDatabaseCsv(rows.data(), static_cast<int>(rows.size()), written);
  std::vector<Contaminant> again;
  std::ostringstream ignored;
  if (!ReadDatabaseCsv(written.str(), "again", &again, ignored) || !SameRows(rows, again)) __builtin_trap();
  return 0;
}
