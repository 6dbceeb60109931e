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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace loco {
namespace {

const QString kProgramName = QStringLiteral("lokomotif");
constexpr qreal kMarginMm = 18;
constexpr qreal kFooterMm = 8;
// A picture is as wide as the text, but never taller than this share of a
// page, so that it stays on one page with some text.
constexpr qreal kPictureMaxPageShare = 0.6;
constexpr int kMaxStemLength = 80;
// How far inside its page's edges a page's area is drawn, in device pixels.
constexpr qreal kEdge = 0.5;
constexpr int kRunProperty = QTextFormat::UserProperty;
constexpr int kHeadingProperty = QTextFormat::UserProperty + 1;

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

    // A paragraph of a run (not 0) belongs with the others of that run when
    // pages break; a heading keeps with what follows it.
    void paragraph(
        const QString& text, const QTextCharFormat& format, qreal spaceAboveMm = 0, int run = 0, bool heading = false)
    {
        QTextBlockFormat block;
        block.setTopMargin(units_.mm(spaceAboveMm));
        if (run != 0)
            block.setProperty(kRunProperty, run);
        if (heading)
            block.setProperty(kHeadingProperty, true);
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

    // Side by side, one column each: the role, room to sign, a line, the name.
    void signatures(const QList<ReportRow>& signers)
    {
        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
        format.setCellPadding(units_.mm(2));
        format.setCellSpacing(0);
        format.setTopMargin(units_.mm(10));
        QTextTable* table = cursor_.insertTable(1, int(signers.size()), format);
        for (int c = 0; c < signers.size(); ++c) {
            QTextCursor cell = table->cellAt(0, c).firstCursorPosition();
            cell.insertText(signers[c].label, body());
            for (int room = 0; room < 4; ++room)
                cell.insertBlock();
            cell.insertText(QStringLiteral("_________________________"), body());
            cell.insertBlock();
            cell.insertText(signers[c].value.isEmpty() ? QStringLiteral("(nama jelas)") : signers[c].value, body());
        }
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
    // Lines between blank ones are one text, hard-wrapped as the window shows it.
    int run = 0;
    for (const ReportSection& section : report.sections) {
        if (!section.heading.isEmpty())
            builder.paragraph(section.heading, textFormat(11, true), 6, 0, true);
        if (!section.picture.isNull())
            builder.picture(section.picture, units.fromDevice(doc.pageSize().width()),
                units.fromDevice(doc.pageSize().height()) * kPictureMaxPageShare);
        if (!section.rows.isEmpty())
            builder.table(section.rows);
        ++run;
        for (const QString& line : section.lines) {
            const bool blank = line.trimmed().isEmpty();
            run += blank;
            builder.paragraph(line, DocumentBuilder::body(), 0.5, blank ? 0 : run);
        }
    }
    if (!report.signatures.isEmpty())
        builder.signatures(report.signatures);
}

// The page of a line of a laid-out block. A line that the layout pushed to
// the next page may start a hair above that page's top: its middle counts.
int pageOf(const QTextLayout& layout, int line, qreal pageHeight)
{
    const QTextLine l = layout.lineAt(line);
    return int((layout.position().y() + l.y() + l.height() / 2) / pageHeight);
}

// Goes on with the block's text from one of its lines in a block of its own.
void splitBlock(QTextDocument& doc, const QTextBlock& block, int line, QTextBlockFormat format)
{
    QTextCursor cursor(&doc);
    cursor.setPosition(block.position() + block.layout()->lineAt(line).textStart());
    format.setTopMargin(0);
    cursor.insertBlock(format);
}

// Starts a page at a line of a block; false when the block already starts
// a page by request (it is longer than a page) and is left alone.
bool breakPageBefore(QTextDocument& doc, const QTextBlock& block, int line)
{
    QTextBlockFormat format = block.blockFormat();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        return false;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (line == 0)
        QTextCursor(block).setBlockFormat(format);
    else
        splitBlock(doc, block, line, format);
    return true;
}

// Qt breaks pages between any two lines. Where a break leaves one line of a
// paragraph, or of a run of lines that belong together, alone on a page, the
// text goes to the next page whole (with its heading), or when it is long
// enough, with two lines.
void keepTwoLinesOnEachPage(QTextDocument& doc)
{
    const qreal height = doc.pageSize().height();
    for (QTextBlock first = doc.begin(); first.isValid();) {
        // Tables are looked after by keepTablesWhole.
        if (doc.frameAt(first.position()) != doc.rootFrame()) {
            first = first.next();
            continue;
        }
        struct Line {
            QTextBlock block;
            int line;
            int page;
        };
        QList<Line> lines;
        const int run = first.blockFormat().intProperty(kRunProperty);
        QTextBlock block = first;
        do {
            // Lays the document out up to here.
            doc.documentLayout()->blockBoundingRect(block);
            for (int i = 0; i < block.layout()->lineCount(); ++i)
                lines.append({block, i, pageOf(*block.layout(), i, height)});
            block = block.next();
        } while (run != 0 && block.isValid() && block.blockFormat().intProperty(kRunProperty) == run);

        // Lines [start, end) lie on one page, [end, next) on the next.
        const auto pageEnd = [&lines](qsizetype from) {
            qsizetype to = from;
            while (to < lines.size() && lines[to].page == lines[from].page)
                ++to;
            return to;
        };
        bool moved = false;
        for (qsizetype start = 0, end = pageEnd(0); end < lines.size() && !moved; start = end, end = pageEnd(end)) {
            const qsizetype before = end - start;
            const qsizetype after = pageEnd(end) - end;
            if (before >= 2 && after >= 2)
                continue;
            Line at = lines[before >= 3 ? end - 1 : start];
            const QTextBlock previous = at.block.previous();
            if (at.line == 0 && previous.isValid() && previous.blockFormat().boolProperty(kHeadingProperty))
                at = {previous, 0, 0};
            moved = breakPageBefore(doc, at.block, at.line);
        }
        // A text that moved is looked at again: a later break may have moved with it.
        if (!moved)
            first = block;
    }
}

// Qt breaks a table between the lines of a cell. A table that fits on a
// page (the rows of values, the lines to sign) starts the next one instead.
void keepTablesWhole(QTextDocument& doc)
{
    const qreal height = doc.pageSize().height();
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        const QRectF box = doc.documentLayout()->frameBoundingRect(frame);
        if (box.height() >= height || int(box.top() / height) == int((box.bottom() - 1) / height))
            continue;
        QTextFrameFormat format = frame->frameFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        frame->setFrameFormat(format);
    }
}

// Qt draws the last line of a block above the area it is asked to draw, so
// a paragraph that goes on over a page break would have its last line on
// the page drawn again, clipped but in the text, on the next: no block may
// span a break.
void splitBlocksAtPageBreaks(QTextDocument& doc)
{
    const qreal height = doc.pageSize().height();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (doc.frameAt(block.position()) != doc.rootFrame())
            continue;
        doc.documentLayout()->blockBoundingRect(block);
        const QTextLayout& layout = *block.layout();
        for (int i = 1; i < layout.lineCount(); ++i) {
            if (pageOf(layout, i, height) != pageOf(layout, 0, height)) {
                QTextBlockFormat format = block.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
                splitBlock(doc, block, i, format);
                break;
            }
        }
    }
}

} // namespace

void addPictureFile(ReportSection& section, const QString& path)
{
    try {
        section.picture = loadJpegFile(path);
        section.pictureFile = path;
    } catch (const Error& error) {
        section.lines << QStringLiteral("Gambar tidak dapat dibaca: %1").arg(QString::fromUtf8(error.what()));
    }
}

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void paintReport(const Report& report, QPagedPaintDevice& device, const QPageRanges& pages)
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
    keepTwoLinesOnEachPage(doc);
    keepTablesWhole(doc);
    splitBlocksAtPageBreaks(doc);

    QPainter painter;
    if (!painter.begin(&device))
        throw Error("Cannot print the report");
    QFont footerFont = font;
    footerFont.setPointSizeF(8);
    const int pageCount = doc.pageCount();
    bool first = true;
    for (int p = 0; p < pageCount; ++p) {
        if (!pages.isEmpty() && !pages.contains(p + 1))
            continue;
        if (!std::exchange(first, false))
            device.newPage();
        const qreal height = doc.pageSize().height();
        const qreal top = p * height;
        painter.save();
        painter.translate(0, -top);
        // The layout draws every block that touches the area, so one that
        // starts right at the page's foot would also be drawn, unseen but in
        // the text, at the end of this page: the area stops just short of it.
        doc.drawContents(&painter, QRectF(0, top + kEdge, page.width(), height - 2 * kEdge));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        const QRectF footerArea(0, page.height() - footer, page.width(), footer);
        painter.drawText(footerArea, Qt::AlignLeft | Qt::AlignBottom, report.title);
        painter.drawText(footerArea, Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("%1 · halaman %2 dari %3").arg(kProgramName).arg(p + 1).arg(pageCount));
    }
    painter.end();
}

void saveReportPdf(const Report& report, const QString& path, const QPageLayout& layout, const QPageRanges& pages)
{
    // Made whole in memory first: the file is only written once it is complete.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setTitle(report.subject.isEmpty() ? report.title : report.title + QStringLiteral(": ") + report.subject);
        writer.setCreator(kProgramName);
        paintReport(report, writer, pages);
    }
    writeFileSafely(QFile::encodeName(path).toStdString(), std::string_view(pdf.constData(), pdf.size()));
}

QString proposedFileName(const QString& stem, const QDateTime& madeAt)
{
    // Accents are dropped rather than the letters that carry them.
    QStringList words;
    QString word;
    const auto endWord = [&words, &word] {
        const bool number = std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
        if (!word.isEmpty() && (number || !words.contains(word)))
            words << word;
        word.clear();
    };
    for (const QChar c : stem.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber())
            word += c.toLower();
        else
            endWord();
    }
    endWord();
    QString slug = words.join(QLatin1Char('-'));
    slug.truncate(kMaxStemLength);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    if (!slug.isEmpty())
        slug += QLatin1Char('-');
    return slug + madeAt.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".pdf");
}

} // namespace loco
