#pragma once

#include "tests/support/windows_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <string>

namespace loco {

// Drives a calculator window as a user does: types over entries, pastes,
// presses buttons and reads what the fields show.
class CalculatorWindowDriver {
public:
    explicit CalculatorWindowDriver(QWidget* window) : window_(window) { }

    // The line edit the user types into; a list's is its own edit.
    QLineEdit* entry(const std::string& name) const
    {
        if (auto* list = window_->findChild<QComboBox*>(QString::fromStdString(name)))
            return list->lineEdit();
        return control<QLineEdit>(window_, name.c_str());
    }

    // Selects the entry's text and types over it.
    void type(const std::string& name, const QString& text) const
    {
        QLineEdit* edit = entry(name);
        edit->setFocus();
        EXPECT_TRUE(edit->hasFocus()) << name;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        EXPECT_EQ(edit->text(), text) << name;
    }

    void type(const std::map<std::string, QString>& entries) const
    {
        for (const auto& [name, text] : entries)
            type(name, text);
    }

    // Replaces the entry's text in one paste.
    void paste(const std::string& name, const QString& text) const
    {
        QLineEdit* edit = entry(name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(text);
        QTest::keySequence(edit, QKeySequence::Paste);
    }

    void press(const char* button) const { click(control(window_, button)); }

    QString text(const char* field) const { return control<QLineEdit>(window_, field)->text(); }

    bool shown(const char* name) const { return control(window_, name)->isVisible(); }

private:
    QWidget* window_;
};

} // namespace loco
