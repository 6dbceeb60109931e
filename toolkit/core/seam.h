#pragma once

#include <functional>
#include <utility>

namespace loco {

// A function the program calls where it would block on the user (the error
// box, the file and print dialogs): tests replace it, and an empty
// replacement restores the standard one.
template <typename Signature> class Seam {
public:
    using Function = std::function<Signature>;

    explicit Seam(Function standard) : standard_(standard), current_(std::move(standard)) { }

    // Returns the function replaced.
    Function replace(Function function)
    {
        Function previous = std::move(current_);
        current_ = function ? std::move(function) : standard_;
        return previous;
    }

    template <typename... Args> decltype(auto) operator()(Args&&... args) const
    {
        return current_(std::forward<Args>(args)...);
    }

private:
    Function standard_;
    Function current_;
};

} // namespace loco
