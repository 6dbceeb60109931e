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

    // The file's text as pdftotext reads it, every run of blanks and line
    // breaks made one blank. In reading order, a table's rows are read cell
    // by cell; laid out physically, text set apart by tabs stays on its line.
    enum class Order { Reading, Physical };
    QString text(Order order = Order::Reading) const;
    // The file's "Page size" and "Pages" lines as pdfinfo reports them.
    QString info(const QString& field) const;
    // The pictures as pdfimages lists them: "<width>x<height>" each.
    QStringList pictures() const;

private:
    QTemporaryDir folder_;
    SaveFileNameAsker previous_;
};

// Expects each part in the text, each after the one before it; blanks and
// line breaks in a part count as one blank, as in SavedReport::text().
void expectInOrder(const QString& text, const QStringList& parts);

} // namespace loco
