// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// German and Dutch readers write "0,005" where English writes "0.005". The
// engine, the files and virelo-cli always write the point; only what a person
// reads on the screen or in a report takes the reader's sign, converted here
// from the engine's text at the last moment. Input never goes through here:
// the one number parser reads either sign.
#pragma once

#include <QChar>
#include <QString>

// The sign the windows show numbers with: '.' unless main() chose German or
// Dutch. Grouping is never shown, in any language.
QChar ShownDecimalSign();
void SetShownDecimalSign(QChar sign);
// ',' for "de" and "nl", '.' for English and anything else.
QChar DecimalSignFor(const QString& languageCode);

// `text` with the decimal point of each number in it written as `sign`. A
// point counts as a number's only where digits stand on both sides and the
// number is a plain one: not part of a name or code ("GWM1.2", "R-98.1"),
// not a section number or date with a second point ("10.3.1", "01.02.2024").
QString WithDecimalSign(const QString& text, QChar sign);
// The same with the windows' sign.
QString ShownNumbers(const QString& text);
