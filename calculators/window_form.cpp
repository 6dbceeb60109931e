#include "calculators/window_form.h"

#include "toolkit/core/error.h"
#include "toolkit/label.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QWidget* WindowForm::find(std::string_view control) const
{
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    QWidget* widget = window_->findChild<QWidget*>(name);
    if (!widget)
        throw loco::Error("Component " + std::string(control) + " not found");
    return widget;
}

std::string WindowForm::text(std::string_view control) const
{
    QWidget* widget = find(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().toStdString();
    throw loco::Error("Component " + std::string(control) + " holds no text");
}

void WindowForm::setText(std::string_view control, const std::string& text)
{
    QWidget* widget = find(control);
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        list->setCurrentText(value);
    else if (auto* ownLabel = qobject_cast<Label*>(widget))
        ownLabel->setText(value); // fits its new text
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else
        throw loco::Error("Component " + std::string(control) + " holds no text");
}

void WindowForm::setVisible(std::string_view control, bool visible)
{
    find(control)->setVisible(visible);
}
