#pragma once

#include <string>

namespace loco {

// Where a calculation shows what it computes. It is called in exactly the
// order in which the window's effects must happen, so an error leaves the
// earlier effects in place and the later ones undone.
template <typename Result> class ResultSink {
public:
    virtual ~ResultSink() = default;

    // The text of a result field or of a fill-in field of the conclusion.
    virtual void result(Result field, const std::string& text) = 0;

    // Makes a fill-in field visible.
    virtual void show(Result fillIn) = 0;

    // Brings the conclusion into view in place of the explanation.
    virtual void showConclusion() = 0;
};

} // namespace loco
