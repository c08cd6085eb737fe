// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A report's PDF as a reader copies it out, line by line, for the tests
// that check what the pages show: a number the layout wraps inside its
// cell reads as two, "0." on one line and "000817880" on the next.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The non-empty lines of one page of a PDF, footer included; none past the
// last page.
inline QStringList pageLines(const QString& pdf, int page) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                 QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000)) return {};
  QStringList lines;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  return lines;
}

// Every place on the pages where a number goes on in the next line: a line
// that ends in an integer part and its point before one that starts with a
// digit, or one that ends in a digit before decimals or an exponent
// ("1.5" / "E-05"). Each as "page N: \"here\" / \"next\"".
inline QStringList numbersBrokenAcrossLines(const QString& pdf, int* pages = nullptr) {
  static const QRegularExpression endsInPoint(QStringLiteral("(^|[^0-9.])[-+(]?\\d+\\.$"));
  static const QRegularExpression endsInDigit(QStringLiteral("\\d$"));
  static const QRegularExpression goesOn(QStringLiteral("^([.,]\\d|[eE][-+]?\\d)"));
  static const QRegularExpression startsWithDigit(QStringLiteral("^\\d"));
  QStringList broken;
  int page = 1;
  for (;; ++page) {
    const QStringList text = pageLines(pdf, page);
    if (text.isEmpty()) break;
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
      const QString& here = text[k];
      const QString& next = text[k + 1];
      if ((endsInPoint.match(here).hasMatch() && startsWithDigit.match(next).hasMatch()) ||
          (endsInDigit.match(here).hasMatch() && goesOn.match(next).hasMatch()))
        broken << QStringLiteral("page %1: \"%2\" / \"%3\"").arg(page).arg(here, next);
    }
  }
  if (pages) *pages = page - 1;
  return broken;
}
