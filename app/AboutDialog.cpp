// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "app/AboutDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/HyperLink.h"
#include "resources/shell_pictures.h"

namespace {
constexpr const char* kAboutVersion = "1.0.1";
constexpr const char* kAboutBuild = "20041214-1";

QLabel* centredLines(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

HyperLink* textLink(const QString& url, QWidget* parent) {
  auto* link = new HyperLink(parent);
  link->setText(url);
  link->setAlignment(Qt::AlignHCenter);
  return link;
}

HyperLink* pictureLink(const QPixmap& picture, QWidget* parent) {
  auto* link = new HyperLink(parent);
  link->setPixmap(picture);
  link->setAlignment(Qt::AlignHCenter);
  return link;
}
}  // namespace

QString AboutDialog::acknowledgement() {
  return tr(
      "Virelo helps consultants and authorities judge whether monitored natural attenuation can "
      "protect a receptor downstream of a contaminant source. For every contaminant it checks the "
      "inputs, then estimates the plume length from plug flow at the seepage velocity with "
      "first-order decay, and the attenuation factor at the receptor from a steady-state "
      "analytical centre-line solution with longitudinal dispersion, decay and the lateral and "
      "vertical spreading of a rectangular source. Each result is classed green, yellow or red "
      "against a chosen assessment range. The bundled contaminant database is deliberately "
      "sparse: its plume lengths and decay constants come from published field surveys, "
      "microcosm studies and regulatory guidance, each value with its source.");
}

QString AboutDialog::versionText() {
  return tr("Version:\t\t%1\nBuild-No:\t%2").arg(QLatin1String(kAboutVersion), QLatin1String(kAboutBuild));
}

AboutDialog::AboutDialog(QWidget* parent, int splashTimeMs) : QDialog(parent), splashTime(splashTimeMs) {
  setWindowTitle(tr("About Virelo 1.0"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

  institutionLogoLink = pictureLink(shell_pictures::institutionLogo(), this);
  institutionAddressLink = textLink(QStringLiteral(VIRELO_INSTITUTION_URL), this);
  makerLogoLink = pictureLink(shell_pictures::makerLogo(), this);
  makerAddressLink = textLink(QStringLiteral(VIRELO_MAKER_URL), this);
  institutionLogoLink->setObjectName("institutionLogoLink");
  institutionAddressLink->setObjectName("institutionAddressLink");
  makerLogoLink->setObjectName("makerLogoLink");
  makerAddressLink->setObjectName("makerAddressLink");
  for (HyperLink* link : {institutionLogoLink, institutionAddressLink, makerLogoLink, makerAddressLink}) {
    link->linkCursor = QCursor(Qt::PointingHandCursor);
    link->applyCursor();
  }
  // The institution's pair leads to the institution; the maker's pair keeps
  // the default target, the maker's address.
  institutionLogoLink->target = QStringLiteral(VIRELO_INSTITUTION_URL);
  institutionAddressLink->target = QStringLiteral(VIRELO_INSTITUTION_URL);

  // Top row: logo, purpose and version, OK.
  auto* logo = new QLabel(this);
  logo->setPixmap(shell_pictures::programLogo());
  logo->setObjectName("programLogo");
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Sunken);
  auto* purpose =
      new QLabel(tr("Decision support for applying Monitored Natural\nAttenuation at Megasites"), frame);
  purpose->setObjectName("purposeLabel");
  QFont bold = purpose->font();
  bold.setBold(true);
  purpose->setFont(bold);
  versionField = new QLabel(tr("Version:\t\t1.0\nBuild-No.:\txxxxxxx"), frame);
  versionField->setObjectName("versionField");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(purpose);
  frameLayout->addWidget(versionField);
  okButton = new QPushButton(tr("OK"), this);
  okButton->setObjectName("okButton");
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addWidget(frame, 1);
  top->addWidget(okButton, 0, Qt::AlignTop);

  // Middle: the acknowledgement across the full width.
  auto* general = new QGroupBox(tr("General Informations"), this);
  acknowledgementText = new QTextEdit(general);
  acknowledgementText->setObjectName("acknowledgementText");
  acknowledgementText->setReadOnly(true);
  acknowledgementText->setFixedHeight(176);
  auto* generalLayout = new QVBoxLayout(general);
  generalLayout->addWidget(acknowledgementText);

  // Bottom: who owns it, who made it.
  auto* copyright = new QGroupBox(tr("Copyright"), this);
  auto* copyrightLayout = new QVBoxLayout(copyright);
  copyrightLayout->addWidget(centredLines(QStringLiteral("Copyright (C) the Virelo developers\n"
                                                         "Groundwater and Remediation Research\n"
                                                         "License: GPL-3.0-or-later"),
                                          copyright));
  copyrightLayout->addWidget(institutionAddressLink);
  copyrightLayout->addWidget(institutionLogoLink);
  auto* realisation = new QGroupBox(tr("Realisation"), this);
  auto* realisationLayout = new QVBoxLayout(realisation);
  realisationLayout->addWidget(centredLines(tr("Programming and design:\n"
                                               "the Virelo developers\n"
                                               "Virelo Software Workshop"),
                                            realisation));
  realisationLayout->addWidget(makerAddressLink);
  realisationLayout->addWidget(makerLogoLink);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(copyright);
  bottom->addWidget(realisation);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(general);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Initialisation: the acknowledgement, centred, and the real version.
  acknowledgementText->setPlainText(acknowledgement());
  QTextCursor all(acknowledgementText->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);
  versionField->setText(versionText());
  setMinimumWidth(560);

  splashTimer_.setSingleShot(true);
  // The end of the splash time closes the box exactly as OK does.
  connect(&splashTimer_, &QTimer::timeout, this, &QDialog::accept);
  applyCaption();
}

void AboutDialog::applyCaption() {
  setWindowTitle(splashTime > 0 ? tr("Virelo 1.0 Loading ...") : tr("About Virelo 1.0"));
}

void AboutDialog::showEvent(QShowEvent* event) {
  applyCaption();
  // The splash comes up before the main window is on screen, so there is no
  // owner to centre on (it would land in the screen's corner): it takes the
  // middle of the screen, where the main window will appear.
  if (splashTime > 0 && !(parentWidget() && parentWidget()->isVisible()))
    if (QScreen* onScreen = screen()) move(onScreen->availableGeometry().center() - rect().center());
  if (splashTime > 0 && !splashTimer_.isActive()) splashTimer_.start(splashTime);
  QDialog::showEvent(event);
}

void AboutDialog::done(int result) {
  splashTimer_.stop();
  QDialog::done(result);
}
