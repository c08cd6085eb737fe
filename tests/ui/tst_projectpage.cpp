// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project page on its own: texts to and from the record, the edit limits,
// and the file information read from the file system.
#include <fcntl.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>

#include "engine/records.h"
#include "pages/CPropProject.h"
#include "support/FakePageHost.h"

namespace {

struct ProjectDeleter {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using ProjectPtr = std::unique_ptr<Project, ProjectDeleter>;

ProjectPtr newProject() {
  ProjectPtr project(virelo_AllocateProject());
  std::strcpy(project->title, "NewProject");
  std::strcpy(project->version, "VIRELO 1.0");
  return project;
}

// Types text that need not be Latin-1 (keyClicks takes single bytes only).
void typeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

const char* const kFileFields[] = {"sizeField", "createdField", "modifiedField", "accessedField"};

}  // namespace

class TestProjectPage : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<CPropProject> page;
  QLineEdit* edit(const char* name) { return page->findChild<QLineEdit*>(name); }
  QPlainTextEdit* description() { return page->findChild<QPlainTextEdit*>("descriptionEdit"); }
  QString field(const char* name) { return edit(name)->text(); }
  QString filename() { return page->findChild<QPlainTextEdit*>("filenameField")->toPlainText(); }

 private slots:
  void init() {
    page = std::make_unique<CPropProject>(&host);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
  }
  void cleanup() { page.reset(); }

  void showingDoesNotMarkButTypingDoes_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"titleEdit", "descriptionEdit", "authorEdit", "organisationEdit"})
      QTest::newRow(name) << QString(name);
  }
  void showingDoesNotMarkButTypingDoes() {
    QFETCH(QString, control);
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    QVERIFY(!page->pageModified);
    QTest::keyClicks(page->findChild<QWidget*>(control), "xy");
    QVERIFY(page->pageModified);
    page->ShowProject(project.get());
    QVERIFY(!page->pageModified);
    QCOMPARE(field("titleEdit"), QString("NewProject"));
  }

  void textsGoIntoTheRecordWithinLimitsAndAsLatin1() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    QTest::keyClicks(edit("titleEdit"), QString(300, 'T'));
    typeText(edit("authorEdit"), QString::fromUtf8("Zoë €uro"));
    edit("organisationEdit")->setText(QString::fromUtf8("Ana \U0001F30A Lee"));  // two UTF-16 units
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(QByteArray(project->title), "NewProject" + QByteArray(244, 'T'));
    QCOMPARE(QByteArray(project->author), QByteArray("Zo\xEB ?uro"));  // the euro sign became '?'
    QCOMPARE(QByteArray(project->organisation), QByteArray("Ana ? Lee"));
    QCOMPARE(QByteArray(project->version), QByteArray("VIRELO 1.0"));  // not the page's to write
    page->ShowProject(project.get());
    QCOMPARE(field("authorEdit"), QString::fromUtf8("Zoë ?uro"));
  }

  // What the record cannot hold becomes '?' as it is typed or pasted, so the
  // edit shows what will be stored and nothing changes on saving.
  void charactersOutsideLatin1BecomeQuestionMarksAsTyped() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    edit("titleEdit")->clear();
    typeText(edit("titleEdit"), QString::fromUtf8("Łódź €"));
    QCOMPARE(field("titleEdit"), QString::fromUtf8("?ód? ?"));
    edit("organisationEdit")->insert(QString::fromUtf8("Kraków 🌊 Łódź"));  // a paste
    QCOMPARE(field("organisationEdit"), QString::fromUtf8("Kraków ? ?ód?"));

    description()->clear();
    typeText(description(), QString::fromUtf8("Łódź"));
    QTest::keyClick(description(), Qt::Key_Return);
    QApplication::clipboard()->setText(QString::fromUtf8("Zoë 🌊 €5"));
    description()->paste();
    QCOMPARE(description()->toPlainText(), QString::fromUtf8("?ód?\nZoë ? ?5"));
    QCOMPARE(description()->textCursor().position(), description()->toPlainText().size());
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(QByteArray(project->title), QByteArray("?\xF3"
                                                    "d? ?"));
    QCOMPARE(QByteArray(project->description), QByteArray("?\xF3"
                                                          "d?\nZo\xEB ? ?5"));
    page->ShowProject(project.get());
    QCOMPARE(field("titleEdit"), QString::fromUtf8("?ód? ?"));

    // Undo walks back through what was typed; no unstorable character returns.
    for (int step = 0; step < 20 && description()->document()->isUndoAvailable(); ++step) {
      description()->undo();
      const QString text = description()->toPlainText();
      QVERIFY2(std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() <= 0xFF; }),
               qPrintable(text));
    }
  }

  void fullDescriptionWithLineBreaksRoundTrips() {
    QString text;  // 1023 characters, a break after every 30
    while (text.size() < 1023)
      text += (text.size() % 31 == 30) ? QChar('\n') : QChar(char16_t(u'a' + text.size() % 26));
    ProjectPtr project = newProject();
    std::memcpy(project->description, text.toLatin1().constData(), 1023);
    page->ShowProject(project.get());
    QCOMPARE(description()->toPlainText(), text);

    // Nothing more can be typed or pasted.
    description()->moveCursor(QTextCursor::End);
    QTest::keyClicks(description(), "zz");
    description()->moveCursor(QTextCursor::Start);
    description()->insertPlainText("pasted text");
    QCOMPARE(description()->toPlainText(), text);

    ProjectPtr copy = newProject();
    page->ApplyToProject(copy.get());
    QCOMPARE(QByteArray(copy->description), text.toLatin1());

    description()->clear();
    QTest::keyClicks(description(), "one");
    QTest::keyClick(description(), Qt::Key_Return);  // a new line, not the end of anything
    QTest::keyClicks(description(), "two");
    page->ApplyToProject(copy.get());
    QCOMPARE(QByteArray(copy->description), QByteArray("one\ntwo"));
  }

  void fileInformationFollowsTheFileSystem() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());  // a new project: no file yet
    QCOMPARE(filename(), QString());
    for (const char* name : kFileFields) QCOMPARE(field(name), QString());
    QCOMPARE(field("versionField"), QString("VIRELO 1.0"));

    QTemporaryDir dir;
    const QString name = dir.filePath(QString::fromUtf8("Grundwasser-Überprüfung Łódź.vrp"));
    const QByteArray bytes = QFile::encodeName(name);
    {
      QFile file(name);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray(123456, 'v'));
    }
    // Last written on 6 December 2026 at 01:05:09 local time.
    struct tm local = {9, 5, 1, 6, 11, 2026 - 1900, 0, 0, -1, 0, nullptr};
    const time_t written = mktime(&local);
    const struct timespec times[2] = {{written - 3600, 0}, {written, 0}};
    QCOMPARE(utimensat(AT_FDCWD, bytes.constData(), times, 0), 0);
    std::strcpy(project->path, bytes.constData());

    page->ShowProject(project.get());
    QCOMPARE(filename(), name);  // the file system's bytes, not Latin-1
    QCOMPARE(field("sizeField"), QString("123456 Bytes"));
    QCOMPARE(field("modifiedField"), QString("06.12.2026, 1:05:09"));
    QCOMPARE(field("accessedField"),
             QDateTime::fromSecsSinceEpoch(written - 3600).toString("dd.MM.yyyy, H:mm:ss"));
    struct statx entry {};
    QCOMPARE(statx(AT_FDCWD, bytes.constData(), 0, STATX_BTIME, &entry), 0);
    const QString created =
        (entry.stx_mask & STATX_BTIME)
            ? QDateTime::fromSecsSinceEpoch(entry.stx_btime.tv_sec).toString("dd.MM.yyyy, H:mm:ss")
            : QString();
    QCOMPARE(field("createdField"), created);

    // Removed behind the program's back: the path stays, the facts go.
    QVERIFY(QFile::remove(name));
    page->ShowProject(project.get());
    QCOMPARE(filename(), name);
    for (const char* field_name : kFileFields) QCOMPARE(field(field_name), QString());
  }

  // Entering the page hands the focus to the control that had it last; with
  // none remembered the page keeps it (no control is entered unasked).
  void focusGoesBackToTheRememberedControlOnly() {
    page.reset();
    QWidget window;
    auto* outside = new QLineEdit(&window);
    auto* projectPage = new CPropProject(&host, &window);
    projectPage->setGeometry(0, 30, 600, 400);
    window.resize(600, 440);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ProjectPtr project = newProject();
    projectPage->ShowProject(project.get());

    outside->setFocus();
    projectPage->setFocus();
    QCOMPARE(QApplication::focusWidget(), projectPage);
    auto* author = projectPage->findChild<QLineEdit*>("authorEdit");
    author->setFocus();
    outside->setFocus();
    projectPage->setFocus();
    QCOMPARE(QApplication::focusWidget(), author);
  }
};

QTEST_MAIN(TestProjectPage)
#include "tst_projectpage.moc"
