#include "toolkit/report.h"

#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"
#include "toolkit/jpeg_image.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace loco {
namespace {

const QString kProgramName = QStringLiteral("lokomotif");
constexpr qreal kMarginMm = 18;
constexpr qreal kFooterMm = 8;
// A picture is as wide as the text, but never taller than this share of a
// page, so that it stays on one page with some text.
constexpr qreal kPictureMaxPageShare = 0.6;
constexpr int kMaxStemLength = 80;

// The document is laid out on the device (fonts at its resolution) but its
// lengths (margins, paddings, tab stops, picture sizes) count in screen
// pixels, which the layout scales to the device: the screen's dpi turns
// millimetres into them. The page size alone is in device pixels.
class Units {
public:
    explicit Units(const QPaintDevice& device)
        : perMm_(QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 25.4),
          deviceToLength_(QGuiApplication::primaryScreen()->logicalDotsPerInchY() / device.logicalDpiY())
    {
    }
    qreal mm(qreal millimetres) const { return millimetres * perMm_; }
    qreal fromDevice(qreal pixels) const { return pixels * deviceToLength_; }

private:
    qreal perMm_;
    qreal deviceToLength_;
};

QTextCharFormat textFormat(qreal points, bool bold = false, QColor colour = Qt::black)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

QString madeAtText(const QDateTime& at)
{
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    return QStringLiteral("Dibuat dengan %1 pada %2 pukul %3")
        .arg(kProgramName, indonesian.toString(at.date(), QStringLiteral("d MMMM yyyy")),
            indonesian.toString(at.time(), QStringLiteral("HH.mm")));
}

class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument& doc, const Units& units) : doc_(doc), units_(units), cursor_(&doc) { }

    void paragraph(const QString& text, const QTextCharFormat& format, qreal spaceAboveMm = 0)
    {
        QTextBlockFormat block;
        block.setTopMargin(units_.mm(spaceAboveMm));
        if (emptyBlock_)
            cursor_.setBlockFormat(block);
        else
            cursor_.insertBlock(block);
        emptyBlock_ = false;
        cursor_.insertText(text, format);
    }

    void table(const QList<ReportRow>& rows)
    {
        bool units = false;
        for (const ReportRow& row : rows)
            units = units || !row.unit.isEmpty();
        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(units ? QList<QTextLength>{percent(58), percent(27), percent(15)}
                                               : QList<QTextLength>{percent(80), percent(20)});
        format.setBorder(units_.mm(0.3));
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderCollapse(true);
        format.setCellPadding(units_.mm(1));
        format.setCellSpacing(0);
        format.setTopMargin(units_.mm(1.5));
        // The layout gives the block after a table no space above it.
        format.setBottomMargin(units_.mm(5));
        QTextTable* table = cursor_.insertTable(int(rows.size()), units ? 3 : 2, format);
        for (int r = 0; r < rows.size(); ++r) {
            const ReportRow& row = rows[r];
            table->cellAt(r, 0).firstCursorPosition().insertText(row.label, body());
            table->cellAt(r, 1).firstCursorPosition().insertText(row.value, textFormat(10, true));
            if (units)
                table->cellAt(r, 2).firstCursorPosition().insertText(row.unit, body());
        }
        // A table is always followed by an empty block: the next paragraph.
        cursor_.movePosition(QTextCursor::End);
        emptyBlock_ = true;
    }

    void picture(const QImage& image, qreal maxWidth, qreal maxHeight)
    {
        const QString name = QStringLiteral("report:picture/%1").arg(++pictures_);
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const QSizeF size = QSizeF(image.size()).scaled(QSizeF(maxWidth, maxHeight), Qt::KeepAspectRatio);
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(size.width());
        format.setHeight(size.height());
        paragraph(QString(), body(), 3);
        cursor_.insertImage(format);
        paragraph(QString(), body());
    }

    static QTextCharFormat body() { return textFormat(10); }

private:
    static QTextLength percent(qreal p) { return QTextLength(QTextLength::PercentageLength, p); }

    QTextDocument& doc_;
    const Units& units_;
    QTextCursor cursor_;
    bool emptyBlock_ = true;
    int pictures_ = 0;
};

void build(QTextDocument& doc, const Report& report, const Units& units)
{
    DocumentBuilder builder(doc, units);
    builder.paragraph(report.title, textFormat(16, true));
    if (!report.subject.isEmpty())
        builder.paragraph(report.subject, textFormat(12, true), 1.5);
    builder.paragraph(madeAtText(report.madeAt), textFormat(9, false, QColor(0x40, 0x40, 0x40)), 1.5);
    for (const ReportSection& section : report.sections) {
        if (!section.heading.isEmpty())
            builder.paragraph(section.heading, textFormat(11, true), 6);
        if (!section.picture.isNull())
            builder.picture(section.picture, units.fromDevice(doc.pageSize().width()),
                units.fromDevice(doc.pageSize().height()) * kPictureMaxPageShare);
        if (!section.rows.isEmpty())
            builder.table(section.rows);
        for (const QString& line : section.lines)
            builder.paragraph(line, DocumentBuilder::body(), 0.5);
    }
}

} // namespace

void addPictureFile(ReportSection& section, const QString& path)
{
    try {
        section.picture = loadJpegFile(path);
    } catch (const Error& error) {
        section.lines << QStringLiteral("Gambar tidak dapat dibaca: %1").arg(QString::fromUtf8(error.what()));
    }
}

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void paintReport(const Report& report, QPagedPaintDevice& device)
{
    const Units units(device);
    const QRectF page(0, 0, device.width(), device.height());
    const qreal footer = kFooterMm * device.logicalDpiY() / 25.4;

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDocumentMargin(0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    QTextOption option = doc.defaultTextOption();
    option.setTabStopDistance(units.mm(report.tabStopPixels * 25.4 / 96));
    doc.setDefaultTextOption(option);
    // Page breaks fall where the document's layout puts them.
    doc.setPageSize(QSizeF(page.width(), page.height() - footer));
    build(doc, report, units);

    QPainter painter;
    if (!painter.begin(&device))
        throw Error("Cannot print the report");
    QFont footerFont = font;
    footerFont.setPointSizeF(8);
    const int pages = doc.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device.newPage();
        const qreal top = p * doc.pageSize().height();
        painter.save();
        painter.translate(0, -top);
        doc.drawContents(&painter, QRectF(0, top, page.width(), doc.pageSize().height()));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        const QRectF footerArea(0, page.height() - footer, page.width(), footer);
        painter.drawText(footerArea, Qt::AlignLeft | Qt::AlignBottom, report.title);
        painter.drawText(footerArea, Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("%1 · halaman %2 dari %3").arg(kProgramName).arg(p + 1).arg(pages));
    }
    painter.end();
}

void saveReportPdf(const Report& report, const QString& path)
{
    // Made whole in memory first: the file is only written once it is complete.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(reportPageLayout());
        writer.setTitle(report.subject.isEmpty() ? report.title : report.title + QStringLiteral(": ") + report.subject);
        writer.setCreator(kProgramName);
        paintReport(report, writer);
    }
    writeFileSafely(QFile::encodeName(path).toStdString(), std::string_view(pdf.constData(), pdf.size()));
}

QString proposedFileName(const QString& stem, QDate date)
{
    // Accents are dropped rather than the letters that carry them.
    QString slug;
    for (const QChar c : stem.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber())
            slug += c.toLower();
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    slug.truncate(kMaxStemLength);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    if (!slug.isEmpty())
        slug += QLatin1Char('-');
    return slug + date.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

} // namespace loco
