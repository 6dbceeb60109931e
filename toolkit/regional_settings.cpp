#include "toolkit/regional_settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace loco {
namespace {

char separator = '.';

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
    const QString point = QLocale::system().decimalPoint();
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
