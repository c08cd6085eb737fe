// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/DecimalSign.h"

namespace {

QChar g_shownSign = QLatin1Char('.');

bool isDigit(const QString& text, qsizetype at) {
  return at >= 0 && at < text.size() && text[at].isDigit();
}

// A character that makes the digits after it part of a name, a code or a
// longer dotted number rather than a number of their own.
bool joinsToken(QChar c) {
  return c.isLetter() || c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('_') ||
         c == QChar(0x00A7) /* section sign */;
}

}  // namespace

QChar ShownDecimalSign() {
  return g_shownSign;
}

void SetShownDecimalSign(QChar sign) {
  g_shownSign = sign;
}

QChar DecimalSignFor(const QString& languageCode) {
  return languageCode == QLatin1String("de") || languageCode == QLatin1String("nl") ? QLatin1Char(',')
                                                                                    : QLatin1Char('.');
}

QString WithDecimalSign(const QString& text, QChar sign) {
  if (sign == QLatin1Char('.') || !text.contains(QLatin1Char('.'))) return text;
  QString out = text;
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n) {
    if (!text[i].isDigit()) {
      ++i;
      continue;
    }
    // A run of digits: what stands before it decides whether it is a number.
    const qsizetype start = i;
    while (isDigit(text, i)) ++i;
    const bool joined =
        start > 0 && (joinsToken(text[start - 1]) ||
                      // "R-98.1": a hyphen after a letter joins a code
                      (text[start - 1] == QLatin1Char('-') && start > 1 && text[start - 2].isLetter()));
    if (i >= n || text[i] != QLatin1Char('.') || !isDigit(text, i + 1)) continue;
    const qsizetype point = i;
    ++i;
    while (isDigit(text, i)) ++i;
    // "10.3.1" and "01.02.2024": a second point after the fraction.
    const bool dotted = i < n && text[i] == QLatin1Char('.') && isDigit(text, i + 1);
    const bool glued = i < n && text[i] == QLatin1Char('_');
    if (dotted) {
      while (i < n && (text[i].isDigit() || text[i] == QLatin1Char('.'))) ++i;
      continue;
    }
    if (!joined && !glued) out[point] = sign;
  }
  return out;
}

QString ShownNumbers(const QString& text) {
  return WithDecimalSign(text, g_shownSign);
}
