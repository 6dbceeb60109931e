#include "tests/support/shipped_data.h"

namespace loco {

const BuiltinData& shippedData()
{
    static const BuiltinData data = loadBuiltinData();
    return data;
}

} // namespace loco
