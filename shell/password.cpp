#include "shell/password.h"

#include <array>

namespace loco {

bool isAcceptedPassword(std::string_view typed)
{
    static constexpr std::array<std::string_view, 3> kAccepted{"bOlt gerbong", "boLt gerbong", "bolT gerbong"};
    for (std::string_view accepted : kAccepted)
        if (typed == accepted)
            return true;
    return false;
}

} // namespace loco
