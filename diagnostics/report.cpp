// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Reporters and the process-wide callback record.
#include "diagnostics/report.h"

#include <cstdarg>
#include <cstdio>
#include <new>

namespace {

constexpr size_t kModuleBufferSize = 256;
constexpr size_t kMessageBufferSize = 256;
constexpr size_t kComposedBufferSize = 1024;

ReportCallbacks* g_active = nullptr;

ReportErrorFn g_installOnError = nullptr;
ReportTextFn g_installOnWarning = nullptr;
ReportTextFn g_installOnDebug = PrintDebugLine;

void CopyModule(char (&buffer)[kModuleBufferSize], const char* module) {
  std::snprintf(buffer, sizeof buffer, "%s", module ? module : "UNKNOWN MODULE");
}

// The composed block is written with fputs: a "%" that came in through a
// message or a file name must never be read as a format again.
void WriteBlock(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}

}  // namespace

void ReportError(const ReportCallbacks* callbacks, const char* module, int32_t errNo, const char* format,
                 ...) {
  char moduleText[kModuleBufferSize];
  char message[kMessageBufferSize];
  CopyModule(moduleText, module);
  if (format) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
  } else {
    std::snprintf(message, sizeof message, "%s", "NO MESSAGE");
  }
  const uint32_t uid = callbacks ? callbacks->uid : 0;
  if (callbacks && callbacks->onError) {
    callbacks->onError(message, moduleText, errNo, uid);
    return;
  }
  char composed[kComposedBufferSize];
  std::snprintf(composed, sizeof composed, "Error in Module %s - UID=%x - ErrNo=%d\nMessage:\n%s\n\n",
                moduleText, static_cast<unsigned>(uid), static_cast<int>(errNo), message);
  WriteBlock(composed);
}

namespace {

// Warnings and debug messages share everything but their slot and their
// standard-output block; unlike errors, an absent format leaves the message
// empty.
void ReportText(const ReportCallbacks* callbacks, ReportTextFn ReportCallbacks::*slot,
                const char* blockFormat, const char* module, const char* format, va_list args) {
  char moduleText[kModuleBufferSize];
  char message[kMessageBufferSize] = "";
  CopyModule(moduleText, module);
  if (format) std::vsnprintf(message, sizeof message, format, args);
  const uint32_t uid = callbacks ? callbacks->uid : 0;
  if (callbacks && callbacks->*slot) {
    (callbacks->*slot)(message, moduleText, uid);
    return;
  }
  char composed[kComposedBufferSize];
  std::snprintf(composed, sizeof composed, blockFormat, moduleText, static_cast<unsigned>(uid), message);
  WriteBlock(composed);
}

}  // namespace

void ReportWarning(const ReportCallbacks* callbacks, const char* module, const char* format, ...) {
  va_list args;
  va_start(args, format);
  ReportText(callbacks, &ReportCallbacks::onWarning, "WARNING[%s] - UID=%x\nMessage:\n%s\n\n", module, format,
             args);
  va_end(args);
}

void ReportDebug(const ReportCallbacks* callbacks, const char* module, const char* format, ...) {
  va_list args;
  va_start(args, format);
  ReportText(callbacks, &ReportCallbacks::onDebug, "Debug [%s] - UID=%x\nMessage:\n%s\n\n", module, format,
             args);
  va_end(args);
}

void SetInstalledReportHandlers(ReportErrorFn onError, ReportTextFn onWarning, ReportTextFn onDebug) {
  g_installOnError = onError;
  g_installOnWarning = onWarning;
  g_installOnDebug = onDebug;
}

void InstallReportCallbacks() {
  RemoveReportCallbacks();
  auto* record = new (std::nothrow) ReportCallbacks;
  if (!record) return;  // without a record every report goes to standard output
  record->onError = g_installOnError;
  record->onWarning = g_installOnWarning;
  record->onDebug = g_installOnDebug;
  record->uid = 0;
  g_active = record;
}

void RemoveReportCallbacks() {
  delete g_active;
  g_active = nullptr;
}

const ReportCallbacks* ActiveReportCallbacks() {
  return g_active;
}

void PrintDebugLine(const char* message, const char* module, uint32_t /*uid*/) {
  if (!message) return;
  std::printf("DEBUG [%s]:\t%s\n", module ? module : "", message);
}
