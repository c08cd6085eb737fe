// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The engine writes its words in English: class names ("Green"), trend
// classes, redox conditions, the problem texts of the one table, the lines of
// evidence and their readings. Files, virelo-cli and the tests read them so,
// and the English desktop shows them unchanged. A German or Dutch reader sees
// them in the language the windows speak: the English text is the key of its
// translation, and a sentence with numbers or names in it is matched against
// the sentences the engine writes (EngineTextCatalogue.cpp), its parts put
// into the translated sentence. A text the catalogue does not know stays
// English, with its numbers in the reader's decimal sign.
#pragma once

#include <QString>
#include <string>

// One term or fixed text, translated whole ("Green", "UNKOWN / VARIABLE", a
// problem text).
QString EngineTerm(const char* english);
// A text of one or more sentences, each translated by the sentence it is.
QString EngineText(const QString& english);
QString EngineText(const std::string& english);
