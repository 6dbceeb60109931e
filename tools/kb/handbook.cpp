#include "tools/kb/handbook.h"

#include "toolkit/core/error.h"
#include "tools/kb/outline.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <set>

namespace loco::kb {
namespace {

const QString kBookTitle = QStringLiteral("Buku Panduan Diagnosis Kerusakan Lokomotif");

// At 96 dots per inch the writer's pixels are the CSS pixels of the HTML and
// the points of the fonts map as on a screen; the text stays vector text.
constexpr int kResolution = 96;
constexpr qreal kFooterMm = 10;

QString html(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size())).toHtmlEscaped();
}

// Where an answer leads, as the checklist says it.
QString target(const Outline& outline, const Outcome& outcome)
{
    const QString prefix = QString::fromStdString(outline.prefix());
    switch (outcome.kind) {
    case Outcome::Kind::Next:
        return QStringLiteral("lanjut ke %1").arg(outline.questionNumber(outcome.target));
    case Outcome::Kind::Conclusion:
        return QStringLiteral("<b>Kesimpulan %1-%2</b>").arg(prefix).arg(outline.conclusionIndex(outcome) + 1);
    case Outcome::Kind::Closing:
        return QStringLiteral("<b>Penutup %1-%2</b>").arg(prefix).arg(outcome.target + 1);
    default:
        return QStringLiteral("tidak ada petunjuk: jawaban ini tidak mengubah apa pun");
    }
}

QString systemSection(std::size_t number, const HandbookSystem& system)
{
    const KnowledgeBase& base = *system.base;
    const Outline outline(base);
    const QString prefix = QString::fromStdString(outline.prefix());
    QString s
        = QStringLiteral("<h1 style=\"page-break-before: always\">%1. %2</h1>").arg(number).arg(html(system.title));
    s += QStringLiteral("<p>%1 pertanyaan, %2 kesimpulan, %3 teks penutup. Mulailah dari pertanyaan 1.</p>")
             .arg(base.questions().size())
             .arg(outline.conclusions().size())
             .arg(base.closings().size());

    s += QStringLiteral("<h2>Daftar periksa</h2>");
    for (const std::size_t i : outline.questionOrder()) {
        const Question& question = base.questions()[i];
        s += QStringLiteral("<p class=\"item\"><b>%1.</b>&nbsp;&nbsp;%2<br/>YA \u2192 %3"
                            "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;TIDAK \u2192 %4</p>")
                 .arg(outline.questionNumber(i))
                 .arg(html(question.text), target(outline, question.ya), target(outline, question.tidak));
    }

    s += QStringLiteral("<h2>Kesimpulan</h2>");
    for (std::size_t k = 0; k < outline.conclusions().size(); ++k) {
        const Outline::Conclusion& conclusion = outline.conclusions()[k];
        s += QStringLiteral("<p class=\"item\"><b>%1-%2</b>&nbsp;&nbsp;%3<br/><b>%4</b></p>")
                 .arg(prefix)
                 .arg(k + 1)
                 .arg(html(base.headings()[conclusion.heading].text), html(conclusion.cause));
    }

    s += QStringLiteral("<h2>Teks penutup</h2>");
    for (std::size_t k = 0; k < base.closings().size(); ++k) {
        s += QStringLiteral("<p class=\"item\"><b>%1-%2</b>&nbsp;").arg(prefix).arg(k + 1);
        for (const std::string& line : base.closings()[k].lines)
            s += QStringLiteral("&nbsp;") + html(line) + QStringLiteral("<br/>");
        s.chop(5);
        s += QStringLiteral("</p>");
    }
    return s;
}

// The whole book; pages holds each system's first page, or is empty while
// they are not known yet.
QString bookHtml(const std::vector<HandbookSystem>& systems, const std::vector<int>& pages)
{
    QString s = QStringLiteral("<html><head><style>"
                               "h1 { font-size: 16pt; margin-bottom: 8px; }"
                               "h2 { font-size: 13pt; margin-top: 14px; margin-bottom: 6px; }"
                               "p { margin-top: 0; margin-bottom: 7px; }"
                               "td { padding: 2px 4px; }"
                               "p.item { margin-left: 34px; text-indent: -34px; }"
                               "</style></head><body>");
    s += QStringLiteral("<h1 style=\"font-size: 20pt\">%1</h1>").arg(kBookTitle);
    s += QStringLiteral("<p>Mencari letak kerusakan mesin diesel dan rem lokomotif dengan pertanyaan YA dan "
                        "TIDAK, di bengkel dan tanpa komputer.</p>"
                        "<h2>Cara memakai buku ini</h2><ol>"
                        "<li>Cari sistem yang mengalami gangguan di Daftar Isi dan buka halamannya.</li>"
                        "<li>Mulailah dari pertanyaan nomor 1. Periksa hal yang ditanyakan, lalu jawab YA atau "
                        "TIDAK.</li>"
                        "<li>Ikuti petunjuk jawaban Anda: \u00ablanjut ke 12\u00bb berarti lanjutkan ke pertanyaan "
                        "nomor 12; \u00abKesimpulan E-5\u00bb berarti diagnosis selesai, bacalah kesimpulan E-5 di "
                        "akhir bagian sistem itu; \u00abPenutup E-1\u00bb berarti gangguan belum dapat dikenali, "
                        "bacalah teks penutup E-1.</li>"
                        "<li>Buku ini dibuat dari data pengetahuan yang sama dengan jendela diagnosis program: "
                        "jawaban yang sama membawa ke kesimpulan yang sama.</li></ol>"
                        "<h2>Daftar Isi</h2><table>");
    for (std::size_t k = 0; k < systems.size(); ++k) {
        const QString page = pages.empty() ? QStringLiteral("00") : QString::number(pages[k]);
        s += QStringLiteral("<tr><td>%1. %2</td><td align=\"right\">halaman %3</td></tr>")
                 .arg(k + 1)
                 .arg(html(systems[k].title), page);
    }
    s += QStringLiteral("</table>");
    for (std::size_t k = 0; k < systems.size(); ++k)
        s += systemSection(k + 1, systems[k]);
    return s + QStringLiteral("</body></html>");
}

// Sets the book's text on pages of the given size; the blocks numbered in
// breaks start a new page. They are set before anything is laid out: the
// layout does not follow changes made while it is being read.
void setText(QTextDocument& document, const QString& text, QSizeF page, const std::set<int>& breaks)
{
    document.setHtml(text);
    for (const int number : breaks) {
        const QTextBlock block = document.findBlockByNumber(number);
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
    document.setPageSize(page);
}

// The first block that would be split over two pages (a question parted
// from its answers), or a subheading that would stand alone at the foot of a
// page; -1 when there is none.
int firstBadPageBreak(const QTextDocument& document, qreal pageHeight)
{
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    const auto pageOf = [&](qreal y) { return int(y / pageHeight); };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        const qreal textBottom = box.bottom() - block.blockFormat().bottomMargin();
        const QTextBlock next = block.next();
        if (pageOf(box.top()) != pageOf(textBottom - 1)
            || (block.blockFormat().headingLevel() == 2 && next.isValid()
                && pageOf(box.top()) != pageOf(layout->blockBoundingRect(next).bottom() - 1)))
            return block.blockNumber();
    }
    return -1;
}

// Lays the book out and returns the page on which each system begins.
std::vector<int> layOut(QTextDocument& document, const QString& text, QSizeF page)
{
    std::set<int> breaks;
    for (;;) {
        setText(document, text, page, breaks);
        const int bad = firstBadPageBreak(document, page.height());
        if (bad < 0 || !breaks.insert(bad).second)
            break;
    }
    // The first level-one heading is the book's title; each other starts a system.
    std::vector<int> starts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            starts.push_back(int(document.documentLayout()->blockBoundingRect(block).top() / page.height()) + 1);
    }
    starts.erase(starts.begin());
    return starts;
}

} // namespace

void writeHandbook(const std::vector<HandbookSystem>& systems, const std::string& outputPath)
{
    const QString path = QString::fromLocal8Bit(outputPath.c_str());
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        throw Error("cannot write \"" + outputPath + "\": " + probe.errorString().toStdString());
    probe.close();

    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 15, 18, 10), QPageLayout::Millimeter);
    writer.setTitle(kBookTitle);
    writer.setCreator(QStringLiteral("lokomotif-kb"));
    const QRectF area = writer.pageLayout().paintRectPixels(kResolution);
    const qreal footer = kFooterMm / 25.4 * kResolution;
    const QSizeF page(area.width(), area.height() - footer);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    // Without ligatures the PDF's text reads back (and is found) letter for letter.
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    // The table of contents needs the pages, which it can itself move: lay
    // out again until they hold still (once more is the rule).
    std::vector<int> pages = layOut(document, bookHtml(systems, {}), page);
    for (int pass = 0; pass < 3; ++pass) {
        const std::vector<int> again = layOut(document, bookHtml(systems, pages), page);
        if (again == pages)
            break;
        pages = again;
    }

    QPainter painter(&writer);
    if (!painter.isActive())
        throw Error("cannot write \"" + outputPath + "\"");
    QFont footerFont(QStringLiteral("DejaVu Sans"), 9);
    const int pageCount = document.pageCount();
    for (int p = 0; p < pageCount; ++p) {
        if (p > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -p * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, p * page.height(), page.width(), page.height());
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignCenter | Qt::AlignBottom,
            QStringLiteral("%1 \u2014 halaman %2 dari %3").arg(kBookTitle).arg(p + 1).arg(pageCount));
    }
    if (!painter.end())
        throw Error("cannot write \"" + outputPath + "\"");
}

} // namespace loco::kb
