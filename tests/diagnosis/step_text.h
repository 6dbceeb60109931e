#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>

namespace loco {

// A step as one readable line; brackets show where each text begins and ends,
// so a lost or extra blank is visible in a failure message.
inline std::string stepText(const Step& step)
{
    struct Visitor {
        std::string operator()(std::monostate) const { return "nothing"; }
        std::string operator()(const NextQuestion& next) const { return "next [" + std::string(next.text) + "]"; }
        std::string operator()(const Conclusion& c) const
        {
            return "conclusion " + std::to_string(c.pointSize) + "pt [" + std::string(c.heading) + "] ["
                + std::string(c.cause) + "]";
        }
        std::string operator()(const ClosingText& closing) const
        {
            std::string text = "closing";
            for (const std::string& line : closing.lines)
                text += " [" + line + "]";
            return text;
        }
    };
    return std::visit(Visitor{}, step);
}

} // namespace loco
