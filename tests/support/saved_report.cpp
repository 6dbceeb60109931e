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
