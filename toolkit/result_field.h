#pragma once

#include <QString>

class QLineEdit;

namespace loco {

// Gives a result or fill-in field its text, shown from its first character.
// A value wider than the field is also in its tooltip and accessible
// description, so it can be read whole without widening the field.
void showFieldText(QLineEdit* field, const QString& text);

} // namespace loco
