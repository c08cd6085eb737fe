// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Error, warning and debug reporting for every layer of Virelo.
//
// The engine and persistence never show anything themselves: they report
// through these functions, and the process-wide callback record decides where
// a report ends up. Without a record, or with an empty slot, the report is
// printed to standard output as a fixed text block.
#pragma once

#include <cstdint>

using ReportErrorFn = void (*)(const char* message, const char* module, int32_t errNo, uint32_t uid);
using ReportTextFn = void (*)(const char* message, const char* module, uint32_t uid);

struct ReportCallbacks {
  ReportErrorFn onError = nullptr;
  ReportTextFn onWarning = nullptr;
  ReportTextFn onDebug = nullptr;
  uint32_t uid = 0;
};

// Reporters. `callbacks`, `module` and `format` may each be null.
void ReportError(const ReportCallbacks* callbacks, const char* module, int32_t errNo, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void ReportWarning(const ReportCallbacks* callbacks, const char* module, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void ReportDebug(const ReportCallbacks* callbacks, const char* module, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The process-wide record and its handlers are set up once at start-up and
// released at exit, while no other thread runs; the reporters themselves may
// be called from any thread, and the handler decides whether it can show a
// report from there.
//
// The handlers that InstallReportCallbacks puts into the process-wide record.
// The desktop shell sets its message-box handlers here before virelo_Init; by
// default errors and warnings have no handler (standard output) and debug
// messages go to PrintDebugLine.
void SetInstalledReportHandlers(ReportErrorFn onError, ReportTextFn onWarning, ReportTextFn onDebug);

// Creates the process-wide record from the handlers above (uid 0).
void InstallReportCallbacks();
// Releases the process-wide record; later reports go to standard output.
void RemoveReportCallbacks();
// The process-wide record, or null when none is installed.
const ReportCallbacks* ActiveReportCallbacks();

// Writes "DEBUG [module]:\tmessage\n" to standard output (not flushed).
void PrintDebugLine(const char* message, const char* module, uint32_t uid);
