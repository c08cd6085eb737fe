// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "pages/CPropProject.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <cstdint>
#include <cstring>
#include <ctime>

#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/project/records.h"
#include "engine/project/recordtext.h"
#include "platform/Platform.h"

namespace {

// Help identifiers of the page's controls.
enum ProjectControlId {
  kIdPage = 1000,
  kIdTitle = 1001,
  kIdDescription,
  kIdAuthor,
  kIdOrganisation,
  kIdFilename,
  kIdSize,
  kIdCreated,
  kIdModified,
  kIdAccessed,
  kIdVersion,
  kIdUnit,
};

// A record text that may fill its whole buffer without a terminator.
QString recordText(const char* text, int capacity) {
  return QString::fromStdString(
      RecordTextToUtf8(std::string_view(text, strnlen(text, static_cast<size_t>(capacity)))));
}

QString projectText(const Project& project, ProjectTextField field) {
  return QString::fromStdString(ProjectTextUtf8(project, field));
}

// The document's text with paragraph and line separators as '\n', but
// otherwise untouched (no-break spaces stay as they are).
QString plainDescription(const QPlainTextEdit* edit) {
  QString text = edit->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

QString formatFileTime(const struct statx_timestamp& stamp) {
  const time_t seconds = static_cast<time_t>(stamp.tv_sec);
  struct tm local {};
  if (!localtime_r(&seconds, &local)) return {};
  return QString::asprintf("%02d.%02d.%4u, %d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                           static_cast<unsigned>(local.tm_year + 1900), local.tm_hour, local.tm_min,
                           local.tm_sec);
}

QLineEdit* readOnlyField(const char* name, int id) {
  auto* field = new QLineEdit;
  field->setObjectName(QLatin1String(name));
  field->setReadOnly(true);
  // Shown on the window's colour, so it does not look like an input.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  setControlId(field, id);
  return field;
}

QLabel* rowLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

CPropProject::CPropProject(PageHost* host, QWidget* parent) : PropPage(host, parent) {
  setControlId(this, kIdPage);
  // --- tr("Project"): the editable texts.
  titleEdit_ = new QLineEdit;
  titleEdit_->setObjectName("titleEdit");
  titleEdit_->setMaxLength(kTitleLimit);
  setControlId(titleEdit_, kIdTitle);

  descriptionEdit_ = new QPlainTextEdit;
  descriptionEdit_->setObjectName("descriptionEdit");
  descriptionEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  descriptionEdit_->setTabChangesFocus(true);
  descriptionEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setControlId(descriptionEdit_, kIdDescription);

  authorEdit_ = new QLineEdit;
  authorEdit_->setObjectName("authorEdit");
  authorEdit_->setMaxLength(kAuthorLimit);
  setControlId(authorEdit_, kIdAuthor);

  organisationEdit_ = new QLineEdit;
  organisationEdit_->setObjectName("organisationEdit");
  organisationEdit_->setMaxLength(kOrganisationLimit);
  setControlId(organisationEdit_, kIdOrganisation);

  // The unit is the project's own, not a record text: any character will do.
  unitEdit_ = new QLineEdit;
  unitEdit_->setObjectName("unitEdit");
  unitEdit_->setMaxLength(kUnitLimit);
  unitEdit_->setPlaceholderText(QString::fromUtf8(kDefaultConcentrationUnit));
  unitEdit_->setToolTip(tr("The unit of C0, CA and every concentration Virelo shows"));
  setControlId(unitEdit_, kIdUnit);

  auto* projectGroup = new QGroupBox(tr("Project"));
  auto* projectGrid = new QGridLayout(projectGroup);
  projectGrid->setColumnStretch(1, 1);
  projectGrid->addWidget(rowLabel(tr("Title: "), titleEdit_), 0, 0);
  projectGrid->addWidget(titleEdit_, 0, 1);
  QLabel* descriptionLabel = rowLabel(tr("Short description:"), descriptionEdit_);
  projectGrid->addWidget(descriptionLabel, 1, 0, Qt::AlignTop);
  descriptionLabel->setContentsMargins(0, 3, 0, 0);
  projectGrid->addWidget(descriptionEdit_, 1, 1);
  projectGrid->addWidget(rowLabel(tr("Author:"), authorEdit_), 2, 0);
  projectGrid->addWidget(authorEdit_, 2, 1);
  projectGrid->addWidget(rowLabel(tr("Organisation:"), organisationEdit_), 3, 0);
  projectGrid->addWidget(organisationEdit_, 3, 1);
  projectGrid->addWidget(rowLabel(tr("Concentration unit:"), unitEdit_), 4, 0);
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unitEdit_);
  unitRow->addStretch(2);
  unitEdit_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("mg/kg dry weight")));
  projectGrid->addLayout(unitRow, 4, 1);
  // Said while typing, not after saving: the user sees which characters the
  // project file's single-byte fields keep in another form.
  storedFormNote_ = new QLabel;
  storedFormNote_->setObjectName("storedFormNote");
  storedFormNote_->setWordWrap(true);
  storedFormNote_->setTextFormat(Qt::PlainText);
  storedFormNote_->hide();
  projectGrid->addWidget(storedFormNote_, 5, 1);
  projectGrid->setRowStretch(1, 1);

  // --- tr("File information"): read-only facts about the project file.
  filenameField_ = new QPlainTextEdit;
  filenameField_->setObjectName("filenameField");
  filenameField_->setReadOnly(true);
  filenameField_->setFrameShape(QFrame::NoFrame);
  filenameField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  filenameField_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  filenameField_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  filenameField_->setBackgroundVisible(false);
  filenameField_->viewport()->setAutoFillBackground(false);
  filenameField_->document()->setDocumentMargin(2);
  filenameField_->setFixedHeight(2 * fontMetrics().lineSpacing() + 8);
  filenameField_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  filenameField_->setFocusPolicy(Qt::ClickFocus);
  setControlId(filenameField_, kIdFilename);

  sizeField_ = readOnlyField("sizeField", kIdSize);
  createdField_ = readOnlyField("createdField", kIdCreated);
  modifiedField_ = readOnlyField("modifiedField", kIdModified);
  accessedField_ = readOnlyField("accessedField", kIdAccessed);
  versionField_ = readOnlyField("versionField", kIdVersion);

  auto* fileGroup = new QGroupBox(tr("File information"));
  auto* fileGrid = new QGridLayout(fileGroup);
  QLabel* filenameLabel = rowLabel(tr("Filename:"), filenameField_);
  filenameLabel->setContentsMargins(0, 2, 0, 0);
  fileGrid->addWidget(filenameLabel, 0, 0, Qt::AlignTop);
  fileGrid->addWidget(filenameField_, 0, 1, 1, 4);
  // Two columns: size and version on the left, the three times on the right.
  fileGrid->addWidget(rowLabel(tr("Size:"), sizeField_), 1, 0);
  fileGrid->addWidget(sizeField_, 1, 1);
  fileGrid->addWidget(rowLabel(tr("Version:"), versionField_), 2, 0);
  fileGrid->addWidget(versionField_, 2, 1);
  fileGrid->addWidget(rowLabel(tr("Created:"), createdField_), 1, 3);
  fileGrid->addWidget(createdField_, 1, 4);
  fileGrid->addWidget(rowLabel(tr("Modified:"), modifiedField_), 2, 3);
  fileGrid->addWidget(modifiedField_, 2, 4);
  fileGrid->addWidget(rowLabel(tr("Last access:"), accessedField_), 3, 3);
  fileGrid->addWidget(accessedField_, 3, 4);
  fileGrid->setColumnStretch(1, 1);
  fileGrid->setColumnStretch(4, 1);
  fileGrid->setColumnMinimumWidth(2, 12);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(6);
  layout->addWidget(projectGroup, 1);
  layout->addWidget(fileGroup);

  // Both groups' label columns line up.
  const int labelWidth = fontMetrics().horizontalAdvance(tr("Short description:")) + 4;
  projectGrid->setColumnMinimumWidth(0, labelWidth);
  fileGrid->setColumnMinimumWidth(0, labelWidth);

  for (QLineEdit* edit : {titleEdit_, authorEdit_, organisationEdit_}) {
    connect(edit, &QLineEdit::textChanged, this, &CPropProject::OnTextChanged);
    connect(edit, &QLineEdit::textChanged, this, &CPropProject::ShowStoredForms);
  }
  connect(unitEdit_, &QLineEdit::textChanged, this, &CPropProject::OnTextChanged);
  connect(descriptionEdit_, &QPlainTextEdit::textChanged, this, [this] {
    LimitDescription();
    OnTextChanged();
    ShowStoredForms();
  });

  pageModified = false;
  trackingChanges = true;
}

void CPropProject::OnTextChanged() {
  if (trackingChanges) pageModified = true;
}

void CPropProject::ShowStoredForms() {
  std::vector<RecordTextReplacement> replaced;
  for (const QString& text : {titleEdit_->text(), plainDescription(descriptionEdit_), authorEdit_->text(),
                              organisationEdit_->text()}) {
    std::vector<RecordTextReplacement> more;
    ClosestRecordText(text.toStdString(), &more);
    for (RecordTextReplacement& r : more) {
      bool listed = false;
      for (const RecordTextReplacement& seen : replaced) listed = listed || seen.character == r.character;
      if (!listed) replaced.push_back(std::move(r));
    }
  }
  storedFormNote_->setVisible(!replaced.empty());
  if (replaced.empty()) return storedFormNote_->clear();
  storedFormNote_->setText(
      tr("The project file's single-byte fields keep %1; the full texts are kept in its settings.")
          .arg(QString::fromStdString(DescribeReplacements(replaced))));
}

// A multi-line edit has no length limit of its own: whatever was just typed
// or pasted beyond the limit is taken out again before the cursor.
void CPropProject::LimitDescription() {
  if (limitingDescription_) return;
  QTextDocument* document = descriptionEdit_->document();
  const int excess = document->characterCount() - 1 - kDescriptionLimit;
  if (excess <= 0) return;
  limitingDescription_ = true;
  QTextCursor cursor = descriptionEdit_->textCursor();
  int end = cursor.position();
  if (end < excess) end = document->characterCount() - 1;
  cursor.setPosition(end - excess);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  descriptionEdit_->setTextCursor(cursor);
  limitingDescription_ = false;
}

int CPropProject::ShowProject(Project* project) {
  if (!project) return 1;
  titleEdit_->setText(projectText(*project, ProjectTextField::kTitle));
  QString description = projectText(*project, ProjectTextField::kDescription);
  description.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  descriptionEdit_->setPlainText(description);
  authorEdit_->setText(projectText(*project, ProjectTextField::kAuthor));
  organisationEdit_->setText(projectText(*project, ProjectTextField::kOrganisation));
  versionField_->setText(recordText(project->version, kVersionCapacity));
  unitEdit_->setText(QString::fromStdString(virelo_SettingsOf(*project).concentrationUnit));

  const QByteArray path(project->path, static_cast<qsizetype>(strnlen(project->path, kPathCapacity)));
  if (!path.isEmpty()) {
    // The path is the file system's bytes, not a Latin-1 text.
    filenameField_->setPlainText(QFile::decodeName(path));
    ShowFileInformation(path);
  } else {
    filenameField_->clear();
    ClearFileInformation();
  }
  pageModified = false;
  return 1;
}

int CPropProject::ApplyToProject(Project* project) {
  if (!project) return 0;
  SetProjectTextUtf8(project, ProjectTextField::kTitle, titleEdit_->text().left(kTitleLimit).toStdString());
  SetProjectTextUtf8(project, ProjectTextField::kDescription,
                     plainDescription(descriptionEdit_).left(kDescriptionLimit).toStdString());
  SetProjectTextUtf8(project, ProjectTextField::kAuthor,
                     authorEdit_->text().left(kAuthorLimit).toStdString());
  SetProjectTextUtf8(project, ProjectTextField::kOrganisation,
                     organisationEdit_->text().left(kOrganisationLimit).toStdString());
  // An emptied field means the default unit: a concentration is never shown
  // without one.
  QString unit = unitEdit_->text().trimmed().left(kUnitLimit);
  unit.remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")));
  const std::string utf8 = unit.isEmpty() ? std::string(kDefaultConcentrationUnit) : unit.toStdString();
  if (utf8 != virelo_SettingsOf(*project).concentrationUnit)
    virelo_Extras(project).settings.concentrationUnit = utf8;
  return 1;
}

void CPropProject::ClearFileInformation() {
  sizeField_->clear();
  createdField_->clear();
  modifiedField_->clear();
  accessedField_->clear();
}

void CPropProject::ShowFileInformation(const QByteArray& path) {
  struct statx entry {};
  if (statx(AT_FDCWD, path.constData(), 0, STATX_BASIC_STATS | STATX_BTIME, &entry) != 0) {
    ClearFileInformation();
    return;
  }
  sizeField_->setText(tr("%1 Bytes").arg(static_cast<uint32_t>(entry.stx_size)));
  // Not every file system records a creation time; the field then stays empty.
  if (entry.stx_mask & STATX_BTIME)
    createdField_->setText(formatFileTime(entry.stx_btime));
  else
    createdField_->clear();
  modifiedField_->setText(formatFileTime(entry.stx_mtime));
  accessedField_->setText(formatFileTime(entry.stx_atime));
}
