// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "platform/HelpViewer.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "platform/ManualHelp.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"

const ManualHelp& ManualHelp::builtIn() {
  // The manual is compiled into the program, so help never depends on files
  // found at run time.
  static const ManualHelp manual = [] {
    QFile file(QStringLiteral(":/manual/manual.md"));
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    return ManualHelp(text, QStringLiteral(VIRELO_VERSION));
  }();
  return manual;
}

HelpWindow::HelpWindow(const ManualHelp& manual, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser), contents_(new QTreeWidget) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(tr("Virelo Help"));
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  // Links within the manual scroll; others go to the desktop like every link.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty())
      browser_->scrollToAnchor(url.fragment());
    else
      Platform::instance().openUrl(url);
  });
  auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(closeKey, &QShortcut::activated, this, &QWidget::close);
  manual.layOut(browser_->document());
  browser_->document()->setDocumentMargin(16);

  // The contents: chapters with their sections, as the manual numbers them.
  contents_->setObjectName(QStringLiteral("helpContents"));
  contents_->setHeaderHidden(true);
  contents_->setColumnCount(1);
  QTreeWidgetItem* chapter = nullptr;
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 2 || block.text().isEmpty()) continue;
    if (level == 1 || !chapter) {
      chapter = new QTreeWidgetItem(contents_, {block.text()});
    } else {
      new QTreeWidgetItem(chapter, {block.text()});
    }
  }
  // Mouse or arrow keys: the section follows the contents' current item.
  connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item && item->text(0) != section_) showSection(item->text(0));
  });

  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({280, 620});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // The manual is written in English only; a German or Dutch reader is told
  // so in their language before reading it.
  if (help::language() != QLatin1String("en")) {
    auto* note =
        new QLabel(tr("The manual is available in English only. The What's-this texts (Shift+F1) "
                      "are in the language of the windows."));
    note->setObjectName(QStringLiteral("helpLanguageNote"));
    note->setWordWrap(true);
    note->setContentsMargins(10, 6, 10, 6);
    layout->addWidget(note);
  }
  layout->addWidget(splitter, 1);
  OpenAtSessionSize(this, QSize(940, 660));
}

void HelpWindow::showSection(const QString& heading) {
  section_ = heading;
  const QList<QTreeWidgetItem*> found = contents_->findItems(heading, Qt::MatchExactly | Qt::MatchRecursive);
  if (heading.isEmpty() || found.isEmpty()) {
    contents_->setCurrentItem(nullptr);
    browser_->moveCursor(QTextCursor::Start);
    browser_->ensureCursorVisible();
    return;
  }
  QTreeWidgetItem* item = found.first();
  if (item->parent()) item->parent()->setExpanded(true);
  contents_->setCurrentItem(item);
  browser_->scrollToAnchor(heading);
}

namespace help {
namespace {
QPointer<HelpWindow> openWindow;
QString helpLanguage = QStringLiteral("en");

// The translated paragraphs, marked by control as the manual marks them.
ManualHelp readTexts(const QString& resource) {
  QFile file(resource);
  return ManualHelp(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
}

const ManualHelp& translatedTexts(const QString& code) {
  static const ManualHelp german = readTexts(QStringLiteral(":/manual/whatsthis_de.md"));
  static const ManualHelp dutch = readTexts(QStringLiteral(":/manual/whatsthis_nl.md"));
  static const ManualHelp none{QString()};
  return code == QLatin1String("de") ? german : code == QLatin1String("nl") ? dutch : none;
}
}  // namespace

void setLanguage(const QString& code) {
  helpLanguage = code;
}

QString language() {
  return helpLanguage;
}

QString whatsThisText(int controlId, const QString& code) {
  const QString translated = translatedTexts(code).text(controlId);
  return translated.isEmpty() ? ManualHelp::builtIn().text(controlId) : translated;
}

bool showTopic(int controlId) {
  const ManualHelp& manual = ManualHelp::builtIn();
  if (manual.isEmpty()) return false;
  // A modal dialog blocks every window that is not its own, so the help
  // window belongs to the dialog that asks.
  QWidget* owner = QApplication::activeModalWidget();
  if (openWindow && openWindow->parentWidget() != owner) delete openWindow;
  if (!openWindow) {
    openWindow = new HelpWindow(manual, owner);
    openWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  openWindow->show();
  openWindow->raise();
  openWindow->activateWindow();
  openWindow->showSection(manual.section(controlId));
  return true;
}

bool showPopup(int controlId, const QPoint& at) {
  const QString text = whatsThisText(controlId, helpLanguage);
  if (text.isEmpty()) return false;
  QWhatsThis::showText(at.isNull() ? QCursor::pos() : at, ManualHelp::toHtml(text),
                       QApplication::activeWindow());
  return true;
}

void closeWindow() {
  delete openWindow;
}

HelpWindow* window() {
  return openWindow;
}

}  // namespace help
