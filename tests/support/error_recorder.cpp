#include "tests/support/error_recorder.h"

ErrorRecorder::ErrorRecorder()
{
    previous_ = loco::setErrorReporter([this](const QString& caption, const QString& text) {
        captions << caption;
        texts << text;
    });
}

ErrorRecorder::~ErrorRecorder()
{
    loco::setErrorReporter(previous_);
}
