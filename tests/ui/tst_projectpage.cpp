// The project page on its own: texts to and from the record, the edit limits,
// and the file information read from the file system.
#include <fcntl.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <ctime>
#include <memory>

#include "app/Platform.h"
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

// The expected text of a file time, formatted independently of the page.
QString localStamp(qint64 seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString("dd.MM.yyyy, H:mm:ss");
}

void writeFile(const QString& name, qsizetype size) {
  QFile file(name);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(QByteArray(size, 'v')), size);
}

void setPath(Project* project, const QString& name) {
  const QByteArray bytes = QFile::encodeName(name);
  QVERIFY(bytes.size() < kPathCapacity);
  std::memset(project->path, 0, sizeof project->path);
  std::memcpy(project->path, bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Types text that need not be Latin-1 (keyClicks takes single bytes only).
void typeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

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
    page->resize(680, 460);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
  }
  void cleanup() { page.reset(); }

  void showingDoesNotMarkButTypingDoes_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("title") << "titleEdit";
    QTest::newRow("description") << "descriptionEdit";
    QTest::newRow("author") << "authorEdit";
    QTest::newRow("organisation") << "organisationEdit";
  }
  void showingDoesNotMarkButTypingDoes() {
    QFETCH(QString, control);
    ProjectPtr project = newProject();
    std::strcpy(project->author, "A. Hydro");
    QVERIFY(!page->pageModified);
    QCOMPARE(page->ShowProject(project.get()), 1);
    QVERIFY(!page->pageModified);
    QCOMPARE(field("titleEdit"), QString("NewProject"));
    QCOMPARE(field("authorEdit"), QString("A. Hydro"));

    QWidget* target = page->findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClicks(target, "xy");
    QVERIFY(page->pageModified);
    // Showing again clears the flag and the typed text.
    page->ShowProject(project.get());
    QVERIFY(!page->pageModified);
    QCOMPARE(field("authorEdit"), QString("A. Hydro"));
  }

  void textsGoIntoTheRecordWithinTheirLimits() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    edit("titleEdit")->clear();
    QTest::keyClicks(edit("titleEdit"), QString(300, 'T'));
    QTest::keyClicks(edit("authorEdit"), "Jane Doe");
    QTest::keyClicks(edit("organisationEdit"), QString(260, 'O'));
    QCOMPARE(page->ApplyToProject(project.get()), 1);
    QCOMPARE(QByteArray(project->title), QByteArray(254, 'T'));
    QCOMPARE(QByteArray(project->author), QByteArray("Jane Doe"));
    QCOMPARE(QByteArray(project->organisation), QByteArray(254, 'O'));
    // Version and path are not the page's to write.
    QCOMPARE(QByteArray(project->version), QByteArray("VIRELO 1.0"));
    QCOMPARE(project->path[0], '\0');
  }

  void fullDescriptionWithLineBreaksRoundTrips() {
    // 1023 characters, lines of 30 with a break after each.
    QString text;
    while (text.size() < CPropProject::kDescriptionLimit)
      text += (text.size() % 31 == 30) ? QChar('\n') : QChar(char16_t('a' + text.size() % 26));
    QCOMPARE(text.size(), 1023);
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
    QCOMPARE(copy->description[1023], '\0');

    // Enter starts a new line inside the description.
    description()->clear();
    QTest::keyClicks(description(), "one");
    QTest::keyClick(description(), Qt::Key_Return);
    QTest::keyClicks(description(), "two");
    page->ApplyToProject(copy.get());
    QCOMPARE(QByteArray(copy->description), QByteArray("one\ntwo"));
  }

  void charactersOutsideLatin1BecomeQuestionMarks() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    edit("titleEdit")->clear();
    typeText(edit("titleEdit"), QString::fromUtf8("Zoë €uro"));
    edit("authorEdit")->setText(QString::fromUtf8("Ana \U0001F30A Lee"));  // one character, two units
    page->ApplyToProject(project.get());
    QCOMPARE(QByteArray(project->title), QByteArray("Zo\xEB ?uro"));
    QCOMPARE(QByteArray(project->author), QByteArray("Ana ? Lee"));
    // Latin-1 texts come back as they were.
    page->ShowProject(project.get());
    QCOMPARE(field("titleEdit"), QString::fromUtf8("Zoë ?uro"));
  }

  void newProjectShowsNoFileInformation() {
    ProjectPtr project = newProject();
    page->ShowProject(project.get());
    QCOMPARE(filename(), QString());
    for (const char* name : {"sizeField", "createdField", "modifiedField", "accessedField"})
      QCOMPARE(field(name), QString());
    QCOMPARE(field("versionField"), QString("VIRELO 1.0"));
  }

  void savedFileShowsSizeAndTimes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath("site.vrp");
    writeFile(name, 123456);
    // Modified on 6 December 2026 at 01:05:09 local time.
    struct tm local {};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 6;
    local.tm_hour = 1;
    local.tm_min = 5;
    local.tm_sec = 9;
    local.tm_isdst = -1;
    const time_t modified = mktime(&local);
    const struct timespec times[2] = {{modified - 3600, 0}, {modified, 0}};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(name).constData(), times, 0), 0);

    ProjectPtr project = newProject();
    setPath(project.get(), name);
    page->ShowProject(project.get());
    QCOMPARE(filename(), name);
    QCOMPARE(field("sizeField"), QString("123456 Bytes"));
    QCOMPARE(field("modifiedField"), QString("06.12.2026, 1:05:09"));
    QCOMPARE(field("accessedField"), localStamp(modified - 3600));

    struct statx entry {};
    QCOMPARE(statx(AT_FDCWD, QFile::encodeName(name).constData(), 0, STATX_BTIME, &entry), 0);
    if (entry.stx_mask & STATX_BTIME)
      QCOMPARE(field("createdField"), localStamp(entry.stx_btime.tv_sec));
    else
      QCOMPARE(field("createdField"), QString());
    QVERIFY(!page->pageModified);

    // Removed behind the program's back: the path stays, the facts go.
    QVERIFY(QFile::remove(name));
    page->ShowProject(project.get());
    QCOMPARE(filename(), name);
    for (const char* field_name : {"sizeField", "createdField", "modifiedField", "accessedField"})
      QCOMPARE(field(field_name), QString());
    QCOMPARE(field("versionField"), QString("VIRELO 1.0"));
  }

  void pathWithNonAsciiLettersIsShownAsTheFileSystemNamesIt() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath(QString::fromUtf8("Grundwasser-Überprüfung ß Łódź.vrp"));
    writeFile(name, 42);
    ProjectPtr project = newProject();
    setPath(project.get(), name);
    page->ShowProject(project.get());
    QCOMPARE(filename(), name);
    QCOMPARE(field("sizeField"), QString("42 Bytes"));
  }

  void controlsCarryHelpIdentifiers() {
    QSet<int> ids;
    const char* names[] = {"titleEdit",     "descriptionEdit", "authorEdit",   "organisationEdit",
                           "filenameField", "sizeField",       "createdField", "modifiedField",
                           "accessedField", "versionField"};
    for (const char* name : names) {
      QWidget* w = page->findChild<QWidget*>(name);
      QVERIFY2(w, name);
      QVERIFY2(controlId(w) > 0, name);
      ids.insert(controlId(w));
    }
    QCOMPARE(ids.size(), int(std::size(names)));
  }
};

QTEST_MAIN(TestProjectPage)
#include "tst_projectpage.moc"
