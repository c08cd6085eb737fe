// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>
#include <cstring>

#include "platform/Platform.h"

namespace language {
namespace {
const char kSettingsKey[] = "language";

QSettings userSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Virelo"),
                   QStringLiteral("Virelo"));
}
}  // namespace

bool isKnownCode(const QString& code) {
  return code == QLatin1String("en") || code == QLatin1String("de") || code == QLatin1String("nl");
}

QString fromLocale(const QLocale& locale) {
  const QStringList languages = locale.uiLanguages();
  const QString first = languages.isEmpty() ? locale.name() : languages.first();
  const QString code = first.left(2).toLower();
  // Only a two-letter language, not "den" or "nld-..." read as "de"/"nl".
  const bool twoLetters = first.size() == 2 || (first.size() > 2 && (first[2] == '-' || first[2] == '_'));
  if (twoLetters && (code == QLatin1String("de") || code == QLatin1String("nl"))) return code;
  return QStringLiteral("en");
}

QString effective(const QString& commandLine, const QString& saved, const QLocale& system) {
  if (isKnownCode(commandLine)) return commandLine;
  if (isKnownCode(saved)) return saved;
  return fromLocale(system);
}

int takeOption(int argc, char** argv, QString* code, QString* error) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* value = nullptr;
    if (std::strcmp(argv[i], "--lang") == 0) {
      if (i + 1 >= argc) {
        *error = QStringLiteral("--lang needs a language: en, de or nl");
        return argc;
      }
      value = argv[++i];
    } else if (std::strncmp(argv[i], "--lang=", 7) == 0) {
      value = argv[i] + 7;
    } else {
      argv[kept++] = argv[i];
      continue;
    }
    *code = QString::fromLocal8Bit(value);
    if (!isKnownCode(*code)) {
      *error = QStringLiteral("unknown language '%1': use en, de or nl").arg(*code);
      return argc;
    }
  }
  argv[kept] = nullptr;
  return kept;
}

QString savedChoice() {
  const QString code = userSettings().value(QLatin1String(kSettingsKey)).toString();
  return isKnownCode(code) ? code : QString();
}

void saveChoice(const QString& code) {
  QSettings settings = userSettings();
  if (isKnownCode(code))
    settings.setValue(QLatin1String(kSettingsKey), code);
  else
    settings.remove(QLatin1String(kSettingsKey));
}

int installTranslators(QCoreApplication* app, const QString& code) {
  if (code != QLatin1String("de") && code != QLatin1String("nl")) return 0;
  int loaded = 0;
  auto* virelo = new QTranslator(app);
  if (virelo->load(QStringLiteral(":/i18n/virelo_") + code)) {
    app->installTranslator(virelo);
    ++loaded;
  }
  // Qt's own buttons (Yes, No, Cancel) and the file dialogs.
  auto* qt = new QTranslator(app);
  if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app->installTranslator(qt);
    ++loaded;
  }
  return loaded;
}

void fillMenu(QMenu* menu, QWidget* owner) {
  // The language names stay in their own language, so a user who cannot
  // read the current one still finds theirs.
  const struct {
    QString text;
    QString code;
  } choices[] = {{QCoreApplication::translate("Language", "&System language"), QString()},
                 {QStringLiteral("&English"), QStringLiteral("en")},
                 {QStringLiteral("&Deutsch"), QStringLiteral("de")},
                 {QStringLiteral("&Nederlands"), QStringLiteral("nl")}};
  auto* group = new QActionGroup(menu);
  const QString saved = savedChoice();
  for (const auto& choice : choices) {
    QAction* action = menu->addAction(choice.text);
    action->setCheckable(true);
    action->setChecked(choice.code == saved);
    action->setData(choice.code);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [code = choice.code, owner] {
      if (code == savedChoice()) return;
      saveChoice(code);
      Platform::instance().messageBox(
          owner,
          QCoreApplication::translate("Language", "The language changes when Virelo is started again."),
          QStringLiteral("Virelo"), Platform::Ok, Platform::Icon::Information);
    });
  }
}

}  // namespace language
