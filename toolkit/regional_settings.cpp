#include "toolkit/regional_settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace loco {
namespace {

char separator = '.';

// The numeric locale as the C library chooses it. Qt reads the same
// variables, but only once per process, so a change would go unseen.
QLocale numericLocale()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QLocale(QString::fromLatin1(value));
    }
    return QLocale::system();
}

class LocaleChangeWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange)
            readRegionalSettings();
        return false;
    }
};

} // namespace

char decimalSeparator()
{
    return separator;
}

void setDecimalSeparator(char value)
{
    separator = value;
}

void readRegionalSettings()
{
    const QString point = numericLocale().decimalPoint();
    // The calculators read single-byte text: a separator outside ASCII cannot
    // be typed into them, so such a locale keeps the point.
    separator = point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}

void followLocaleChanges()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new LocaleChangeWatcher(app));
}

} // namespace loco
