// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/EngineText.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <utility>

#include "platform/DecimalSign.h"

// The sentences and terms the engine writes (EngineTextCatalogue.cpp).
extern const char* const kEngineSentences[];
extern const int kEngineSentenceCount;

namespace {

constexpr char kTermContext[] = "EngineText";
constexpr char kSentenceContext[] = "EngineSentence";

// Whether anything would change: English with the point shows the engine's
// text as it is.
bool translating() {
  return ShownDecimalSign() != QLatin1Char('.') ||
         QCoreApplication::translate(kTermContext, "Green") != QLatin1String("Green");
}

// The translation of a whole text, or an empty string when it has none.
QString exact(const QString& english) {
  const QByteArray key = english.toUtf8();
  const QString translated = QCoreApplication::translate(kTermContext, key.constData());
  return translated == english ? QString() : translated;
}

struct Pattern {
  QRegularExpression match;
  const char* source;
  int args;
};

// "%1 rounds" becomes "^(.+?) rounds$": each argument a lazy group.
const QList<Pattern>& patterns() {
  static const QList<Pattern> list = [] {
    QList<Pattern> built;
    static const QRegularExpression arg(QStringLiteral("%(\\d)"));
    for (int k = 0; k < kEngineSentenceCount; ++k) {
      const QString source = QString::fromUtf8(kEngineSentences[k]);
      QString expression = QStringLiteral("^");
      int at = 0;
      int args = 0;
      for (auto it = arg.globalMatch(source); it.hasNext();) {
        const auto m = it.next();
        expression += QRegularExpression::escape(source.mid(at, m.capturedStart() - at));
        expression += QStringLiteral("(.+?)");
        at = static_cast<int>(m.capturedEnd());
        ++args;
      }
      expression += QRegularExpression::escape(source.mid(at)) + QLatin1Char('$');
      built.push_back({QRegularExpression(expression), kEngineSentences[k], args});
    }
    return built;
  }();
  return list;
}

QString translatePart(const QString& part, int depth);

// An argument of a sentence: a term, a list of terms ("2 Decreasing, 1
// Stable"), a count before a term, else a number or a name as it stands.
QString translateArgument(const QString& text, int depth) {
  const QString whole = exact(text);
  if (!whole.isEmpty()) return whole;
  if (depth > 3) return ShownNumbers(text);
  for (const QString separator : {QStringLiteral("; "), QStringLiteral(", ")}) {
    if (!text.contains(separator)) continue;
    QStringList parts = text.split(separator);
    for (QString& part : parts) part = translateArgument(part, depth + 1);
    return parts.join(separator);
  }
  // Words that are each a term ("exact chain").
  const QStringList words = text.split(QLatin1Char(' '));
  if (words.size() > 1) {
    QStringList translated;
    for (const QString& word : words) translated << exact(word);
    if (!translated.contains(QString())) return translated.join(QLatin1Char(' '));
  }
  static const QRegularExpression counted(QStringLiteral("^(\\d+) (.+)$"));
  const auto m = counted.match(text);
  if (m.hasMatch()) {
    const QString term = exact(m.captured(2));
    if (!term.isEmpty()) return m.captured(1) + QLatin1Char(' ') + term;
  }
  return translatePart(text, depth + 1);
}

// One sentence: whole, else by the first sentence pattern it matches.
QString translatePart(const QString& sentence, int depth) {
  const QString whole = exact(sentence);
  if (!whole.isEmpty()) return whole;
  if (depth <= 3) {
    for (const Pattern& pattern : patterns()) {
      const auto m = pattern.match.match(sentence);
      if (!m.hasMatch()) continue;
      QString translated = QCoreApplication::translate(kSentenceContext, pattern.source);
      for (int k = 1; k <= pattern.args; ++k)
        translated = translated.arg(translateArgument(m.captured(k), depth + 1));
      return translated;
    }
    // A sentence of clauses the engine joins as it finds them (a chain's
    // basis: "followed through ...; own factors differ: ...") is translated
    // clause by clause.
    if (sentence.contains(QStringLiteral("; "))) {
      QStringList clauses = sentence.split(QStringLiteral("; "));
      for (QString& clause : clauses) clause = translatePart(clause, depth + 1);
      return clauses.join(QStringLiteral("; "));
    }
  }
  return ShownNumbers(sentence);
}

}  // namespace

QString EngineTerm(const char* english) {
  const QString source = QString::fromUtf8(english ? english : "");
  if (!translating()) return source;
  const QString translated = exact(source);
  return translated.isEmpty() ? ShownNumbers(source) : translated;
}

QString EngineText(const QString& english) {
  if (english.isEmpty() || !translating()) return english;
  const QString whole = exact(english);
  if (!whole.isEmpty()) return whole;
  // Sentences end with a full stop, a colon's clause aside; a number's point
  // has no blank after it.
  static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+(?=[A-Z\\x{03bb}(])"));
  QStringList sentences = english.split(end);
  for (QString& sentence : sentences) sentence = translatePart(sentence, 0);
  return sentences.join(QLatin1Char(' '));
}

QString EngineText(const std::string& english) {
  return EngineText(QString::fromStdString(english));
}
