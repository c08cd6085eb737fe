// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The translation catalogues in i18n/ read as the translator sees them:
// context, English source text and translation, for tests that check what
// the windows show in German and Dutch against what the catalogue holds.
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

struct CatalogueMessage {
  QString context;
  QString source;
  QString translation;
  bool finished = true;
};

// Reads i18n/virelo_<language>.ts as lupdate writes it; `tsLanguage`
// receives the language the file names.
inline QList<CatalogueMessage> ReadCatalogue(const QString& language, QString* tsLanguage = nullptr) {
  QFile file(QStringLiteral(VIRELO_SOURCE_DIR "/i18n/virelo_%1.ts").arg(language));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QList<CatalogueMessage> messages;
  QString context;
  CatalogueMessage message;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("TS") && tsLanguage) {
      *tsLanguage = xml.attributes().value(QLatin1String("language")).toString();
    } else if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      message = CatalogueMessage{context, {}, {}, true};
    } else if (name == QLatin1String("source")) {
      message.source = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      message.translation = xml.readElementText();
      messages << message;
    }
  }
  return messages;
}
