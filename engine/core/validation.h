// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Input checks with their problem codes and texts, and the one number parser
// used by every edit field.
#pragma once

#include "engine/project/records.h"

struct ProblemMessage {
  ProblemCode code;
  char text[256];
};
// Ended by {-1, "__end__"}.
extern const ProblemMessage kProblemMessages[];

// Each check returns the number of problems. With a non-null `codes`, a new
// malloc'ed array of exactly that many codes (zero length allowed) is handed
// to the caller; null if that allocation fails. Safe to call from several
// threads at once.
int virelo_CheckContaminant(const Contaminant* contaminant, ProblemCode** codes);
int virelo_CheckAquiferPlumeLength(const Aquifer* aquifer, ProblemCode** codes);
int virelo_CheckAquiferAF(const Aquifer* aquifer, ProblemCode** codes);

// Copies the text of `code` into text (256 bytes) and returns 1; returns 0
// and leaves text unchanged when the code has no text or text is null.
int virelo_GetProblemText(ProblemCode code, char* text);

// Parses an edit text in place (trimmed, commas turned into points). Returns
// 1 and the number, or 0 and 0.0.
int virelo_ParseNumber(char* text, double* value);
