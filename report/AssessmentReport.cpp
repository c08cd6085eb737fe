// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/AssessmentReport.h"

#include "platform/DecimalSign.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <cerrno>
#include <cstring>
#include <map>

#include "engine/case/projectcase.h"
#include "engine/project/transport.h"
#include "persistence/atomicfile.h"
#include "report/ReportChart.h"
#include "report/ReportLayout.h"
#include "report/ReportPagination.h"
#include "report/ReportSection.h"

namespace {

// The document is laid out in points: one unit is 1/72 inch on paper.
constexpr double kPointsPerInch = 72.0;
constexpr double kFooterHeight = 26.0;
const QMarginsF kPageMargins(16, 14, 16, 12);  // mm: left, top, right, bottom

constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kChartContaminant = QTextFormat::UserProperty + 1;
// A chart a section drew: its number among the report's drawings, and its
// size in points.
constexpr int kChartDrawing = QTextFormat::UserProperty + 2;
constexpr int kChartWidth = QTextFormat::UserProperty + 3;
constexpr int kChartHeight = QTextFormat::UserProperty + 4;
const QString kChartMark = QLatin1String(kReportChartMark);
const QString kDrawingMark = QLatin1String(kReportDrawingMark);

// --- The document.

// Every chart of the report, painted by the painter of the page it stands
// on: a centre-line chart from the project, any other as its section drew it.
class ChartObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  ChartObject(const Project& project, QChar decimalSign, std::vector<ReportDrawing> drawings, QObject* parent)
      : QObject(parent), project_(project), drawings_(std::move(drawings)), charts_(decimalSign) {}

  QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat& format) override {
    if (format.hasProperty(kChartDrawing))
      return {format.doubleProperty(kChartWidth), format.doubleProperty(kChartHeight)};
    // Two to a line, with room for the blank between them.
    const double width = (doc->pageSize().width() - 2 * doc->documentMargin() - 8) / 2;
    return {width, width * 0.6};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    // The layout also offers a chart that starts right at the edge of the
    // page being painted; it belongs to the next page, and the chart's own
    // painting would not keep to this page's clip.
    if (painter->hasClipping() && !painter->clipBoundingRect().contains(rect.adjusted(1, 1, -1, -1))) return;
    if (format.hasProperty(kChartDrawing)) {
      const int drawing = format.intProperty(kChartDrawing);
      if (drawing >= 0 && drawing < static_cast<int>(drawings_.size())) drawings_[drawing](painter, rect);
      return;
    }
    const int index = format.property(kChartContaminant).toInt();
    if (index < 0 || index >= project_.contaminantCount) return;
    // Drawn with the decay constant the steady results were computed with.
    charts_.paint(project_.aquifer, CaseModel(project_, index), painter, rect);
  }

 private:
  const Project& project_;
  std::vector<ReportDrawing> drawings_;
  ReportChartPainter charts_;
};

// Turns the chart marks of the HTML into chart objects, which the document
// layout sizes and paints through ChartObject.
void placeCharts(QTextDocument* doc) {
  QTextCursor cursor(doc);
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isImageFormat()) continue;
      const QTextImageFormat image = format.toImageFormat();
      const QString name = image.name();
      QTextCharFormat chart;
      chart.setObjectType(kChartObject);
      if (name.startsWith(kChartMark)) {
        chart.setProperty(kChartContaminant, name.mid(kChartMark.size()).toInt());
      } else if (name.startsWith(kDrawingMark)) {
        chart.setProperty(kChartDrawing, name.mid(kDrawingMark.size()).toInt());
        chart.setProperty(kChartWidth, image.width());
        chart.setProperty(kChartHeight, image.height());
      } else {
        continue;
      }
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(chart);
    }
  }
}

// Sets the columns of the robustness lines. The lines of one group (a
// contaminant's, after its heading) share tab stops set from the widest text
// of each column, measured in bold, so that no value runs past the next
// stop and shifts the rest of its line; the room left over is shared out
// evenly, so that the columns spread over the width as a table's would.
void placeRobustnessColumns(QTextDocument* doc) {
  // The text layout scales tab positions from the screen's resolution to
  // the document's paint device (points here), as it does for pixel sizes;
  // the font metrics below measure at the screen's resolution too.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 100.0;
  const double width = (doc->pageSize().width() - 2 * doc->documentMargin()) * screenDpi / kPointsPerInch;
  const double gap = 6.0 * screenDpi / kPointsPerInch;
  std::map<QString, QFontMetricsF> metricsOf;
  QTextCursor cursor(doc);
  for (QTextBlock block = doc->begin(); block.isValid();) {
    // The columns are those of a group's lines (a contaminant's robustness
    // block, as its section declares it), from the line after its heading.
    const bool group = LayoutRoleOf(block) == LayoutRole::kGroup;
    block = block.next();
    if (!group) continue;
    std::vector<QTextBlock> lines;
    std::vector<double> widest;
    for (; block.isValid() && LayoutRoleOf(block) == LayoutRole::kNone &&
           block.text().contains(QLatin1Char('\t'));
         block = block.next()) {
      lines.push_back(block);
      const QTextCharFormat format =
          block.begin() != block.end() ? block.begin().fragment().charFormat() : block.charFormat();
      QFont font = format.font().resolve(doc->defaultFont());
      font.setBold(true);
      // Two or three fonts serve thousands of lines: their metrics are made once.
      auto found = metricsOf.find(font.key());
      if (found == metricsOf.end()) found = metricsOf.emplace(font.key(), QFontMetricsF(font)).first;
      const QFontMetricsF& metrics = found->second;
      const QStringList cells = block.text().split(QLatin1Char('\t'));
      if (widest.size() < static_cast<size_t>(cells.size())) widest.resize(cells.size(), 0.0);
      for (qsizetype k = 0; k < cells.size(); ++k)
        widest[k] = std::max(widest[k], metrics.horizontalAdvance(cells[k]));
    }
    double used = 0;
    for (double w : widest) used += w + gap;
    const double spare = widest.size() > 1 ? std::max(0.0, width - used) / (widest.size() - 1) : 0.0;
    QList<QTextOption::Tab> tabs;
    double at = 0;
    for (size_t k = 0; k + 1 < widest.size(); ++k) {
      at += widest[k] + gap + spare;
      tabs.append(QTextOption::Tab(at, QTextOption::LeftTab));
    }
    for (const QTextBlock& line : lines) {
      QTextBlockFormat format = line.blockFormat();
      format.setTabPositions(tabs);
      cursor.setPosition(line.position());
      cursor.setBlockFormat(format);
    }
  }
}

// A paint device whose units are points, so the layout does not depend on
// the screen or printer it ends up on.
QPaintDevice* pointDevice() {
  static QImage image = [] {
    QImage i(1, 1, QImage::Format_RGB32);
    i.setDotsPerMeterX(qRound(kPointsPerInch / 0.0254));
    i.setDotsPerMeterY(qRound(kPointsPerInch / 0.0254));
    return i;
  }();
  return &image;
}

void drawFooter(QPainter* painter, const QRectF& area, int page, int pages, const QString& title) {
  painter->save();
  painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 0.5));
  painter->drawLine(QPointF(area.left(), area.top() + 8), QPointF(area.right(), area.top() + 8));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(7);
  painter->setFont(font);
  painter->setPen(Qt::black);
  const QRectF text = area.adjusted(0, 11, 0, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
  painter->drawText(text, Qt::AlignRight | Qt::AlignTop,
                    QCoreApplication::translate("ReportFile", "Page %1 of %2").arg(page).arg(pages));
  painter->restore();
}

}  // namespace

int AssessmentRangeIndex(double lower, double upper) {
  for (int k = 0; k < kAssessmentRangeCount; ++k)
    if (kAssessmentRanges[k].range.lower == lower && kAssessmentRanges[k].range.upper == upper) return k;
  return 0;
}

QString FileSha256(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return QString::fromLatin1(hash.result().toHex());
}

ReportSettings ReportSettingsFor(const Project& project, int plumeRangeIndex, int afRangeIndex) {
  ReportSettings settings;
  settings.plumeRangeIndex = std::clamp(plumeRangeIndex, 0, kAssessmentRangeCount - 1);
  settings.afRangeIndex = std::clamp(afRangeIndex, 0, kAssessmentRangeCount - 1);
  settings.saved =
      !project.modified && project.path[0] != '\0' && QFileInfo(QFile::decodeName(project.path)).isReadable();
  settings.decimalSign = ShownDecimalSign();
  return settings;
}

std::unique_ptr<QTextDocument> BuildReportDocument(const Project& project, const ReportSettings& settings,
                                                   const QSizeF& pageSize) {
  auto doc = std::make_unique<QTextDocument>();
  // The page size comes first: a document laid out at another width would
  // be laid out twice. The layout itself is made only when the content is
  // complete, charts placed, so that it lays the report out once.
  doc->setPageSize(pageSize);
  // The report is made, not edited: its many adjustments keep no undo.
  doc->setUndoRedoEnabled(false);
  doc->setUseDesignMetrics(true);
  doc->setDocumentMargin(0);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8);
  doc->setDefaultFont(font);
  doc->setDefaultStyleSheet(
      QStringLiteral("h1 { font-size: 16pt; margin-bottom: 6px; } "
                     "h2 { font-size: 12pt; margin-top: 14px; margin-bottom: 4px; } "
                     "h3 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; } "
                     "h4 { font-size: 8.5pt; font-weight: normal; margin-top: 6px; margin-bottom: 3px; } "
                     "p { margin-top: 3px; margin-bottom: 3px; } "
                     "th { font-weight: bold; }"));
  // A number or a name is not broken inside while its cell has room for it.
  QTextOption option = doc->defaultTextOption();
  option.setWrapMode(QTextOption::WordWrap);
  doc->setDefaultTextOption(option);
  ReportContext report(project, settings);
  report.add(QStringLiteral("<html><body>"));
  for (const ReportSection& section : kReportSections) section.write(report);
  report.add(QStringLiteral("</body></html>"));
  doc->setHtml(report.finish());
  std::vector<ReportDrawing> drawings = report.takeDrawings();
  ApplyLayoutMarks(doc.get());
  placeCharts(doc.get());
  placeRobustnessColumns(doc.get());
  doc->documentLayout()->setPaintDevice(pointDevice());
  doc->documentLayout()->registerHandler(
      kChartObject, new ChartObject(project, settings.decimalSign, std::move(drawings), doc.get()));
  doc->markContentsDirty(0, doc->characterCount());
  // Joined words first, so that a table's fit sees them whole; once more
  // after, for the lines of a table set smaller.
  KeepSlashedWordsWhole(doc.get());
  if (FitReportTables(doc.get()) > 0) KeepSlashedWordsWhole(doc.get());
  KeepReportPartsTogether(doc.get());
  return doc;
}

int PaintReport(const Project& project, const ReportSettings& settings, QPagedPaintDevice* device) {
  if (!device) return 0;
  const double scaleX = device->logicalDpiX() / kPointsPerInch;
  const double scaleY = device->logicalDpiY() / kPointsPerInch;
  const QSizeF area(device->width() / scaleX, device->height() / scaleY);
  const double bodyHeight = area.height() - kFooterHeight;
  if (area.width() <= 0 || bodyHeight <= 0) return 0;
  std::unique_ptr<QTextDocument> doc =
      BuildReportDocument(project, settings, QSizeF(area.width(), bodyHeight));
  const int pages = doc->pageCount();
  const QString title = QString::fromStdString(ProjectTextUtf8(project, ProjectTextField::kTitle));

  QPainter painter;
  if (!painter.begin(device)) return 0;
  painter.setRenderHint(QPainter::Antialiasing);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device->newPage()) return 0;
    painter.save();
    painter.scale(scaleX, scaleY);
    painter.save();
    const QRectF body(0, page * bodyHeight, area.width(), bodyHeight);
    painter.translate(0, -body.top());
    painter.setClipRect(body);
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout puts a line that does not fit at the very top of the next
    // page, exactly on this page's edge, and draws every line its clip
    // touches: the painter's clip would hide such a line, but its text would
    // still go into the PDF, found twice by search and copy. Half a point
    // inside the edges keeps each line to the page it stands on.
    context.clip = body.adjusted(0, 0.5, 0, -0.5);
    context.palette.setColor(QPalette::Text, Qt::black);
    doc->documentLayout()->draw(&painter, context);
    painter.restore();
    drawFooter(&painter, QRectF(0, bodyHeight, area.width(), kFooterHeight), page + 1, pages, title);
    painter.restore();
  }
  return painter.end() ? pages : 0;
}

void PrepareReportPrinter(QPrinter* printer) {
  printer->setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins, QPageLayout::Millimeter));
  printer->setDocName(QCoreApplication::translate("ReportFile", "Virelo assessment report"));
}

bool WriteReportPdf(const Project& project, const ReportSettings& settings, const QString& path,
                    QString* error) {
  // A report replaces an earlier report, never anything else: a mistyped
  // name must not turn the project file behind the report into a PDF.
  QFile existing(path);
  if (existing.exists() && existing.size() > 0 &&
      (!existing.open(QIODevice::ReadOnly) || existing.read(5) != "%PDF-")) {
    if (error)
      *error =
          QCoreApplication::translate("ReportFile", "the file exists and is not a PDF; it is left as it is");
    return false;
  }
  existing.close();
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins, QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setTitle(QCoreApplication::translate("ReportFile", "%1 - assessment report")
                        .arg(QString::fromStdString(ProjectTextUtf8(project, ProjectTextField::kTitle))));
    writer.setCreator(QStringLiteral("Virelo %1").arg(QLatin1String(VIRELO_VERSION)));
    if (!PaintReport(project, settings, &writer)) {
      if (error) *error = QCoreApplication::translate("ReportFile", "the report could not be laid out");
      return false;
    }
  }
  const QByteArray target = QFile::encodeName(path);
  std::string temporary;
  errno = 0;
  FILE* file = AtomicFileOpen(target.constData(), &temporary);
  if (!file) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno ? errno : EACCES));
    return false;
  }
  if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file) !=
      static_cast<size_t>(bytes.size())) {
    const int saved = errno;
    AtomicFileDiscard(file, temporary);
    if (error) *error = QString::fromLocal8Bit(std::strerror(saved ? saved : EIO));
    return false;
  }
  errno = 0;
  if (!AtomicFileCommit(file, temporary, target.constData())) {
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    return false;
  }
  return true;
}

#include "AssessmentReport.moc"
