#pragma once

#include "toolkit/report.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>
#include <utility>

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

// A calculator's entries and what they held when "HITUNG" last succeeded,
// with the decimal separator then in force: the results in the window
// belong to those entries only. Kept beside the window, recorded around
// its compute handler.
class ComputedEntries : public QObject {
public:
    struct Typed {
        QStringList texts;
        char separator;
        bool operator==(const Typed&) const = default;
    };

    ComputedEntries(QObject* window, QList<QWidget*> entries);

    const QList<QWidget*>& entries() const { return entries_; }
    // The entries' texts as they stand, with the separator in force.
    Typed typed() const;
    void succeeded(Typed typed) { computedFrom_ = std::move(typed); }
    void forget() { computedFrom_.reset(); }
    // Whether the results were computed from the entries as they stand.
    bool current() const { return computedFrom_ == typed(); }

private:
    QList<QWidget*> entries_;
    std::optional<Typed> computedFrom_;
};

// A calculator's report: every entry with its label, its text as typed and
// its unit, every result likewise (a field with no label beside it is a
// fill-in of the conclusion, not a result), then the conclusion, if it is
// in view. Rows follow the window from top to bottom. Results and the
// conclusion appear only when they were computed from the entries listed.
Report calculatorReport(const QString& title, const QString& fileStem, const ComputedEntries& entries,
    const QList<QWidget*>& results, const std::optional<QStringList>& conclusion);

} // namespace loco
