#include "tools/kb/graph.h"

#include "toolkit/core/error.h"
#include "tools/kb/outline.h"

#include <cerrno>
#include <cstdio>
#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>
#include <memory>
#include <system_error>
#include <vector>

namespace loco::kb {
namespace {

// About 40 characters a line keeps the boxes near a 3:1 shape at 11 pt.
constexpr std::size_t kWrapWidth = 40;

// text broken at blanks into lines of at most kWrapWidth characters where it
// can be, in Graphviz's label notation: "\n" ends a centred line, and a
// backslash of the text is doubled so that it stays a backslash.
std::string wrapped(std::string_view text)
{
    std::string label;
    std::size_t lineLength = 0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        if (text[begin] == ' ') {
            ++begin;
            continue;
        }
        std::size_t end = text.find(' ', begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(begin, end - begin);
        if (lineLength > 0 && lineLength + 1 + word.size() > kWrapWidth) {
            label += "\\n";
            lineLength = 0;
        } else if (lineLength > 0) {
            label += ' ';
            ++lineLength;
        }
        for (const char c : word) {
            if (c == '\\')
                label += '\\';
            label += c;
        }
        lineLength += word.size();
        begin = end;
    }
    return label;
}

// cgraph takes its names and attributes as char*, though it copies them.
char* text(const std::string& s)
{
    return const_cast<char*>(s.c_str());
}

void set(void* object, const char* name, const std::string& value)
{
    agsafeset(object, const_cast<char*>(name), text(value), const_cast<char*>(""));
}

struct GraphCloser {
    void operator()(Agraph_t* graph) const { agclose(graph); }
};
struct ContextCloser {
    void operator()(GVC_t* context) const { gvFreeContext(context); }
};
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class GraphBuilder {
public:
    GraphBuilder(const KnowledgeBase& base, Agraph_t* graph) : base_(base), outline_(base), graph_(graph) { }

    void build()
    {
        defaults();
        const std::vector<Question>& questions = base_.questions();
        questionNodes_.assign(questions.size(), nullptr);
        for (const std::size_t i : outline_.questionOrder())
            questionNodes_[i] = node(
                "q" + std::to_string(i), "box", "#ffffff", questions[i].label + "\\n" + wrapped(questions[i].text));
        for (std::size_t i = 0; i < outline_.conclusions().size(); ++i) {
            const Outline::Conclusion& conclusion = outline_.conclusions()[i];
            const Heading& heading = base_.headings()[conclusion.heading];
            conclusionNodes_.push_back(node("c" + std::to_string(i), "note", "#e4f1dc",
                heading.label + "\\n" + wrapped(heading.text) + "\\n\\n" + wrapped(conclusion.cause)));
        }
        for (std::size_t i = 0; i < base_.closings().size(); ++i) {
            const Closing& closing = base_.closings()[i];
            std::string label = closing.label;
            for (const std::string& line : closing.lines)
                label += "\\n" + wrapped(line);
            closingNodes_.push_back(node("n" + std::to_string(i), "octagon", "#ececec", label));
        }
        for (const std::size_t i : outline_.questionOrder()) {
            edge(i, questions[i].ya, "YA", "#1b5e20");
            edge(i, questions[i].tidak, "TIDAK", "#b71c1c");
        }
    }

private:
    void defaults()
    {
        const auto attribute = [this](int kind, const char* name, const char* value) {
            agattr(graph_, kind, const_cast<char*>(name), const_cast<char*>(value));
        };
        attribute(AGRAPH, "rankdir", "TB");
        attribute(AGRAPH, "nodesep", "0.3");
        attribute(AGRAPH, "ranksep", "0.45");
        attribute(AGNODE, "fontname", "DejaVu Sans");
        attribute(AGNODE, "fontsize", "11");
        attribute(AGNODE, "style", "filled");
        attribute(AGNODE, "margin", "0.12,0.06");
        attribute(AGEDGE, "fontname", "DejaVu Sans");
        attribute(AGEDGE, "fontsize", "10");
    }

    Agnode_t* node(const std::string& name, const char* shape, const char* fill, const std::string& label)
    {
        Agnode_t* node = agnode(graph_, text(name), 1);
        set(node, "shape", shape);
        set(node, "fillcolor", fill);
        set(node, "label", label);
        return node;
    }

    void edge(std::size_t from, const Outcome& outcome, const char* answer, const char* colour)
    {
        Agnode_t* to = nullptr;
        if (outcome.kind == Outcome::Kind::Next)
            to = questionNodes_[outcome.target];
        else if (outcome.kind == Outcome::Kind::Conclusion)
            to = conclusionNodes_[outline_.conclusionIndex(outcome)];
        else if (outcome.kind == Outcome::Kind::Closing)
            to = closingNodes_[outcome.target];
        if (!to)
            return; // the answer leads nowhere
        // A key of its own keeps YA and TIDAK apart when both lead to one node.
        const std::string key = "q" + std::to_string(from) + answer;
        Agedge_t* edge = agedge(graph_, questionNodes_[from], to, text(key), 1);
        set(edge, "label", answer);
        set(edge, "color", colour);
        set(edge, "fontcolor", colour);
    }

    const KnowledgeBase& base_;
    const Outline outline_;
    Agraph_t* graph_;
    std::vector<Agnode_t*> questionNodes_;
    std::vector<Agnode_t*> conclusionNodes_;
    std::vector<Agnode_t*> closingNodes_;
};

// The Graphviz output format for a file name, or empty when none fits.
std::string graphFormat(const std::string& outputPath)
{
    for (const char* format : {"svg", "pdf", "png"}) {
        const std::string ending = std::string(".") + format;
        if (outputPath.size() > ending.size() && outputPath.ends_with(ending))
            return format;
    }
    return {};
}

} // namespace

void drawGraph(const KnowledgeBase& base, const std::string& outputPath)
{
    const std::string format = graphFormat(outputPath);
    if (format.empty())
        throw Error("cannot tell the format of \"" + outputPath + "\": name a .svg, .pdf or .png file");

    const std::unique_ptr<GVC_t, ContextCloser> context(gvContext());
    const std::unique_ptr<Agraph_t, GraphCloser> graph(agopen(text("kb"), Agdirected, nullptr));
    GraphBuilder(base, graph.get()).build();
    if (gvLayout(context.get(), graph.get(), "dot") != 0)
        throw Error("Graphviz could not lay out the graph");

    // Opened here, not by Graphviz, which ends the process when it cannot.
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(outputPath.c_str(), "wb"));
    const auto cannotWrite = [&](int error) {
        return Error("cannot write \"" + outputPath + "\": " + std::generic_category().message(error));
    };
    if (!file) {
        gvFreeLayout(context.get(), graph.get());
        throw cannotWrite(errno);
    }
    const int rendered = gvRender(context.get(), graph.get(), format.c_str(), file.get());
    gvFreeLayout(context.get(), graph.get());
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    const int error = errno;
    if (std::fclose(file.release()) != 0 || !flushed)
        throw cannotWrite(error ? error : EIO);
    if (rendered != 0)
        throw Error("Graphviz could not draw \"" + outputPath + "\" as " + format);
}

} // namespace loco::kb
