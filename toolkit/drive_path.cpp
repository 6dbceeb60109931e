#include "toolkit/drive_path.h"

#include <QCoreApplication>
#include <QDir>

namespace loco {
namespace {

QString& rootOverride()
{
    static QString root;
    return root;
}

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128;
}

} // namespace

QString driveRoot()
{
    if (!rootOverride().isEmpty())
        return rootOverride();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" LOKO_DATA_FROM_BIN));
}

void setDriveRoot(const QString& root)
{
    rootOverride() = root;
}

QString localPath(const QString& path)
{
    if (!hasDriveLetter(path))
        return path;
    QString rest = path.mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!rest.startsWith(QLatin1Char('/')))
        rest.prepend(QLatin1Char('/'));
    return driveRoot() + QLatin1Char('/') + path[0].toUpper() + rest;
}

} // namespace loco
