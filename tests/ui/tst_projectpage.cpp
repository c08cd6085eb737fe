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
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>

#include "engine/project/records.h"
#include "pages/CPropProject.h"
#include "persistence/extras_json.h"
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

  void textsGoIntoTheRecordWithinLimitsAndAsWindows1252() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    QTest::keyClicks(edit("titleEdit"), QString(300, 'T'));
    typeText(edit("authorEdit"), QString::fromUtf8("Zoë €uro – Müller"));
    edit("organisationEdit")->setText(QString::fromUtf8("Ana \U0001F30A Lee"));  // two UTF-16 units
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(QByteArray(project->title), "NewProject" + QByteArray(244, 'T'));
    QCOMPARE(QByteArray(project->author), QByteArray("Zo\xEB \x80uro \x96 M\xFCller"));
    QCOMPARE(QByteArray(project->organisation), QByteArray("Ana ? Lee"));
    QCOMPARE(QByteArray(project->version), QByteArray("VIRELO 1.0"));  // not the page's to write
    page->ShowProject(project.get());
    QCOMPARE(field("authorEdit"), QString::fromUtf8("Zoë €uro – Müller"));
    QCOMPARE(field("organisationEdit"), QString::fromUtf8("Ana \U0001F30A Lee"));  // the full form
  }

  // The edits keep what the user types; a note under them says, as it is
  // typed, what the project file's single-byte fields keep instead.
  void charactersBeyondTheFileFieldsAreKeptAndNamed() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    auto* note = page->findChild<QLabel*>("storedFormNote");
    QVERIFY(note);
    QVERIFY(note->isHidden());
    edit("titleEdit")->clear();
    typeText(edit("titleEdit"), QString::fromUtf8("Łódź – €"));  // en dash and euro fit
    QCOMPARE(field("titleEdit"), QString::fromUtf8("Łódź – €"));
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QString::fromUtf8("\"Ł\" as \"L\", \"ź\" as \"z\"")),
             qPrintable(note->text()));
    QVERIFY(!note->text().contains(QString::fromUtf8("–")));

    description()->clear();
    typeText(description(), QString::fromUtf8("α-HCH"));
    QTest::keyClick(description(), Qt::Key_Return);
    QApplication::clipboard()->setText(QString::fromUtf8("Zoë 🌊 €5"));
    description()->paste();
    QCOMPARE(description()->toPlainText(), QString::fromUtf8("α-HCH\nZoë 🌊 €5"));
    QVERIFY(note->text().contains(QString::fromUtf8("\"α\" as \"alpha\"")));
    QVERIFY(note->text().contains(QString::fromUtf8("\"🌊\" as \"?\"")));
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(QByteArray(project->title), QByteArray("L\xF3"
                                                    "dz \x96 \x80"));
    QCOMPARE(QByteArray(project->description), QByteArray("alpha-HCH\nZo\xEB ? \x80"
                                                          "5"));

    // Shown again from the project, the full forms return.
    page->ShowProject(project.get());
    QCOMPARE(field("titleEdit"), QString::fromUtf8("Łódź – €"));
    QCOMPARE(description()->toPlainText(), QString::fromUtf8("α-HCH\nZoë 🌊 €5"));
    // Back to texts that fit: the note goes, and so do the full forms.
    edit("titleEdit")->setText("Plain");
    description()->setPlainText("Plain");
    QVERIFY(note->isHidden());
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QVERIFY(ExtrasAreDefault(*project));
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
