#include "calculators/calculator_report.h"

#include "toolkit/regional_settings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace loco {
namespace {

// A unit label starts this close to the right of its control, on its row.
constexpr int kUnitGap = 16;

// The label that the window definition pairs with the control.
QString labelOf(const QWidget* control)
{
    for (const QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text().trimmed();
    return {};
}

QString unitBeside(const QWidget* control)
{
    const QRect box = control->geometry();
    for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect unit = label->geometry();
        if (unit.left() > box.right() && unit.left() <= box.right() + kUnitGap && unit.center().y() >= box.top()
            && unit.center().y() <= box.bottom())
            return label->text().trimmed();
    }
    return {};
}

QString textOf(const QWidget* control)
{
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return static_cast<const QLineEdit*>(control)->text();
}

QList<ReportRow> rows(QList<QWidget*> controls)
{
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->mapTo(a->window(), QPoint()).y() < b->mapTo(b->window(), QPoint()).y();
    });
    QList<ReportRow> rows;
    for (const QWidget* control : controls) {
        const QString label = labelOf(control);
        if (!label.isEmpty())
            rows.append({label, textOf(control), unitBeside(control)});
    }
    return rows;
}

} // namespace

QStringList filledIn(QStringList lines, const QList<GapFill>& fills)
{
    static const QRegularExpression gaps(QStringLiteral("(?<=\\S) {2,}"));
    // The last gap first, so that filling one leaves the others' numbers.
    QList<GapFill> ordered = fills;
    std::sort(ordered.begin(), ordered.end(), [](const GapFill& a, const GapFill& b) { return a.gap > b.gap; });
    for (const GapFill& fill : ordered) {
        QString& line = lines[fill.line];
        int number = 0;
        for (QRegularExpressionMatchIterator it = gaps.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch gap = it.next();
            if (++number == fill.gap) {
                line.replace(gap.capturedStart(), gap.capturedLength(),
                    QLatin1Char(' ') + fill.field->text() + QLatin1Char(' '));
                break;
            }
        }
    }
    return lines;
}

ComputedEntries::ComputedEntries(QObject* window, QList<QWidget*> entries)
    : QObject(window), entries_(std::move(entries))
{
}

ComputedEntries::Typed ComputedEntries::typed() const
{
    Typed typed{{}, decimalSeparator()};
    for (const QWidget* entry : entries_)
        typed.texts << textOf(entry);
    return typed;
}

Report calculatorReport(const QString& title, const QString& fileStem, const ComputedEntries& entries,
    const QList<QWidget*>& results, const std::optional<QStringList>& conclusion)
{
    Report report;
    report.title = title;
    report.fileStem = fileStem;
    report.sections << ReportSection{QStringLiteral("Masukan"), rows(entries.entries()), {}, {}};
    // Results of other entries (or of a calculation that failed part-way)
    // beside these entries would be a wrong sheet.
    if (!entries.current()) {
        report.sections << ReportSection{QStringLiteral("Hasil"), {},
            {QStringLiteral("Hasil tidak dihitung untuk masukan di atas. Tekan \"HITUNG\", lalu simpan atau "
                            "cetak lagi.")},
            {}};
        return report;
    }
    report.sections << ReportSection{QStringLiteral("Hasil"), rows(results), {}, {}}
                    << ReportSection{QStringLiteral("Kesimpulan"), {},
                           conclusion.value_or(QStringList{QStringLiteral("Belum dihitung.")}), {}};
    if (conclusion)
        report.conclusion = conclusion->join(QLatin1Char(' ')).simplified();
    return report;
}

} // namespace loco
