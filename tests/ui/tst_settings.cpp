// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The settings a project keeps on the desktop: the concentration unit of the
// Project page, and settings that could not be read, which a save must not
// replace unasked.
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include "engine/extras.h"
#include "shell_fixture.h"

namespace {

const QString kUnreadable = QStringLiteral("The settings saved with this project could not be read: ");
const QString kReplaceQuestion =
    QStringLiteral("The settings saved with this project could not be read when it was opened");

QByteArray contents(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A project of the database's contaminants with a chosen unit, its block's
// last byte flipped.
QByteArray damagedProject(const QString& fileName) {
  Project* project = virelo_NewProject();
  virelo_Extras(project).settings.concentrationUnit = "mg/L";
  virelo_Extras(project).settings.afRange = 2;
  virelo_SaveProject(project, QFile::encodeName(fileName).constData());
  virelo_FreeProject(project);
  QByteArray bytes = contents(fileName);
  bytes[bytes.size() - 2] = static_cast<char>(bytes[bytes.size() - 2] ^ 0x20);
  writeBytes(fileName, bytes);
  return bytes;
}

int countMessages(const FakePlatform& platform, const QString& start) {
  int count = 0;
  for (const RecordedMessage& m : platform.messages) count += m.text.startsWith(start);
  return count;
}

std::string savedUnit(const QString& fileName) {
  Project* project = virelo_LoadProject(QFile::encodeName(fileName).constData(), "rb");
  if (!project) return "<not loaded>";
  const std::string unit = virelo_SettingsOf(*project).concentrationUnit;
  virelo_FreeProject(project);
  return unit;
}

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void unitOfTheProjectPageIsSavedAndShown();
  void unreadableSettingsAreReplacedOnlyWhenAllowed();
};

void TestSettings::unitOfTheProjectPageIsSavedAndShown() {
  ShellSession session;
  auto window = session.start();
  auto* unit = child<QLineEdit>(window.get(), "unitEdit");
  QCOMPARE(unit->text(), QStringLiteral("\u00b5g/L"));
  unit->setText(QStringLiteral("mg/m\u00b3"));
  // The Contaminants page shows it beside C0 and CA once it is looked at.
  window->pageTabs->SelectPage(2);
  QCOMPARE(child<QLabel>(window.get(), "c0UnitLabel")->text(), QStringLiteral("[mg/m\u00b3]"));
  QCOMPARE(child<QLabel>(window.get(), "caUnitLabel")->text(), QStringLiteral("[mg/m\u00b3]"));
  QCOMPARE(window->project->modified, 1);

  const QString file = session.path("unit.vrp");
  session.platform.saveFileNames.push_back(file);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  QCOMPARE(savedUnit(file), std::string("mg/m\xC2\xB3"));
  // An emptied field is the default unit again, and the file has no block.
  window->pageTabs->SelectPage(0);
  unit->clear();
  QCOMPARE(window->fileCommands->OnFileSave(), 1);
  QCOMPARE(savedUnit(file), std::string(kDefaultConcentrationUnit));
  QCOMPARE(contents(file).size(), 1879 + 216 * window->project->contaminantCount);
}

void TestSettings::unreadableSettingsAreReplacedOnlyWhenAllowed() {
  ShellSession session;
  const QString file = session.path("damaged.vrp");
  const QByteArray damaged = damagedProject(file);
  auto window = session.start();
  session.platform.messages.clear();
  QCOMPARE(window->OpenProjectFile(file), 1);
  QCOMPARE(countMessages(session.platform, kUnreadable), 1);
  QVERIFY(session.platform.messages[0].text.endsWith(QStringLiteral("The project itself was opened.")));
  QVERIFY(window->project);

  // No: nothing is written, and the unreadable settings stay in the file.
  session.platform.answers = {Platform::No};
  QCOMPARE(window->fileCommands->OnFileSave(), 0);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 1);
  QCOMPARE(contents(file), damaged);
  // Saving under another name leaves them where they are, without a question.
  const QString other = session.path("other.vrp");
  session.platform.saveFileNames.push_back(other);
  QCOMPARE(window->fileCommands->OnFileSaveAs(), 1);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 1);
  QCOMPARE(contents(file), damaged);

  // Open it again; Yes replaces the settings with the project's own.
  QCOMPARE(window->OpenProjectFile(file), 1);
  session.platform.answers = {Platform::Yes};
  QCOMPARE(window->fileCommands->OnFileSave(), 1);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 2);
  QVERIFY(contents(file) != damaged);
  session.platform.messages.clear();
  QCOMPARE(savedUnit(file), std::string(kDefaultConcentrationUnit));
  QCOMPARE(countMessages(session.platform, kUnreadable), 0);
  // Once written anew, a save asks no more.
  QCOMPARE(window->fileCommands->OnFileSave(), 1);
  QCOMPARE(countMessages(session.platform, kReplaceQuestion), 0);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
