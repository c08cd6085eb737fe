// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The fuzz input as a file: an anonymous in-memory file, opened by path
// through /proc like any file the user picks. Reports are formatted as usual
// but not printed, so the fuzzer's own output stays readable and fast.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "diagnostics/report.h"

namespace fuzz_input {

inline int g_file = -1;
inline std::string g_path;

inline void ignoreError(const char*, const char*, int32_t, uint32_t) {}
inline void ignoreText(const char*, const char*, uint32_t) {}

// Returns 0 when the file is ready.
inline int Initialise(const char* name) {
  SetInstalledReportHandlers(ignoreError, ignoreText, ignoreText);
  InstallReportCallbacks();
  g_file = memfd_create(name, 0);
  if (g_file < 0) return 1;
  g_path = "/proc/self/fd/" + std::to_string(g_file);
  return 0;
}

// Makes the file hold exactly `data`; false when that failed.
inline bool Fill(const uint8_t* data, size_t size) {
  if (ftruncate(g_file, 0) != 0) return false;
  return size == 0 || pwrite(g_file, data, size, 0) == static_cast<ssize_t>(size);
}

inline const char* Path() {
  return g_path.c_str();
}

}  // namespace fuzz_input
