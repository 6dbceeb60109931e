#pragma once

#include <QFont>
#include <QString>

namespace loco {

// Builds a font from a stored definition's text: "Face,height[,styles]" where a
// negative height is the character height in pixels (-11 is an 11-pixel font),
// a positive one the cell height, and styles are any of "bold", "italic",
// "underline" separated by blanks. Faces missing here get their stand-in.
QFont fontFromDefinition(const QString& definition);

// The face actually used for a face named by the window definitions.
QString substituteFace(const QString& face);

// Registers every stand-in with Qt so that fonts named anywhere resolve alike.
void installFontSubstitutes();

} // namespace loco
