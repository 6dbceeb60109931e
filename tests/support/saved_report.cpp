#include "tests/support/saved_report.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace loco {
namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished()) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

SavedReport::SavedReport()
{
    previous_ = setSaveFileNameAsker([this](QWidget*, const QString& proposed) {
        proposedNames << proposed;
        return path();
    });
}

SavedReport::~SavedReport()
{
    setSaveFileNameAsker(previous_);
}

QString SavedReport::path() const
{
    return folder_.filePath(QStringLiteral("laporan.pdf"));
}

QString SavedReport::text(Order order) const
{
    QStringList arguments{path(), QStringLiteral("-")};
    if (order == Order::Physical)
        arguments.prepend(QStringLiteral("-layout"));
    return run(QStringLiteral("pdftotext"), arguments).simplified();
}

QString SavedReport::info(const QString& field) const
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path()})).captured(1).trimmed();
}

QStringList SavedReport::pictures() const
{
    QStringList sizes;
    // Two heading lines, then "page num type width height ...".
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path()}).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() > 4)
            sizes << fields[3] + QLatin1Char('x') + fields[4];
    }
    return sizes;
}

QStringList SavedReport::proposedStems() const
{
    static const QRegularExpression madeAt(QStringLiteral("-\\d{4}-\\d{2}-\\d{2}-\\d{4}\\.pdf$"));
    QStringList stems;
    for (QString name : proposedNames) {
        EXPECT_TRUE(name.contains(madeAt)) << name.toStdString();
        stems << name.remove(madeAt);
    }
    return stems;
}

QList<QStringList> SavedReport::pageLines() const
{
    static const QRegularExpression footer(QStringLiteral("lokomotif · halaman \\d+ dari \\d+$"));
    QList<QStringList> pages;
    const QStringList texts = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path(), QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    for (const QString& text : texts) {
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.simplified().isEmpty() && !line.contains(footer))
                lines << line.simplified();
        pages << lines;
    }
    return pages;
}

void expectCleanPageBreaks(const QList<QStringList>& pages, const QStringList& paragraphs)
{
    for (qsizetype p = 0; p + 1 < pages.size(); ++p) {
        const QStringList& foot = pages[p];
        const QStringList& head = pages[p + 1];
        if (foot.isEmpty() || head.isEmpty())
            continue;
        EXPECT_NE(foot.last(), head.first()) << "drawn twice at the break after page " << p + 1;
        for (const QString& paragraph : paragraphs) {
            const QString whole = paragraph.simplified();
            if (!whole.contains(foot.last() + QLatin1Char(' ') + head.first()))
                continue;
            // How many of the paragraph's lines each page holds.
            qsizetype before = 1;
            while (before < foot.size()
                && whole.contains(foot.mid(foot.size() - before - 1).join(' ') + ' ' + head.first()))
                ++before;
            qsizetype after = 1;
            while (after < head.size() && whole.contains(foot.last() + ' ' + head.mid(0, after + 1).join(' ')))
                ++after;
            EXPECT_GE(before, 2) << "one line alone at the foot of page " << p + 1 << ": " << foot.last().toStdString();
            EXPECT_GE(after, 2) << "one line alone at the top of page " << p + 2 << ": " << head.first().toStdString();
        }
    }
}

void expectInOrder(const QString& text, const QStringList& parts)
{
    qsizetype from = 0;
    for (const QString& part : parts) {
        const qsizetype at = text.indexOf(part.simplified(), from);
        EXPECT_GE(at, from) << "missing or out of order: " << part.toStdString() << "\nin: " << text.toStdString();
        if (at >= from)
            from = at + part.simplified().size();
    }
}

} // namespace loco
