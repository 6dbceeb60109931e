#include "toolkit/fonts.h"

#include <QStringList>

#include <array>

namespace loco {
namespace {

struct FaceSubstitute {
    const char* face;
    const char* standIn;
    QFont::Weight weight; // Normal leaves the definition's weight alone
};

// The faces the windows are designed with and the closest shapes that the
// Debian font packages installed by the set-up provide.
constexpr std::array kSubstitutes{
    FaceSubstitute{"MS Sans Serif", "Liberation Sans", QFont::Normal},
    FaceSubstitute{"Arial", "Liberation Sans", QFont::Normal},
    FaceSubstitute{"Arial Narrow", "Liberation Sans Narrow", QFont::Normal},
    FaceSubstitute{"Arial Black", "Liberation Sans", QFont::Black},
    FaceSubstitute{"Times New Roman", "Liberation Serif", QFont::Normal},
    FaceSubstitute{"Comic Sans MS", "Comic Neue", QFont::Normal},
    FaceSubstitute{"Bookman Old Style", "URW Bookman", QFont::Normal},
    // Narrow, so that captions fit the boxes designed around the original.
    FaceSubstitute{"Westminster", "Liberation Sans Narrow", QFont::Normal},
    FaceSubstitute{"Chiller", "Z003", QFont::Normal},
    FaceSubstitute{"Footlight MT Light", "Liberation Serif", QFont::Normal},
};

const FaceSubstitute* findSubstitute(const QString& face)
{
    for (const auto& s : kSubstitutes)
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

} // namespace

QString substituteFace(const QString& face)
{
    const FaceSubstitute* s = findSubstitute(face);
    return s ? QString::fromLatin1(s->standIn) : face;
}

QFont fontFromDefinition(const QString& definition)
{
    const QStringList parts = definition.split(QLatin1Char(','));
    const QString face = parts.value(0).trimmed();
    QFont font(substituteFace(face));
    const int height = parts.value(1).trimmed().toInt();
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(height * 4 / 5); // cell height includes the internal leading
    const QString styles = parts.value(2);
    font.setBold(styles.contains(QLatin1String("bold")));
    font.setItalic(styles.contains(QLatin1String("italic")));
    font.setUnderline(styles.contains(QLatin1String("underline")));
    if (const FaceSubstitute* s = findSubstitute(face); s && s->weight != QFont::Normal)
        font.setWeight(s->weight);
    return font;
}

void installFontSubstitutes()
{
    for (const auto& s : kSubstitutes)
        QFont::insertSubstitution(QLatin1String(s.face), QLatin1String(s.standIn));
}

} // namespace loco
