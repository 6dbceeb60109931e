#include "shell/identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace loco {

void setUpIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("lokomotif"));
    QGuiApplication::setDesktopFileName(QStringLiteral(LOKO_APPLICATION_ID));
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icon"));
    for (const QString& file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    QApplication::setWindowIcon(icon);
}

} // namespace loco
