// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The about box and its links: texts, the splash behaviour, how the links
// look and where they lead.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "app/AboutDialog.h"
#include "app/HyperLink.h"
#include "support/FakePlatform.h"

namespace {
// Counts the pixels of exactly this colour in a picture of the widget.
int pixelsOf(QWidget* widget, QColor colour) {
  const QImage image = widget->grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).rgb() == colour.rgb()) ++n;
  return n;
}
}  // namespace

class TestAbout : public QObject {
  Q_OBJECT

 private slots:
  void textsAndLayout();
  void splashClosesByItselfAndOnOk();
  void splashSitsInTheMiddleOfTheScreen();
  void plainBoxWaitsForTheUser();
  void linksLookLikeLinks();
  void linksOpenTheirTargets();
};

void TestAbout::textsAndLayout() {
  AboutDialog about;
  QCOMPARE(about.windowTitle(), QStringLiteral("About Virelo 1.0"));
  QCOMPARE(about.splashTime, 0);
  QCOMPARE(about.versionField->text(), QStringLiteral("Version:\t\t1.0.1\nBuild-No:\t20041214-1"));
  QCOMPARE(about.findChild<QLabel*>("purposeLabel")->text(),
           QStringLiteral("Decision support for applying Monitored Natural\nAttenuation at Megasites"));
  QStringList groups;
  for (QGroupBox* box : about.findChildren<QGroupBox*>()) groups << box->title();
  QCOMPARE(groups, QStringList({"General Informations", "Copyright", "Realisation"}));
  QString labels;
  for (QLabel* label : about.findChildren<QLabel*>()) labels += label->text() + '\n';
  QVERIFY2(labels.contains("GPL-3.0-or-later") && !labels.contains("All rights reserved"),
           qPrintable(labels));
  QVERIFY(about.okButton->isDefault());
  // The acknowledgement: one read-only, centred paragraph of about 700 characters.
  QVERIFY(about.acknowledgementText->isReadOnly());
  const QString text = about.acknowledgementText->toPlainText();
  QVERIFY(text.size() > 600 && text.size() < 800);
  QVERIFY(!text.contains('\n'));
  QCOMPARE(about.acknowledgementText->document()->firstBlock().blockFormat().alignment() &
               Qt::AlignHorizontal_Mask,
           Qt::AlignHCenter);
  // The visible link texts are the addresses.
  QCOMPARE(about.institutionAddressLink->text(), QStringLiteral(VIRELO_INSTITUTION_URL));
  QCOMPARE(about.makerAddressLink->text(), QStringLiteral(VIRELO_MAKER_URL));
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QCOMPARE(about.minimumSize(), about.maximumSize());
}

void TestAbout::splashClosesByItselfAndOnOk() {
  {
    // The time is shortened; the box must end by itself, as OK ends it.
    AboutDialog splash(nullptr, 40);
    QCOMPARE(splash.windowTitle(), QStringLiteral("Virelo 1.0 Loading ..."));
    QCOMPARE(splash.exec(), int(QDialog::Accepted));
  }
  {
    AboutDialog splash(nullptr, 1200);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(splash.okButton, Qt::LeftButton);
    QVERIFY(!splash.isVisible());
    QCOMPARE(splash.result(), int(QDialog::Accepted));
  }
}

void TestAbout::splashSitsInTheMiddleOfTheScreen() {
  // At start-up the owner exists but is not shown yet.
  QWidget owner;
  owner.resize(200, 100);
  AboutDialog splash(&owner, 1200);
  splash.show();
  QVERIFY(QTest::qWaitForWindowExposed(&splash));
  // Within the width of a window frame of the middle.
  const QPoint offCentre = splash.geometry().center() - splash.screen()->availableGeometry().center();
  QVERIFY2(offCentre.manhattanLength() <= 10, qPrintable(QString::number(offCentre.manhattanLength())));
  splash.accept();
}

void TestAbout::plainBoxWaitsForTheUser() {
  AboutDialog about;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QTest::qWait(50);
  QVERIFY(about.isVisible());
  QCOMPARE(about.windowTitle(), QStringLiteral("About Virelo 1.0"));
  QTest::keyClick(&about, Qt::Key_Return);
  QVERIFY(!about.isVisible());
  QCOMPARE(about.result(), int(QDialog::Accepted));
  about.show();
  QTest::keyClick(&about, Qt::Key_Escape);
  QVERIFY(!about.isVisible());
  QCOMPARE(about.result(), int(QDialog::Rejected));
}

void TestAbout::linksLookLikeLinks() {
  AboutDialog about;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  const QColor blue(0, 0, 255);
  for (HyperLink* link : {about.institutionAddressLink, about.makerAddressLink}) {
    QVERIFY(pixelsOf(link, blue) > 0);
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }
  for (HyperLink* link : {about.institutionLogoLink, about.makerLogoLink}) {
    QVERIFY(!link->pixmap().isNull());
    // The picture keeps its own colours: what is drawn is the picture.
    const QImage drawn = link->grab().toImage();
    const QImage picture = link->pixmap().toImage();
    const QPoint offset((drawn.width() - picture.width()) / 2, (drawn.height() - picture.height()) / 2);
    QCOMPARE(drawn.pixelColor(offset + QPoint(picture.width() / 3, picture.height() / 2)).rgb(),
             picture.pixelColor(picture.width() / 3, picture.height() / 2).rgb());
    QVERIFY(!link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }
  // A link with no cursor shows the default one.
  HyperLink plain;
  plain.applyCursor();
  QCOMPARE(plain.cursor().shape(), Qt::ArrowCursor);
  QCOMPARE(plain.target, QStringLiteral(VIRELO_MAKER_URL));
}

void TestAbout::linksOpenTheirTargets() {
  FakePlatform platform;
  AboutDialog about;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(about.institutionLogoLink, Qt::LeftButton);
  QTest::mouseClick(about.institutionAddressLink, Qt::LeftButton);
  QTest::mouseClick(about.makerLogoLink, Qt::LeftButton);
  QTest::mouseClick(about.makerAddressLink, Qt::LeftButton);
  const QUrl institution(QStringLiteral(VIRELO_INSTITUTION_URL));
  const QUrl maker(QStringLiteral(VIRELO_MAKER_URL));
  QCOMPARE(platform.openedUrls, QList<QUrl>({institution, institution, maker, maker}));
  // A press that ends outside the link is no click.
  QTest::mousePress(about.makerAddressLink, Qt::LeftButton);
  QTest::mouseRelease(about.makerAddressLink, Qt::LeftButton, {}, QPoint(-5, -5));
  QCOMPARE(platform.openedUrls.size(), 4);
  QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
