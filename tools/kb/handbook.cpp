#include "tools/kb/handbook.h"

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/knowledge_walk.h"
#include "diagnosis/core/text_fold.h"
#include "toolkit/core/error.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <memory>

namespace loco::kb {
namespace {

const QString kBookTitle = QStringLiteral("Buku Panduan Diagnosis Kerusakan Lokomotif");

// At 72 dots per inch the writer's units are points.
constexpr int kResolution = 72;
constexpr qreal kFooterHeight = 22;
constexpr qreal kTickSpace = 14;
constexpr qreal kTickSize = 8;
constexpr qreal kNumberGap = 6;
// Where "TIDAK →" begins in a checklist item, from its text's left edge.
constexpr qreal kTidakColumn = 210;
// Kept free at the right of an index line for its page.
constexpr qreal kPageColumn = 48;
// Passes of layout until every page reference holds still; from this pass on
// every "lanjut ke" names its page, so that a reference can no longer move
// the page it stands on back and forth.
constexpr int kPassesBeforeAllPages = 3;
constexpr int kMostPasses = 6;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QFont bookFont(qreal points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    // Without ligatures the PDF's text reads back (and is found) letter for letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QTextCharFormat format(const QFont& font, const QColor& colour = Qt::black)
{
    QTextCharFormat f;
    f.setFont(font);
    f.setForeground(colour);
    return f;
}

const QColor kLabelColour(0x55, 0x55, 0x55);

// One paragraph of the book: its text with formats, where it stands, and
// what goes into the column before it.
struct Paragraph {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    qreal indent = 0; // the text's left edge
    qreal spaceBefore = 0;
    qreal spaceAfter = 4;
    bool keepWithNext = false;
    bool newPage = false;
    bool tickBox = false;
    QString number; // bold, at the start of the column before the text
    QString label; // small, under the number
    qreal column = 0; // width of that column
    QString anchor; // its page is known under this name
    QList<QTextOption::Tab> tabs;
    QString page; // a page it refers to, at the right edge of its last line

    Paragraph& add(const QString& more, const QTextCharFormat& f)
    {
        formats.append({int(text.size()), int(more.size()), f});
        text += more;
        return *this;
    }
};

// Where the paragraphs stand, by the names of their anchors.
using Pages = QHash<QString, int>;

struct Fonts {
    QFont body = bookFont(10);
    QFont bold = bookFont(10, true);
    QFont italic = bookFont(10, false, true);
    QFont label = bookFont(7);
    QFont h1 = bookFont(16, true);
    QFont h2 = bookFont(12.5, true);
    QFont title = bookFont(20, true);
    QFont footer = bookFont(8);
};

// The text of the book, made again on every pass with the pages the last
// pass found.
class BookText {
public:
    BookText(const std::vector<HandbookSystem>& systems, const Fonts& fonts, QPaintDevice* device)
        : systems_(systems), fonts_(fonts), device_(device), tabUnit_(96.0 / device->logicalDpiX())
    {
        for (const HandbookSystem& system : systems)
            outlines_.push_back(std::make_unique<Outline>(*system.base));
    }

    std::vector<Paragraph> paragraphs(const Pages& pages, bool allPages)
    {
        pages_ = &pages;
        allPages_ = allPages;
        std::vector<Paragraph> list;
        frontPage(list);
        for (std::size_t s = 0; s < systems_.size(); ++s)
            system(list, s);
        return list;
    }

private:
    QString pageOf(const QString& anchor) const
    {
        const auto it = pages_->find(anchor);
        return it == pages_->end() ? QStringLiteral("00") : QString::number(*it);
    }

    static QString questionAnchor(std::size_t s, std::size_t row) { return QStringLiteral("q%1.%2").arg(s).arg(row); }
    static QString systemAnchor(std::size_t s) { return QStringLiteral("s%1").arg(s); }

    Paragraph heading(const QString& text, const QFont& font, qreal before, bool newPage = false) const
    {
        Paragraph p;
        p.add(text, format(font));
        p.spaceBefore = before;
        p.spaceAfter = 6;
        p.keepWithNext = true;
        p.newPage = newPage;
        return p;
    }

    Paragraph plain(const QString& text) const
    {
        Paragraph p;
        p.add(text, format(fonts_.body));
        return p;
    }

    QTextOption::Tab tab(qreal position) const { return QTextOption::Tab(position * tabUnit_, QTextOption::LeftTab); }

    // A line of the index: text, then at the right edge its page.
    Paragraph indexLine(const QString& text, const QString& label, const QString& page, const QTextCharFormat& f,
        qreal indent = 0) const
    {
        Paragraph p;
        p.indent = indent;
        p.add(text, f);
        if (!label.isEmpty())
            p.add(QStringLiteral(" ") + label, format(fonts_.label, kLabelColour));
        p.page = QStringLiteral("hal. ") + page;
        p.spaceAfter = 2;
        return p;
    }

    void frontPage(std::vector<Paragraph>& list) const
    {
        Paragraph title = heading(kBookTitle, fonts_.title, 0);
        title.keepWithNext = false;
        list.push_back(title);
        list.push_back(plain(QStringLiteral("Mencari letak kerusakan mesin diesel dan rem lokomotif dengan "
                                            "pertanyaan YA dan TIDAK, di bengkel dan tanpa komputer.")));

        // Each system with its page, and under it its symptoms with theirs;
        // a system without symptoms starts at its first question.
        list.push_back(heading(QStringLiteral("Daftar gejala"), fonts_.h2, 10));
        for (std::size_t s = 0; s < systems_.size(); ++s) {
            const KnowledgeBase& base = *systems_[s].base;
            Paragraph system = indexLine(QStringLiteral("%1. %2").arg(s + 1).arg(fromUtf8(systems_[s].title)),
                QString(), pageOf(systemAnchor(s)), format(fonts_.bold));
            system.spaceBefore = 3;
            list.push_back(system);
            for (const std::size_t row : symptomQuestions(base)) {
                QString text = fromUtf8(base.questions()[row].text);
                if (text.startsWith(QStringLiteral("APAKAH ")))
                    text = text.mid(7);
                list.push_back(indexLine(text, fromUtf8(base.questions()[row].label), pageOf(questionAnchor(s, row)),
                    format(fonts_.body), kTickSpace));
            }
        }

        list.push_back(heading(QStringLiteral("Cara memakai buku ini"), fonts_.h2, 10));
        const QString steps[] = {
            QStringLiteral("Cari gejala yang tampak di Daftar gejala dan buka halamannya. Sistem tanpa gejala "
                           "dimulai dari pertanyaan 1 sistem itu."),
            QStringLiteral("Periksa hal yang ditanyakan, centang kotaknya, lalu ikuti jawaban Anda: \u00ablanjut ke "
                           "12\u00bb berarti pertanyaan nomor 12 (di halaman lain bila disebut \u00abhal.\u00bb); "
                           "\u00abKesimpulan EH5/3, hal. 8\u00bb berarti diagnosis selesai: bacalah penyebab EH5/3 "
                           "di halaman 8; \u00abPenutup EN1\u00bb berarti gangguan belum dapat dikenali."),
            QStringLiteral("Label kecil seperti E12 adalah label data pengetahuan: sebutkan label itu dan edisi di "
                           "kaki halaman bila melaporkan kesalahan. Buku ini dibuat dari data yang sama dengan "
                           "jendela diagnosis program: jawaban yang sama membawa ke kesimpulan yang sama."),
        };
        const qreal column = QFontMetricsF(fonts_.bold, device_).horizontalAdvance(QStringLiteral("0.")) + kNumberGap;
        for (int k = 0; k < 3; ++k) {
            Paragraph p = plain(steps[k]);
            p.number = QStringLiteral("%1.").arg(k + 1);
            p.column = column;
            p.indent = column;
            list.push_back(p);
        }
    }

    // Where an answer leads, as the checklist says it.
    void target(Paragraph& p, std::size_t s, std::size_t from, const Outcome& outcome) const
    {
        const Outline& outline = *outlines_[s];
        switch (outcome.kind) {
        case Outcome::Kind::Next: {
            p.add(QStringLiteral("lanjut ke %1").arg(outline.questionNumber(outcome.target)), format(fonts_.body));
            const QString there = pageOf(questionAnchor(s, outcome.target));
            if (allPages_ || there != pageOf(questionAnchor(s, from)))
                p.add(QStringLiteral(", hal. %1").arg(there), format(fonts_.body));
            break;
        }
        case Outcome::Kind::Conclusion: {
            const QString label = QString::fromStdString(outline.conclusionLabel(outcome));
            p.add(QStringLiteral("Kesimpulan ") + label, format(fonts_.bold));
            p.add(QStringLiteral(", hal. %1").arg(pageOf(QStringLiteral("c%1.").arg(s) + label)), format(fonts_.body));
            break;
        }
        default: {
            const QString label = fromUtf8(systems_[s].base->closings()[outcome.target].label);
            p.add(QStringLiteral("Penutup ") + label, format(fonts_.bold));
            p.add(QStringLiteral(", hal. %1").arg(pageOf(QStringLiteral("n%1.").arg(s) + label)), format(fonts_.body));
        }
        }
    }

    // The width of the column of numbers and labels of a system.
    qreal columnWidth(std::size_t s) const
    {
        const KnowledgeBase& base = *systems_[s].base;
        const Outline& outline = *outlines_[s];
        const QFontMetricsF bold(fonts_.bold, device_);
        const QFontMetricsF small(fonts_.label, device_);
        qreal widest = bold.horizontalAdvance(QStringLiteral("%1.").arg(base.questions().size()));
        for (const Question& question : base.questions())
            widest = std::max(widest, small.horizontalAdvance(fromUtf8(question.label)));
        for (std::size_t g = 0; g < outline.headingGroups().size(); ++g) {
            const QString label = QString::fromStdString(outline.groupLabel(g));
            widest = std::max(widest,
                bold.horizontalAdvance(label + QStringLiteral("/%1").arg(outline.headingGroups()[g].causes.size())));
            widest = std::max(widest, small.horizontalAdvance(mergedLabels(s, g)));
        }
        for (const Closing& closing : base.closings())
            widest = std::max(widest, bold.horizontalAdvance(fromUtf8(closing.label)));
        return widest + kNumberGap;
    }

    // The other headings printed as a group's: "= EH7".
    QString mergedLabels(std::size_t s, std::size_t g) const
    {
        const std::vector<std::size_t>& headings = outlines_[s]->headingGroups()[g].headings;
        QString labels;
        for (std::size_t k = 1; k < headings.size(); ++k)
            labels += (k == 1 ? QStringLiteral("= ") : QStringLiteral(", "))
                + fromUtf8(systems_[s].base->headings()[headings[k]].label);
        return labels;
    }

    void system(std::vector<Paragraph>& list, std::size_t s) const
    {
        const KnowledgeBase& base = *systems_[s].base;
        const Outline& outline = *outlines_[s];
        std::size_t conclusions = 0;
        for (const Outline::HeadingGroup& group : outline.headingGroups())
            conclusions += group.causes.size();
        const qreal column = columnWidth(s);

        Paragraph title
            = heading(QStringLiteral("%1. %2").arg(s + 1).arg(fromUtf8(systems_[s].title)), fonts_.h1, 0, true);
        title.anchor = systemAnchor(s);
        list.push_back(title);
        list.push_back(plain(QStringLiteral("%1 pertanyaan, %2 kesimpulan, %3 teks penutup. Mulailah dari pertanyaan "
                                            "1 (%4) atau dari gejalanya di Daftar gejala.")
                                 .arg(base.questions().size())
                                 .arg(conclusions)
                                 .arg(base.closings().size())
                                 .arg(fromUtf8(base.startLabel()))));

        list.push_back(heading(QStringLiteral("Daftar periksa"), fonts_.h2, 8));
        for (const std::size_t row : outline.questionOrder()) {
            const Question& question = base.questions()[row];
            Paragraph p;
            p.add(fromUtf8(question.text), format(fonts_.body));
            p.add(QString(QChar::LineSeparator) + QStringLiteral("YA \u2192 "), format(fonts_.bold));
            target(p, s, row, question.ya);
            p.add(QStringLiteral("\tTIDAK \u2192 "), format(fonts_.bold));
            target(p, s, row, question.tidak);
            p.tabs = {tab(kTidakColumn)};
            p.tickBox = true;
            p.number = QStringLiteral("%1.").arg(outline.questionNumber(row));
            p.label = fromUtf8(question.label);
            p.column = column;
            p.indent = kTickSpace + column;
            p.spaceAfter = 5;
            p.anchor = questionAnchor(s, row);
            list.push_back(p);
        }

        list.push_back(heading(QStringLiteral("Kesimpulan"), fonts_.h2, 8));
        for (std::size_t g = 0; g < outline.headingGroups().size(); ++g) {
            const Outline::HeadingGroup& group = outline.headingGroups()[g];
            const QString label = QString::fromStdString(outline.groupLabel(g));
            Paragraph head;
            head.add(QString::fromStdString(withoutExtraBlanks(base.headings()[group.headings.front()].text)),
                format(fonts_.italic));
            head.number = label;
            head.label = mergedLabels(s, g);
            head.column = column;
            head.indent = column;
            head.spaceBefore = 4;
            head.keepWithNext = true;
            list.push_back(head);
            for (std::size_t k = 0; k < group.causes.size(); ++k) {
                const QString cause = QString::fromStdString(withoutExtraBlanks(group.causes[k]));
                Paragraph p;
                if (cause.isEmpty())
                    p.add(QStringLiteral("(tanpa keterangan penyebab)"), format(fonts_.italic));
                else
                    p.add(cause, format(fonts_.body));
                p.number = QStringLiteral("%1/%2").arg(label).arg(k + 1);
                p.column = column;
                p.indent = column;
                p.spaceAfter = 3;
                p.anchor = QStringLiteral("c%1.").arg(s) + p.number;
                list.push_back(p);
            }
        }

        list.push_back(heading(QStringLiteral("Teks penutup"), fonts_.h2, 8));
        for (const Closing& closing : base.closings()) {
            Paragraph p;
            QString text;
            for (const std::string& line : closing.lines)
                text += (text.isEmpty() ? QString() : QString(QChar::LineSeparator)) + fromUtf8(line);
            p.add(text, format(fonts_.body));
            p.number = fromUtf8(closing.label);
            p.column = column;
            p.indent = column;
            p.anchor = QStringLiteral("n%1.").arg(s) + p.number;
            list.push_back(p);
        }
    }

    const std::vector<HandbookSystem>& systems_;
    const Fonts& fonts_;
    QPaintDevice* device_;
    qreal tabUnit_; // QTextLayout reads tab positions as pixels at 96 dots per inch
    std::vector<std::unique_ptr<Outline>> outlines_;
    const Pages* pages_ = nullptr;
    bool allPages_ = false;
};

// A paragraph, or the part of it that stands on one page.
struct Piece {
    std::size_t paragraph;
    int page; // from 0
    qreal top; // of its first line on the page
    int firstLine;
    int lineCount;
};

struct Layout {
    std::vector<std::unique_ptr<QTextLayout>> texts;
    std::vector<Piece> pieces;
    Pages pages; // from 1, as printed
    int pageCount = 1;
};

// Sets each paragraph's lines once and fills the pages from top to bottom:
// time linear in the length of the book. A paragraph is never split while
// it fits on a page of its own, and a heading stays with what follows it.
Layout layOut(const std::vector<Paragraph>& paragraphs, const Fonts& fonts, QPaintDevice* device, QSizeF area)
{
    Layout layout;
    std::vector<qreal> heights;
    for (const Paragraph& p : paragraphs) {
        auto text = std::make_unique<QTextLayout>(p.text, fonts.body, device);
        text->setFormats(p.formats);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTabs(p.tabs);
        text->setTextOption(option);
        text->beginLayout();
        qreal y = 0;
        for (QTextLine line = text->createLine(); line.isValid(); line = text->createLine()) {
            line.setLineWidth(area.width() - p.indent - (p.page.isEmpty() ? 0 : kPageColumn));
            line.setPosition(QPointF(p.indent, y));
            y += line.height();
        }
        text->endLayout();
        heights.push_back(y);
        layout.texts.push_back(std::move(text));
    }

    int page = 0;
    qreal y = 0;
    bool pageEmpty = true;
    qreal lastSpaceAfter = 0;
    const auto newPage = [&] {
        ++page;
        y = 0;
        pageEmpty = true;
    };
    const auto gap = [&](std::size_t i) { return pageEmpty ? 0 : lastSpaceAfter + paragraphs[i].spaceBefore; };
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const Paragraph& p = paragraphs[i];
        if (p.newPage && !pageEmpty)
            newPage();
        // A heading with what it heads: moved on together while that fits a page.
        qreal together = heights[i];
        for (std::size_t k = i; k + 1 < paragraphs.size() && paragraphs[k].keepWithNext; ++k)
            together += paragraphs[k].spaceAfter + paragraphs[k + 1].spaceBefore + heights[k + 1];
        if (!pageEmpty && y + gap(i) + together > area.height() && together <= area.height())
            newPage();
        y += gap(i);
        const QTextLayout& text = *layout.texts[i];
        for (int first = 0; first < text.lineCount();) {
            int last = first;
            qreal used = 0;
            while (last < text.lineCount() && (y + used + text.lineAt(last).height() <= area.height() || pageEmpty)) {
                used += text.lineAt(last++).height();
                pageEmpty = false; // a line taller than a page still takes one
            }
            if (last == first) {
                newPage();
                continue;
            }
            if (first == 0 && !p.anchor.isEmpty())
                layout.pages.insert(p.anchor, page + 1);
            layout.pieces.push_back({i, page, y, first, last - first});
            y += used;
            first = last;
            if (first < text.lineCount())
                newPage();
        }
        pageEmpty = false;
        lastSpaceAfter = p.spaceAfter;
    }
    layout.pageCount = page + 1;
    return layout;
}

void paintPiece(
    QPainter& painter, const Piece& piece, const Layout& layout, const Paragraph& p, const Fonts& fonts, qreal width)
{
    const QTextLayout& text = *layout.texts[piece.paragraph];
    const QTextLine first = text.lineAt(piece.firstLine);
    const QTextLine last = text.lineAt(piece.firstLine + piece.lineCount - 1);
    painter.save();
    painter.setClipRect(QRectF(0, piece.top, width, last.y() + last.height() - first.y()));
    text.draw(&painter, QPointF(0, piece.top - first.y()));
    painter.restore();
    // An index entry's page stands at the end of its last line.
    if (!p.page.isEmpty() && piece.firstLine + piece.lineCount == text.lineCount()) {
        painter.setFont(fonts.body);
        painter.drawText(QPointF(width - QFontMetricsF(fonts.body, painter.device()).horizontalAdvance(p.page),
                             piece.top + last.y() - first.y() + last.ascent()),
            p.page);
    }
    if (piece.firstLine != 0)
        return;
    const qreal baseline = piece.top + first.ascent();
    const qreal left = p.indent - p.column;
    if (p.tickBox)
        painter.drawRect(QRectF(left - kTickSpace, baseline - kTickSize, kTickSize, kTickSize));
    painter.setFont(fonts.bold);
    painter.drawText(QPointF(left, baseline), p.number);
    if (!p.label.isEmpty() && piece.lineCount > 1) {
        painter.setFont(fonts.label);
        painter.setPen(kLabelColour);
        painter.drawText(
            QPointF(left, piece.top + first.height() + text.lineAt(piece.firstLine + 1).ascent()), p.label);
        painter.setPen(Qt::black);
    }
}

void paint(QPainter& painter, QPdfWriter& writer, const Layout& layout, const std::vector<Paragraph>& paragraphs,
    const Fonts& fonts, QSizeF area, const QString& edition)
{
    auto piece = layout.pieces.begin();
    for (int page = 0; page < layout.pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        for (; piece != layout.pieces.end() && piece->page == page; ++piece)
            paintPiece(painter, *piece, layout, paragraphs[piece->paragraph], fonts, area.width());
        painter.setFont(fonts.footer);
        painter.setPen(kLabelColour);
        const QRectF footer(0, area.height(), area.width(), kFooterHeight);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, edition);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("halaman %1 dari %2").arg(page + 1).arg(layout.pageCount));
        painter.setPen(Qt::black);
    }
}

} // namespace

std::string writeHandbook(const std::vector<HandbookSystem>& systems, const std::string& edition)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 10), QPageLayout::Millimeter);
        writer.setTitle(kBookTitle);
        writer.setCreator(QStringLiteral("lokomotif-kb"));
        const QRectF paintArea = writer.pageLayout().paintRectPoints();
        const QSizeF area(paintArea.width(), paintArea.height() - kFooterHeight);

        const Fonts fonts;
        BookText book(systems, fonts, &writer);
        Pages pages;
        std::vector<Paragraph> paragraphs;
        std::unique_ptr<Layout> layout;
        for (int pass = 0; pass < kMostPasses; ++pass) {
            paragraphs = book.paragraphs(pages, pass >= kPassesBeforeAllPages);
            layout = std::make_unique<Layout>(layOut(paragraphs, fonts, &writer, area));
            if (layout->pages == pages)
                break;
            pages = layout->pages;
        }

        QPainter painter(&writer);
        if (!painter.isActive())
            throw Error("cannot lay out the handbook as PDF");
        paint(painter, writer, *layout, paragraphs, fonts, area, QString::fromStdString(edition));
        if (!painter.end())
            throw Error("cannot lay out the handbook as PDF");
    }
    return pdf.toStdString();
}

} // namespace loco::kb
