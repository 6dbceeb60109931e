#pragma once

#include <QList>
#include <QString>

#include <random>

class FormWindow;

namespace loco::soak {

// What the random user types: numbers, blanks, separators, words and long
// strings, all made of characters that the program's own texts use, so that
// no fallback font is loaded for them and counted as growth.
class TypedTexts {
public:
    // Collects the characters from every text the windows show.
    explicit TypedTexts(const QList<FormWindow*>& windows);

    QString next(std::mt19937_64& random) const;

private:
    QString fromRepertoire(std::mt19937_64& random, int length) const;

    QString repertoire_;
};

} // namespace loco::soak
