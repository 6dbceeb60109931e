#pragma once

#include "toolkit/report.h"

#include <QList>
#include <QStringList>

#include <optional>

class QLineEdit;
class QWidget;

namespace loco {

// A fill-in field and the gap of the conclusion that it lies over: the
// gap-th run of two or more blanks after text on line `line` (both from 0
// and 1 as the conclusion reads).
struct GapFill {
    int line;
    int gap;
    const QLineEdit* field;
};

// The conclusion's lines as they read with the fill-in fields over them.
QStringList filledIn(QStringList lines, const QList<GapFill>& fills);

// A calculator's report: every entry with its label, its text as typed and
// its unit, every result likewise (a field with no label beside it is a
// fill-in of the conclusion, not a result), then the conclusion, if it is
// in view. Rows follow the window from top to bottom.
Report calculatorReport(const QString& title, const QString& fileStem, const QList<QWidget*>& entries,
    const QList<QWidget*>& results, const std::optional<QStringList>& conclusion);

} // namespace loco
