// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The contaminant database editor driven like a user would: typing, leaving
// fields, clicking, and ending with OK or Abbrechen.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "engine/project/records.h"
#include "pages/ContaminantEditorDialog.h"
#include "support/FakePlatform.h"

namespace {

// A malloc'ed list as the Data command hands it over.
Contaminant* makeList(std::initializer_list<const char*> names) {
  auto* list = static_cast<Contaminant*>(std::calloc(names.size(), sizeof(Contaminant)));
  int i = 0;
  for (const char* name : names) std::strncpy(list[i++].name, name, kNameCapacity - 1);
  return list;
}

// Captures what is written to standard output while it lives.
class StdoutCapture {
 public:
  StdoutCapture() {
    file_.open();
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    dup2(file_.handle(), STDOUT_FILENO);
  }
  ~StdoutCapture() { restore(); }
  QString text() {
    restore();
    file_.seek(0);
    return QString::fromLatin1(file_.readAll());
  }

 private:
  void restore() {
    if (saved_ < 0) return;
    std::fflush(stdout);
    dup2(saved_, STDOUT_FILENO);
    close(saved_);
    saved_ = -1;
  }
  QTemporaryFile file_;
  int saved_ = -1;
};

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT

 private:
  // One dialog run on a working list; the list is released afterwards, as
  // the caller would after the dialog (whatever the dialog did to it).
  struct Run {
    explicit Run(Contaminant* list, int count) {
      dialog.workingList = list;
      dialog.workingCount = count;
    }
    ~Run() { std::free(dialog.workingList); }
    bool open() {
      dialog.show();
      dialog.activateWindow();
      return QTest::qWaitForWindowActive(&dialog);
    }
    template <typename T>
    T* find(const char* name) {
      return dialog.findChild<T*>(QLatin1String(name));
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QListWidget* list() { return find<QListWidget>("contaminantList"); }
    QComboBox* group() { return find<QComboBox>("groupCombo"); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // Types into an edit as the user does: focus in, replace, type.
    void type(const char* name, const QString& text) {
      QLineEdit* e = edit(name);
      e->setFocus(Qt::MouseFocusReason);
      e->selectAll();
      if (text.isEmpty()) QTest::keyClick(e, Qt::Key_Delete);
      for (QChar ch : text) {
        if (ch.unicode() < 0x80)
          QTest::keyClick(e, ch.toLatin1());
        else  // beyond ASCII: a key event carrying the character
          QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      }
    }
    // Moves the keyboard focus to the list, leaving whatever edit had it.
    void leave() { list()->setFocus(Qt::MouseFocusReason); }
    void selectRow(int row) {
      QListWidget* l = list();
      QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    int selectedRow() {
      const QList<QListWidgetItem*> items = list()->selectedItems();
      return items.size() == 1 ? list()->row(items.first()) : -1;
    }
    // The record at `row` is a fresh "unnamed contaminant", selected and shown.
    void expectUnnamedShown(int row) {
      const Contaminant& r = dialog.workingList[row];
      QCOMPARE(QString(r.name), QString("unnamed contaminant"));
      QVERIFY(r.group == 0 && r.assess == 0 && r.valueMask == 0 && r.lambdaMask == 0);
      QCOMPARE(list()->item(row)->text(), QString("unnamed contaminant"));
      QCOMPARE(selectedRow(), row);
      QCOMPARE(dialog.currentIndex, row);
      QCOMPARE(group()->currentText(), QString("BTEX"));
      QCOMPARE(edit("nameEdit")->text(), QString("unnamed contaminant"));
      for (const char* name : kNumberEdits) QVERIFY2(edit(name)->text().isEmpty(), name);
    }
    ContaminantEditorDialog dialog;
  };

  FakePlatform* platform_ = nullptr;

  static const char* const kNumberEdits[9];

 private slots:
  void init() { platform_ = new FakePlatform; }
  void cleanup() {
    delete platform_;
    platform_ = nullptr;
  }

  void opensOnEmptyListAndAddsUnnamedRecords() {
    Run empty(nullptr, 0);
    QVERIFY(empty.open());
    QCOMPARE(empty.dialog.windowTitle(), QString("Edit contaminant data"));
    QCOMPARE(empty.dialog.workingCount, 1);
    QCOMPARE(empty.list()->count(), 1);
    empty.expectUnnamedShown(0);
    QCOMPARE(empty.group()->count(), 8);
    QCOMPARE(empty.group()->itemText(7), QString("Other"));

    Run run(makeList({"Benzene", "Toluene"}), 2);
    run.dialog.workingList[0].group = 4;
    QVERIFY(run.open());
    QCOMPARE(run.group()->currentText(), QString("PAH"));
    run.type("aerobicEdit", "0.25");
    run.click("addButton");
    QCOMPARE(run.dialog.workingList[0].lambdaAerobic, 0.25);  // the record left keeps what was typed
    QCOMPARE(run.dialog.workingCount, 3);
    run.expectUnnamedShown(2);

    // The pictures stand in for "&+" / "&-": their mnemonics still work.
    QVERIFY(!run.find<QPushButton>("addButton")->icon().isNull());
    QTest::keyClick(&run.dialog, Qt::Key_Plus, Qt::AltModifier);
    QCOMPARE(run.dialog.workingCount, 4);
    QTest::keyClick(&run.dialog, Qt::Key_Minus, Qt::AltModifier);
    QCOMPARE(run.dialog.workingCount, 3);
  }

  void removeShowsFollowerThenNewLastThenNothing() {
    Run run(makeList({"Benzene", "Toluene", "Xylene"}), 3);
    run.dialog.workingList[2].lambdaAerobic = 0.5;
    run.dialog.workingList[2].lambdaMask = kLambdaAerobic;
    QVERIFY(run.open());
    run.selectRow(1);
    QCOMPARE(run.dialog.currentIndex, 1);

    run.click("removeButton");  // in the middle: the follower takes its place
    QCOMPARE(run.dialog.workingCount, 2);
    QCOMPARE(QString(run.dialog.workingList[1].name), QString("Xylene"));
    QCOMPARE(run.list()->count(), 2);
    QCOMPARE(run.list()->item(1)->text(), QString("Xylene"));
    QCOMPARE(run.selectedRow(), 1);
    QCOMPARE(run.dialog.currentIndex, 1);
    QCOMPARE(run.edit("nameEdit")->text(), QString("Xylene"));
    QCOMPARE(run.edit("aerobicEdit")->text(), QString("0.5000000"));

    run.click("removeButton");  // the last one: the new last one is shown
    QCOMPARE(run.dialog.workingCount, 1);
    QCOMPARE(run.selectedRow(), 0);
    QCOMPARE(run.dialog.currentIndex, 0);
    QCOMPARE(run.edit("nameEdit")->text(), QString("Benzene"));
    QCOMPARE(run.edit("aerobicEdit")->text(), QString());

    run.click("removeButton");  // the only one: nothing is current any more
    QCOMPARE(run.dialog.workingCount, 0);
    QVERIFY(!run.dialog.workingList);
    QCOMPARE(run.dialog.currentIndex, -1);
    QCOMPARE(run.list()->count(), 0);
    QCOMPARE(run.edit("nameEdit")->text(), QString("Benzene"));
    // Nothing typed now could be stored anywhere: the inputs are locked.
    for (const char* name : {"nameEdit", "plumeLengthEdit", "aerobicEdit", "unknownEdit"})
      QVERIFY2(!run.edit(name)->isEnabled(), name);
    QVERIFY(!run.group()->isEnabled());
    run.click("removeButton");  // nothing to remove
    QCOMPARE(run.dialog.workingCount, 0);

    run.click("addButton");  // starts a new list
    QCOMPARE(run.dialog.workingCount, 1);
    QVERIFY(run.edit("nameEdit")->isEnabled() && run.edit("aerobicEdit")->isEnabled() &&
            run.group()->isEnabled());
    QCOMPARE(QString(run.dialog.workingList[0].name), QString("unnamed contaminant"));
    run.click("removeButton");
    run.click("okButton");
    QCOMPARE(run.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(run.dialog.workingCount, 0);
  }

  void numbersAreParsedAndRedisplayedOnLeaving() {
    Run run(makeList({"Benzene"}), 1);
    Contaminant& r = run.dialog.workingList[0];
    r.literaturePlumeLength = 80;
    r.valueMask = kValueLiteraturePlumeLength | kValueC0;
    r.c0 = 7;
    QVERIFY(run.open());
    QCOMPARE(run.edit("plumeLengthEdit")->text(), QString("80.00"));

    run.type("aerobicEdit", "1,5");
    QCOMPARE(run.edit("aerobicEdit")->text(), QString("1,5"));
    run.leave();
    QCOMPARE(run.edit("aerobicEdit")->text(), QString("1.5000000"));
    QCOMPARE(r.lambdaAerobic, 1.5);
    QVERIFY(r.lambdaMask & kLambdaAerobic);

    run.type("entriesEdit", "12.9");
    run.leave();
    QCOMPARE(run.edit("entriesEdit")->text(), QString("12"));
    QCOMPARE(r.literatureEntries, int16_t(12));
    QVERIFY(r.valueMask & kValueLiteratureEntries);

    run.type("plumeLengthEdit", "abc");
    run.leave();
    QCOMPARE(run.edit("plumeLengthEdit")->text(), QString());
    QCOMPARE(r.literaturePlumeLength, 0.0);
    QVERIFY(!(r.valueMask & kValueLiteraturePlumeLength));
    QVERIFY(r.valueMask & kValueC0);  // per-project inputs travel untouched
    QCOMPARE(r.c0, 7.0);

    // Every decay-constant edit writes its own field and bit.
    struct Field {
      const char* edit;
      double Contaminant::*field;
      int bit;
    };
    const Field fields[] = {{"aerobicEdit", &Contaminant::lambdaAerobic, kLambdaAerobic},
                            {"nitrateEdit", &Contaminant::lambdaNitrate, kLambdaNitrate},
                            {"ironEdit", &Contaminant::lambdaIron, kLambdaIron},
                            {"sulfateEdit", &Contaminant::lambdaSulfate, kLambdaSulfate},
                            {"mixedPlumesEdit", &Contaminant::lambdaMixedPlumes, kLambdaMixedPlumes},
                            {"methaneEdit", &Contaminant::lambdaMethane, kLambdaMethane},
                            {"unknownEdit", &Contaminant::lambdaUnknown, kLambdaUnknown}};
    for (int i = 0; i < 7; ++i) run.type(fields[i].edit, QString::number(i + 1) + "e-3");
    run.leave();
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(r.*fields[i].field, (i + 1) * 1e-3);
      QVERIFY(r.lambdaMask & fields[i].bit);
      QCOMPARE(run.edit(fields[i].edit)->text(), QString::asprintf("%.7f", (i + 1) * 1e-3));
    }
    run.type("ironEdit", "");
    run.leave();
    QVERIFY(!(r.lambdaMask & kLambdaIron));
    QCOMPARE(r.lambdaIron, 0.0);
    QCOMPARE(r.lambdaMask, uint16_t(0xFE & ~kLambdaIron));
  }

  // A negative decay constant is refused with the field named and the old
  // value kept; OK does not end the dialog on it. A value beyond a double
  // counts as no number, like any text that is none.
  void negativeOrOverflowingDecayConstantsAreRefused() {
    Run run(makeList({"Benzene"}), 1);
    Contaminant& r = run.dialog.workingList[0];
    virelo_SetLambda(&r, kLambdaAerobic, 0.003);
    QVERIFY(run.open());
    run.type("aerobicEdit", "-0.002");
    run.leave();
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].text,
             QString("A decay constant must not be negative; kept as it was:\naerobic: -0.002"));
    QCOMPARE(r.lambdaAerobic, 0.003);
    QVERIFY(r.lambdaMask & kLambdaAerobic);
    QCOMPARE(run.edit("aerobicEdit")->text(), QString("0.0030000"));

    run.type("nitrateEdit", "-1e-3");                          // never set before: stays absent
    QTest::keyClick(run.edit("nitrateEdit"), Qt::Key_Return);  // OK, the default button
    QCOMPARE(platform_->messages.size(), 2);
    QVERIFY(platform_->messages[1].text.endsWith("anerobic nitrate (NO3): -1e-3"));
    QVERIFY(run.dialog.isVisible());
    QVERIFY(!(r.lambdaMask & kLambdaNitrate));
    QCOMPARE(run.edit("nitrateEdit")->text(), QString());

    run.type("ironEdit", "1E400");
    run.leave();
    QVERIFY(!(r.lambdaMask & kLambdaIron));
    QCOMPARE(run.edit("ironEdit")->text(), QString());
    run.click("okButton");
    QVERIFY(!run.dialog.isVisible());
    QCOMPARE(platform_->messages.size(), 2);
  }

  void typingIsLimitedButLongValuesSurvive() {
    Run run(makeList({"Benzene"}), 1);
    Contaminant& r = run.dialog.workingList[0];
    r.lambdaAerobic = 1e45;  // "%.7f" gives 54 characters
    r.lambdaMask = kLambdaAerobic;
    QVERIFY(run.open());
    QVERIFY(run.edit("aerobicEdit")->text().size() > 50);
    run.click("okButton");
    QCOMPARE(r.lambdaAerobic, 1e45);

    Run typed(makeList({"Toluene"}), 1);
    QVERIFY(typed.open());
    typed.type("unknownEdit", QString(60, '1'));
    QCOMPARE(typed.edit("unknownEdit")->text().size(), 50);
    typed.type("nameEdit", QString(120, 'n'));
    typed.leave();
    QCOMPARE(std::strlen(typed.dialog.workingList[0].name), size_t(99));
  }

  // A record shown and left alone keeps every digit, whatever its fields'
  // formats hold; only a field the user edits takes its text.
  void valuesKeepTheirDigitsThroughDisplayFormats() {
    Run run(makeList({"Benzene", "Toluene"}), 2);
    for (int i = 0; i < 2; ++i) {
      Contaminant& r = run.dialog.workingList[i];
      r.lambdaAerobic = 0.00012345678;
      r.lambdaNitrate = 0.00000004;
      r.literaturePlumeLength = 123.456;
      r.lambdaMask = kLambdaAerobic | kLambdaNitrate;
      r.valueMask = kValueLiteraturePlumeLength;
    }
    QVERIFY(run.open());
    QCOMPARE(run.edit("nitrateEdit")->text(), QString("0.0000000"));
    run.click("okButton");
    const Contaminant& shown = run.dialog.workingList[0];
    QCOMPARE(shown.lambdaAerobic, 0.00012345678);
    QCOMPARE(shown.lambdaNitrate, 0.00000004);
    QVERIFY(shown.lambdaMask & kLambdaNitrate);
    QCOMPARE(shown.literaturePlumeLength, 123.456);
    const Contaminant& neverShown = run.dialog.workingList[1];
    QCOMPARE(neverShown.lambdaAerobic, 0.00012345678);
    QCOMPARE(neverShown.literaturePlumeLength, 123.456);
  }

  void visitedRecordsLoseTheUserDefinedBitOnly() {
    Run run(makeList({"Benzene", "Toluene", "Xylene"}), 3);
    for (int i = 0; i < 3; ++i) {
      Contaminant& r = run.dialog.workingList[i];
      r.lambdaUser = 0.3;
      r.lambdaSelected = 1;
      r.lambdaSulfate = 0.02;
      r.lambdaMask = kLambdaUser | kLambdaSulfate;
      r.c0 = 10;
      r.ca = 1;
      r.valueMask = kValueC0 | kValueCa;
      r.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    }
    QVERIFY(run.open());
    run.list()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(run.list(), Qt::Key_Down);  // keyboard selection works like the mouse
    QCOMPARE(run.dialog.currentIndex, 1);
    QCOMPARE(run.edit("nameEdit")->text(), QString("Toluene"));
    run.click("okButton");
    QCOMPARE(run.dialog.result(), int(QDialog::Accepted));
    for (int i = 0; i < 3; ++i) {
      const Contaminant& r = run.dialog.workingList[i];
      const uint16_t expected = i < 2 ? kLambdaSulfate : (kLambdaUser | kLambdaSulfate);
      QCOMPARE(r.lambdaMask, expected);
      QCOMPARE(r.lambdaUser, 0.3);
      QCOMPARE(r.lambdaSelected, int16_t(1));
      QCOMPARE(r.c0, 10.0);
      QCOMPARE(r.ca, 1.0);
      QCOMPARE(r.valueMask, uint16_t(kValueC0 | kValueCa));
      QCOMPARE(r.assess, int32_t(kAssessPlumeLength | kAssessAttenuationFactor));
    }
  }

  void renamingShowsAtOnceInPlace() {
    Run run(makeList({"Benzene", "Toluene", "Xylene"}), 3);
    QVERIFY(run.open());
    run.selectRow(1);
    run.type("nameEdit", QString::fromUtf8("Töluol €"));
    run.group()->setFocus(Qt::TabFocusReason);
    QCOMPARE(run.list()->count(), 3);
    QCOMPARE(run.list()->item(1)->text(), QString::fromUtf8("Töluol €"));
    QCOMPARE(run.selectedRow(), 1);
    QCOMPARE(run.dialog.currentIndex, 1);
    QCOMPARE(QByteArray(run.dialog.workingList[1].name), QByteArray("T\xF6luol \x80"));
    QCOMPARE(run.edit("nameEdit")->text(), QString::fromUtf8("Töluol €"));

    // A new name typed and then another entry clicked: the name lands in
    // the record it was typed for, and the clicked entry becomes current.
    run.type("nameEdit", "Toluol");
    run.selectRow(2);
    QCOMPARE(QString(run.dialog.workingList[1].name), QString("Toluol"));
    QCOMPARE(run.list()->item(1)->text(), QString("Toluol"));
    QCOMPARE(run.selectedRow(), 2);
    QCOMPARE(run.edit("nameEdit")->text(), QString("Xylene"));
  }

  void groupChangeIsStoredOnOk() {
    Run run(makeList({"Benzene", "Naphthalene"}), 2);
    QVERIFY(run.open());
    run.selectRow(1);
    run.group()->setCurrentIndex(run.group()->findText("PAH"));
    QCOMPARE(run.dialog.workingList[1].group, 0);  // stored by the next store only
    run.click("okButton");
    QCOMPARE(run.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(run.dialog.workingList[1].group, 4);
    QCOMPARE(run.dialog.workingList[0].group, 0);

    // A group code outside the table leaves the list on what it showed.
    Run odd(makeList({"Benzene", "Odd"}), 2);
    odd.dialog.workingList[0].group = 5;
    odd.dialog.workingList[1].group = 42;
    QVERIFY(odd.open());
    odd.selectRow(1);
    QCOMPARE(odd.group()->currentText(), QString("Pesticides"));
    QTest::keyClick(&odd.dialog, Qt::Key_Return);  // Enter is OK
    QCOMPARE(odd.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(odd.dialog.workingList[1].group, 5);
  }

  void cancelStoresNothing() {
    Run run(makeList({"Benzene", "Toluene"}), 2);
    run.dialog.workingList[0].lambdaAerobic = 0.1;
    run.dialog.workingList[0].lambdaMask = kLambdaAerobic | kLambdaUser;
    QVERIFY(run.open());
    run.type("aerobicEdit", "9");
    run.group()->setCurrentIndex(3);
    run.click("cancelButton");
    QCOMPARE(run.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(run.dialog.workingList[0].lambdaAerobic, 0.1);
    QCOMPARE(run.dialog.workingList[0].lambdaMask, uint16_t(kLambdaAerobic | kLambdaUser));
    QCOMPARE(run.dialog.workingList[0].group, 0);

    Run escaped(makeList({"Benzene"}), 1);
    QVERIFY(escaped.open());
    escaped.type("nameEdit", "Renamed");
    QTest::keyClick(escaped.edit("nameEdit"), Qt::Key_Escape);
    QCOMPARE(escaped.dialog.result(), int(QDialog::Rejected));
    QVERIFY(!escaped.dialog.isVisible());
    QCOMPARE(QString(escaped.dialog.workingList[0].name), QString("Benzene"));
  }

  void contextMenuOnlyInsideTheList() {
    Run run(makeList({"Benzene", "Toluene"}), 2);
    QVERIFY(run.open());
    QStringList seen;
    bool pick = false;
    // Answers every menu from inside its own event loop.
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) {
        seen << action->text();
        QVERIFY(!action->icon().isNull());
      }
      if (pick) {
        menu->setActiveAction(menu->actions().first());
        QTest::keyClick(menu, Qt::Key_Return);
      } else {
        menu->close();
      }
    });
    watcher.start(0);
    auto request = [&](QWidget* target, QPoint at) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
      QApplication::sendEvent(target, &event);
      QCoreApplication::processEvents();
    };

    request(run.find<QLabel>(nullptr), QPoint(2, 2));  // a label of the dialog
    request(&run.dialog, QPoint(1, 1));
    QVERIFY(seen.isEmpty());

    QListWidget* list = run.list();
    request(list->viewport(), QPoint(5, 5));
    QCOMPARE(seen, QStringList({"&Add contaminant", "&Remove selected"}));
    QCOMPARE(run.dialog.workingCount, 2);

    // The far corner of the list box still counts; the action runs.
    seen.clear();
    pick = true;
    const QPoint corner = list->viewport()->mapFrom(list, QPoint(list->width(), list->height()));
    request(list->viewport(), corner);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(run.dialog.workingCount, 3);
    QCOMPARE(run.selectedRow(), 2);
  }

  void contextHelpReportsAndFallsBackToAMessage() {
    Run run(makeList({"Benzene"}), 1);
    QVERIFY(run.open());
    run.edit("nameEdit")->setFocus(Qt::MouseFocusReason);
    QString output;
    {
      StdoutCapture capture;
      QTest::keyClick(run.edit("nameEdit"), Qt::Key_F1);
      output = capture.text();
    }
    QVERIFY2(output.startsWith(
                 "Debug [OnHelpInfo] - UID=0\nMessage:\nHelp for Control: 1403, CType: 1, CID: 1403, "
                 "Handle: "),
             qPrintable(output));
    QCOMPARE(platform_->helpRequests.size(), 1);
    QCOMPARE(platform_->helpRequests[0].contextId, 1403);
    QVERIFY(platform_->helpRequests[0].kind == Platform::HelpKind::Topic);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].text, QString("Failed to launch help."));
    QCOMPARE(platform_->messages[0].caption, QString("Virelo"));
    QCOMPARE(platform_->messages[0].buttons, int(Platform::Ok));
    QVERIFY(run.dialog.isVisible());  // handled: the dialog goes on

    // With help available there is no message; a What's-this click on the
    // list asks for the list's help.
    platform_->helpAvailable = true;
    QListWidget* list = run.list();
    const QPoint at = list->viewport()->rect().center();
    QHelpEvent whatsThis(QEvent::WhatsThis, at, list->viewport()->mapToGlobal(at));
    {
      StdoutCapture capture;
      QApplication::sendEvent(list->viewport(), &whatsThis);
      output = capture.text();
    }
    QVERIFY2(output.contains("Help for Control: 1400, CType: 1, CID: 1400"), qPrintable(output));
    QCOMPARE(platform_->helpRequests.size(), 2);
    QVERIFY(platform_->helpRequests[1].kind == Platform::HelpKind::Popup);
    QCOMPARE(platform_->messages.size(), 1);

    // F1 on an item of the list's menu names the item.
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      menu->setActiveAction(menu->actions().last());
      QTest::keyClick(menu, Qt::Key_F1);
    });
    watcher.start(0);
    {
      StdoutCapture capture;
      QContextMenuEvent request(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
      QApplication::sendEvent(list->viewport(), &request);
      output = capture.text();
    }
    QVERIFY2(output.contains("Help for Control: 1402, CType: 2, CID: 1402"), qPrintable(output));
    QCOMPARE(run.dialog.workingCount, 1);  // help only, no command
  }
};

const char* const EditorTest::kNumberEdits[9] = {"plumeLengthEdit", "entriesEdit", "aerobicEdit",
                                                 "nitrateEdit",     "ironEdit",    "sulfateEdit",
                                                 "mixedPlumesEdit", "methaneEdit", "unknownEdit"};

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
