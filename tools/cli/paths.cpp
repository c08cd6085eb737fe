// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli paths: where this installation looks for its data, so that
// support can see which database and manual the desktop program would use.
#include <iostream>

#include "persistence/database.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

std::string PathsUsage() {
  return "  paths\n"
         "      Prints the per-user data folder, the installed data folder, the\n"
         "      database the desktop program would load at start-up and the manual.\n";
}

int RunPaths(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {}, &parsed, &error)) return UsageError(error, err);
  if (!parsed.files.empty()) return UsageError("paths takes no file names", err);

  char userFolder[kPathCapacity];
  w32_GetApplicationDataPath(userFolder, kUserFolderName);
  char dataFolder[kPathCapacity];
  virelo_GetInstalledDataPath(dataFolder);
  char database[kPathCapacity];
  const bool haveDatabase = virelo_LocateGenericData(database);
  char manual[kPathCapacity];
  const bool haveManual = virelo_FindInstalledFile(kManualFileName, manual);

  out << "per-user data folder:  " << userFolder << "\n"
      << "installed data folder: " << dataFolder << "\n"
      << "start-up database:     " << (haveDatabase ? database : "(none found)") << "\n"
      << "manual:                " << (haveManual ? manual : "(none found)") << "\n";
  out.flush();
  return out ? kCliOk : kCliFailed;
}
