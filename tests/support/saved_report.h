#pragma once

#include "toolkit/dialogs.h"

#include <QStringList>
#include <QTemporaryDir>

namespace loco {

// Answers the file dialog of report commands with a file in a folder of its
// own, and reads back what was written through poppler's tools.
class SavedReport {
public:
    SavedReport();
    ~SavedReport();
    SavedReport(const SavedReport&) = delete;
    SavedReport& operator=(const SavedReport&) = delete;

    // Where the dialog's answer puts the file.
    QString path() const;
    // The names the dialog proposed, one a command.
    QStringList proposedNames;
    // The same without the date and time ("-yyyy-MM-dd-HHmm.pdf"), which a
    // test cannot know to the minute; a name without them fails the test.
    QStringList proposedStems() const;

    // The file's text as pdftotext reads it, every run of blanks and line
    // breaks made one blank. In reading order, a table's rows are read cell
    // by cell; laid out physically, text set apart by tabs stays on its line.
    enum class Order { Reading, Physical };
    QString text(Order order = Order::Reading) const;
    // The file's "Page size" and "Pages" lines as pdfinfo reports them.
    QString info(const QString& field) const;
    // The pictures as pdfimages lists them: "<width>x<height>" each.
    QStringList pictures() const;
    // The lines of each page as laid out, blanks simplified, without empty
    // lines and the footer.
    QList<QStringList> pageLines() const;

private:
    QTemporaryDir folder_;
    SaveFileNameAsker previous_;
};

// Expects each part in the text, each after the one before it; blanks and
// line breaks in a part count as one blank, as in SavedReport::text().
void expectInOrder(const QString& text, const QStringList& parts);

// Expects that no line stands twice across a page break (drawn at the foot
// of one page and again at the top of the next), and that a paragraph that
// a break splits keeps at least two lines on each page.
void expectCleanPageBreaks(const QList<QStringList>& pages, const QStringList& paragraphs);

} // namespace loco
