#include "toolkit/application.h"

#include "toolkit/accessibility.h"
#include "toolkit/fonts.h"
#include "toolkit/regional_settings.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

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

} // namespace

void setUpApplication(QApplication& app)
{
    app.setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    installAccessibility();
    // The windows' own default, so that controls made before their window's
    // fonts are applied already measure with a font that is used anyway.
    QApplication::setFont(fontFromDefinition(QStringLiteral("MS Sans Serif,-11")));
    readRegionalSettings();
    followLocaleChanges();
}

} // namespace loco
