#pragma once

#include "calculators/calculator_report.h"
#include "calculators/core/entry.h"
#include "calculators/core/result_sink.h"
#include "toolkit/handler_guard.h"
#include "toolkit/result_field.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

// How a calculator window's controls meet its calculation: tables of member
// pointers into the window's generated Ui class, so a renamed control fails
// to compile, and each row names its entry or result as the calculation does.
namespace loco {

// An entry: where its text goes in the calculation's entries, and the line
// edit or the typed list that the user fills in.
template <typename Ui, typename Entries, typename Entry> struct EntryControl {
    constexpr EntryControl(Entry name, std::string Entries::*text, QLineEdit* Ui::*edit)
        : name(name), text(text), edit(edit)
    {
    }
    constexpr EntryControl(Entry name, std::string Entries::*text, QComboBox* Ui::*list)
        : name(name), text(text), list(list)
    {
    }

    QString typed(const Ui& ui) const { return edit ? (ui.*edit)->text() : (ui.*list)->currentText(); }
    QWidget* control(const Ui& ui) const { return edit ? static_cast<QWidget*>(ui.*edit) : ui.*list; }
    QLineEdit* lineEdit(const Ui& ui) const { return edit ? ui.*edit : (ui.*list)->lineEdit(); }

    Entry name;
    std::string Entries::*text;
    QLineEdit* Ui::*edit = nullptr;
    QComboBox* Ui::*list = nullptr;
};

// A result field or a fill-in field of the conclusion.
template <typename Ui, typename Result> struct ResultControl {
    QWidget* control(const Ui& ui) const { return ui.*field; }

    Result name;
    QLineEdit* Ui::*field;
};

// Whether row i of a table names the i-th value of its enum, up to `last`,
// so that a table can be indexed by the name.
template <typename Row, std::size_t N, typename Name>
constexpr bool namesInOrder(const std::array<Row, N>& table, Name last)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].name) != i)
            return false;
    }
    return static_cast<std::size_t>(last) + 1 == N;
}

// The calculation's entries as the user typed them.
template <typename Ui, typename Entries, typename Entry, std::size_t N>
Entries typedEntries(const Ui& ui, const std::array<EntryControl<Ui, Entries, Entry>, N>& table)
{
    Entries entries;
    for (const auto& row : table)
        entries.*row.text = row.typed(ui).toStdString();
    return entries;
}

// The controls of a table's rows, in the table's order.
template <typename Ui, typename Row, std::size_t N>
QList<QWidget*> controlsOf(const Ui& ui, const std::array<Row, N>& table)
{
    QList<QWidget*> controls;
    for (const Row& row : table)
        controls << row.control(ui);
    return controls;
}

// Connects a compute button to its handler. When an entry cannot be read,
// that entry takes the focus with its text selected once the error box is
// closed, so the user is on it; the message and the handler's effects stay
// as they are. (Selecting first would make a huge entry repaint before the
// box could show.) Returns the record, kept beside the window, of the
// entries that the last calculation ran to its end with.
template <typename Window, typename Ui, typename Entries, typename Entry, std::size_t N>
const ComputedEntries* connectCompute(QAbstractButton* button, Window* window, void (Window::*handler)(), const Ui& ui,
    const std::array<EntryControl<Ui, Entries, Entry>, N>& table)
{
    auto* computed = new ComputedEntries(window, controlsOf(ui, table));
    QObject::connect(button, &QAbstractButton::clicked, window, [window, handler, &ui, &table, computed] {
        std::optional<Entry> failed;
        const ComputedEntries::Typed typed = computed->typed();
        computed->forget();
        runGuarded([&] {
            try {
                (window->*handler)();
                computed->succeeded(typed);
            } catch (const EntryError& error) {
                const EntryName name = error.entry();
                if (const Entry* entry = std::get_if<Entry>(&name))
                    failed = *entry;
                throw;
            }
        });
        if (failed) {
            const auto& row = table[static_cast<std::size_t>(*failed)];
            row.control(ui)->setFocus(Qt::OtherFocusReason);
            row.lineEdit(ui)->selectAll();
        }
    });
    return computed;
}

// Shows a calculation's results in the window's fields; the window says how
// its conclusion comes into view.
template <typename Ui, typename Result, std::size_t N> class ResultFields : public ResultSink<Result> {
public:
    ResultFields(
        const Ui& ui, const std::array<ResultControl<Ui, Result>, N>& table, std::function<void()> showConclusion)
        : ui_(ui), table_(table), showConclusion_(std::move(showConclusion))
    {
    }

    void result(Result field, const std::string& text) override
    {
        showFieldText(this->field(field), QString::fromStdString(text));
    }
    void show(Result fillIn) override { field(fillIn)->setVisible(true); }
    void showConclusion() override { showConclusion_(); }

private:
    QLineEdit* field(Result name) const { return ui_.*table_[static_cast<std::size_t>(name)].field; }

    const Ui& ui_;
    const std::array<ResultControl<Ui, Result>, N>& table_;
    std::function<void()> showConclusion_;
};

} // namespace loco
