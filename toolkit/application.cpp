#include "toolkit/application.h"

#include "toolkit/accessibility.h"
#include "toolkit/classic_style.h"
#include "toolkit/fonts.h"
#include "toolkit/regional_settings.h"

#include <QApplication>
#include <QTranslator>

#include <malloc.h>

namespace loco {
namespace {

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
    // glibc keeps large freed blocks in its heap once it has raised its
    // threshold for mapping them: with a fixed threshold a pasted entry of
    // megabytes or a decoded picture goes back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    app.setStyle(new ClassicStyle);
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
