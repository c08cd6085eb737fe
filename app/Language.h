// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The language the desktop speaks: English, German or Dutch. It is chosen
// once, at start-up, from the command line, else from the choice saved under
// View > Language, else from the desktop's own languages; the windows take
// their texts from the translators main() installs.
#pragma once

#include <QLocale>
#include <QString>

class QMenu;
class QWidget;
class QCoreApplication;

namespace language {

// Language codes the desktop has texts for, besides English.
bool isKnownCode(const QString& code);

// "de" or "nl" when the first of the locale's interface languages is German
// or Dutch, "en" otherwise.
QString fromLocale(const QLocale& locale);

// The language to start in: the command line's, else the saved choice, else
// the desktop's. Empty or unknown codes count as not given.
QString effective(const QString& commandLine, const QString& saved, const QLocale& system);

// Takes "--lang CODE" or "--lang=CODE" out of argv (the rest moves up) and
// returns the new argc; `code` receives the code, `error` a sentence when the
// option lacks its code or names a language without texts.
int takeOption(int argc, char** argv, QString* code, QString* error);

// The saved choice: "" (the desktop's language), "en", "de" or "nl".
QString savedChoice();
void saveChoice(const QString& code);

// Installs Virelo's and Qt's own translators for `code` on `app`; returns
// how many were found (English needs none).
int installTranslators(QCoreApplication* app, const QString& code);

// Fills `menu` with the radio choices System, English, Deutsch, Nederlands;
// picking one saves it and tells the user it applies on the next start.
void fillMenu(QMenu* menu, QWidget* owner);

}  // namespace language
