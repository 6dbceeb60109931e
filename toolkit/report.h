#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// A printed or saved report of what a window shows. Windows describe their
// content; laying it out on pages is done here, the same for every window.
namespace loco {

// One row of a table: a label, a value and the value's unit (any may be empty).
struct ReportRow {
    QString label;
    QString value;
    QString unit;
};

// A part of a report: a heading, then a picture, then a table of rows, then
// lines of text (each a paragraph, blanks kept); each is optional.
struct ReportSection {
    QString heading;
    QList<ReportRow> rows;
    QStringList lines;
    QImage picture;
    QString pictureFile = {}; // where the picture was read, so that a stored report can be printed again
};

struct Report {
    QString title; // what the report is, e.g. the window's purpose
    QString subject; // what it is about: the system, the procedure
    QString fileStem; // words for the proposed file name
    QList<ReportSection> sections;
    // Who signs at the foot of the last page: a line to sign on for each row,
    // its label (the role) above the line and its value (the name) below.
    QList<ReportRow> signatures = {};
    // For the workshop records, which list them beside the report: what it
    // concludes, in a line (a diagnosis's conclusion, a calculator's result),
    // and what it was made from (the knowledge edition, the procedure).
    QString conclusion = {};
    QString source = {};
    QDateTime madeAt = QDateTime::currentDateTime();
    // Tab stops of the lines, in pixels at 96 dpi: a window whose text holds
    // tabs gives its text box's, so that tabbed tables line up as on screen.
    // 80 is a text box's own.
    qreal tabStopPixels = 80;
};

// Gives the section the picture of a JPEG file, decoded at full size, and
// notes the file; when the file cannot be read, a line saying so stands in
// its place.
void addPictureFile(ReportSection& section, const QString& path);

// A4 portrait with margins in millimetres.
QPageLayout reportPageLayout();

// Lays the report out on the device's pages and paints those of them that
// the ranges name (all when empty). A paragraph split by a page break keeps
// at least two lines on each page. Throws loco::Error when the device cannot
// be painted on.
void paintReport(const Report& report, QPagedPaintDevice& device, const QPageRanges& pages = {});

// Writes the report as a PDF file on pages of the layout, made in memory and
// saved through writeFileSafely: a failure leaves an existing file as it was.
// Throws loco::Error ("Cannot create file ...") on failure.
void saveReportPdf(const Report& report, const QString& path, const QPageLayout& layout = reportPageLayout(),
    const QPageRanges& pages = {});

// "<stem words as ASCII, lower case, joined by hyphens>-<yyyy-MM-dd-HHmm>.pdf";
// a word (not a number) that comes again is left out the second time.
QString proposedFileName(const QString& stem, const QDateTime& madeAt);

} // namespace loco
