// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Help in German and Dutch: every What's-this text of the manual has its
// translation, marked for the same controls and keeping the manual's
// emphasis and symbols; Shift+F1 shows it in the windows' language, and F1
// opens the English manual with a note, in the reader's language, that it is
// English.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include "platform/HelpViewer.h"
#include "platform/ManualHelp.h"
#include "platform/Platform.h"

namespace {

ManualHelp Translated(const QString& code) {
  QFile file(QStringLiteral(VIRELO_SOURCE_DIR "/i18n/whatsthis_%1.md").arg(code));
  return ManualHelp(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
}

// The symbols a text names in bold ("**x**", "**Kf**"): they stay as they are.
QStringList BoldSymbols(const QString& text) {
  static const QSet<QString> symbols = {"x",  "Kf", "i", "ne", "C0", "CA", "ax",  "ay",  "az",
                                        "Sy", "Sz", "R", "b",  "ks", "M0", "Koc", "foc", "\u03bb"};
  static const QRegularExpression bold(QStringLiteral("\\*\\*([^*]{1,5})\\*\\*"));
  QStringList found;
  for (auto it = bold.globalMatch(text); it.hasNext();) {
    const QString word = it.next().captured(1);
    if (symbols.contains(word)) found << word;
  }
  return found;
}

}  // namespace

class TestHelpLanguage : public QObject {
  Q_OBJECT

 private slots:
  void everyTextHasItsTranslation_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("Dutch") << QStringLiteral("nl");
  }
  void everyTextHasItsTranslation() {
    QFETCH(QString, code);
    const ManualHelp& manual = ManualHelp::builtIn();
    const ManualHelp translated = Translated(code);
    QVERIFY2(translated.errors().isEmpty(), qPrintable(translated.errors().join('\n')));
    QList<int> ids = manual.controlIds();
    QList<int> translatedIds = translated.controlIds();
    std::sort(ids.begin(), ids.end());
    std::sort(translatedIds.begin(), translatedIds.end());
    QCOMPARE(translatedIds, ids);
    int english = 0;
    for (int id : ids) {
      const QString source = manual.text(id);
      const QString text = translated.text(id);
      QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QString::number(id)));
      if (text == source) ++english;
      // The symbols the English names in bold are named so in the translation.
      const QStringList symbols = BoldSymbols(text);
      const QStringList sourceSymbols = BoldSymbols(source);
      QCOMPARE(QSet<QString>(symbols.begin(), symbols.end()),
               QSet<QString>(sourceSymbols.begin(), sourceSymbols.end()));
      // The program's own answer is the translation.
      QCOMPARE(help::whatsThisText(id, code), text);
      QCOMPARE(help::whatsThisText(id, QStringLiteral("en")), source);
    }
    QVERIFY2(english == 0, qPrintable(QStringLiteral("%1 texts still English").arg(english)));
  }

  void helpWindowSaysTheManualIsEnglish() {
    Platform desktop;
    const int kfId = 1102;  // the hydraulic conductivity on the Aquifer page
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/virelo_de")));
    QCoreApplication::installTranslator(&german);
    help::setLanguage(QStringLiteral("de"));
    QVERIFY(desktop.requestHelp(kfId, Platform::HelpKind::Topic));
    QVERIFY(help::window());
    auto* note = help::window()->findChild<QLabel*>(QStringLiteral("helpLanguageNote"));
    QVERIFY(note);
    QVERIFY2(note->text().contains(QStringLiteral("Englisch")), qPrintable(note->text()));
    QVERIFY(desktop.requestHelp(kfId, Platform::HelpKind::Popup, QPoint(50, 50)));
    QVERIFY(desktop.requestHelp(0, Platform::HelpKind::Close));
    QCoreApplication::removeTranslator(&german);

    // In English the manual needs no note.
    help::setLanguage(QStringLiteral("en"));
    QVERIFY(desktop.requestHelp(kfId, Platform::HelpKind::Topic));
    QVERIFY(!help::window()->findChild<QLabel*>(QStringLiteral("helpLanguageNote")));
    QVERIFY(desktop.requestHelp(0, Platform::HelpKind::Close));
  }
};

QTEST_MAIN(TestHelpLanguage)
#include "tst_helplanguage.moc"
