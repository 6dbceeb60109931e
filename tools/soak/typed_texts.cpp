#include "tools/soak/typed_texts.h"

#include "toolkit/form_window.h"

#include <QComboBox>
#include <QSet>
#include <QVariant>
#include <QWidget>

namespace loco::soak {
namespace {

int uniform(std::mt19937_64& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// The texts a control shows, whatever its kind.
QStringList textsOf(const QWidget* widget)
{
    QStringList texts;
    for (const char* property : {"text", "caption", "title", "plainText", "windowTitle", "items"}) {
        const QVariant value = widget->property(property);
        if (value.canConvert<QStringList>())
            texts += value.toStringList();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    }
    return texts;
}

} // namespace

TypedTexts::TypedTexts(const QList<FormWindow*>& windows)
{
    QSet<QChar> seen;
    for (FormWindow* window : windows) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets << window;
        for (const QWidget* widget : widgets) {
            for (const QString& text : textsOf(widget)) {
                for (const QChar c : text) {
                    // Single-byte characters only: the test driver types them as keys.
                    if (c.isPrint() && c.unicode() <= 0xff && !seen.contains(c)) {
                        seen.insert(c);
                        repertoire_ += c;
                    }
                }
            }
        }
    }
}

QString TypedTexts::fromRepertoire(std::mt19937_64& random, int length) const
{
    QString text;
    for (int i = 0; i < length && !repertoire_.isEmpty(); ++i)
        text += repertoire_[uniform(random, 0, int(repertoire_.size()) - 1)];
    return text;
}

QString TypedTexts::next(std::mt19937_64& random) const
{
    switch (uniform(random, 0, 5)) {
    case 0:
    case 1: {
        // A number as people type them: either separator, signs, exponents.
        const QString digits = QStringLiteral("0123456789");
        QString number;
        if (uniform(random, 0, 3) == 0)
            number += QStringLiteral("+-")[uniform(random, 0, 1)];
        for (int i = uniform(random, 1, 8); i > 0; --i)
            number += digits[uniform(random, 0, 9)];
        if (uniform(random, 0, 1) == 0) {
            number += QStringLiteral(",.")[uniform(random, 0, 1)];
            for (int i = uniform(random, 0, 4); i > 0; --i)
                number += digits[uniform(random, 0, 9)];
        }
        if (uniform(random, 0, 5) == 0)
            number += QStringLiteral("e") + QString::number(uniform(random, -400, 400));
        return number;
    }
    case 2:
        return QString(uniform(random, 1, 6), QLatin1Char(' '));
    case 3: {
        const QString separators = QStringLiteral(",.-+eE ");
        QString text;
        for (int i = uniform(random, 1, 4); i > 0; --i)
            text += separators[uniform(random, 0, int(separators.size()) - 1)];
        return text;
    }
    case 4:
        return fromRepertoire(random, uniform(random, 1, 12));
    default:
        return fromRepertoire(random, uniform(random, 200, 1000));
    }
}

} // namespace loco::soak
