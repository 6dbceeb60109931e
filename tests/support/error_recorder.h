#pragma once

#include "toolkit/error_box.h"

#include <QStringList>

namespace loco {

// Records what the error box would show instead of showing it.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList captions;
    QStringList texts;

private:
    ErrorReporter previous_;
};

} // namespace loco
