#include "tests/support/error_recorder.h"

namespace loco {

ErrorRecorder::ErrorRecorder()
{
    previous_ = setErrorReporter([this](const QString& caption, const QString& text) {
        captions << caption;
        texts << text;
    });
}

ErrorRecorder::~ErrorRecorder()
{
    setErrorReporter(previous_);
}

} // namespace loco
