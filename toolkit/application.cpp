#include "toolkit/application.h"

#include "toolkit/accessibility.h"
#include "toolkit/fonts.h"
#include "toolkit/regional_settings.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace loco {
namespace {

class ClassicStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt's own texts (context menus, file and print dialogs) in Indonesian, as
// every other text of the program.
void installQtTranslation(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/qt_id.qm")))
        QApplication::installTranslator(translator);
}

} // namespace

void setUpApplication(QApplication& app)
{
    app.setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setQuitOnLastWindowClosed(false);
    installQtTranslation(app);
    installFontSubstitutes();
    installAccessibility();
    // The windows' own default, so that controls made before their window's
    // fonts are applied already measure with a font that is used anyway.
    QApplication::setFont(fontFromDefinition(QStringLiteral("MS Sans Serif,-11")));
    readRegionalSettings();
    followLocaleChanges();
}

} // namespace loco
