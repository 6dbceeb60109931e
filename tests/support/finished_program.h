#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

namespace loco {

// What a program run to its end left.
struct Finished {
    int exitCode = -1; // -1: crashed or did not end within two minutes
    std::string out;
    std::string err;
};

// Runs a program to its end with the given variables added to the
// environment, in folder when one is given.
Finished runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& added = {},
    const QString& folder = {});

} // namespace loco
