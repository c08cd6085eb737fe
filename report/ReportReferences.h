// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The works the report's text cites, each with the short form its text
// uses and the full entry of its reference list. The list is written from
// the text, so a work appears in it exactly when some section cites it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct ReportReference {
  // The short form as the text cites it, the year standing bare or in
  // brackets: "Buscheck and Alcantar 1995" is also found as "Buscheck and
  // Alcantar (1995)".
  const char* citation;
  // The full entry, as the reference list prints it (HTML).
  const char* entry;
};

// Every work a section of the report may cite, in the list's order.
const std::vector<ReportReference>& ReportReferences();

// The entries of the works `html` cites, in the list's order.
QStringList CitedReferenceEntries(const QString& html);
