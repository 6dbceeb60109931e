#include "tools/kb/graph.h"

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/knowledge_walk.h"
#include "diagnosis/core/text_fold.h"
#include "diagnosis/core/text_hints.h"
#include "toolkit/core/error.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>
#include <memory>
#include <set>
#include <vector>

namespace loco::kb {
namespace {

// About 40 characters a line keeps the boxes near a 3:1 shape at 11 pt.
constexpr std::size_t kWrapWidth = 40;
constexpr std::size_t kLegendWidth = 70;
constexpr long kLargeGraph = 500;
constexpr long kVeryLargeGraph = 2000;

// A backslash of the text doubled, so that Graphviz keeps it a backslash.
std::string escaped(std::string_view text)
{
    std::string label;
    for (const char c : text) {
        if (c == '\\')
            label += '\\';
        label += c;
    }
    return label;
}

// text broken at blanks into lines of at most width characters where it
// can be, in Graphviz's label notation (lineBreak "\\n" ends a centred line).
std::string wrapped(std::string_view text, std::size_t width = kWrapWidth, std::string_view lineBreak = "\\n")
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
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            label += lineBreak;
            lineLength = 0;
        } else if (lineLength > 0) {
            label += ' ';
            ++lineLength;
        }
        label += escaped(word);
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

// The questions a drawing shows: all, or a chain's own up to the other symptoms.
std::vector<bool> shownQuestions(const KnowledgeBase& base, const std::string& chain)
{
    std::vector<bool> shown(base.questions().size(), chain.empty());
    if (chain.empty())
        return shown;
    const KnowledgeBase::LabelRef* ref = base.findLabel(chain);
    if (!ref || ref->kind != KnowledgeBase::LabelKind::Question) {
        std::vector<std::string_view> labels;
        for (const Question& question : base.questions())
            labels.push_back(question.label);
        const std::string near = nearestName(chain, labels);
        throw Error("there is no question " + chain + (near.empty() ? "" : "; did you mean " + near + "?"));
    }
    std::vector<bool> symptom(shown.size(), false);
    for (const std::size_t row : symptomQuestions(base))
        symptom[row] = row != ref->index;
    std::vector<std::size_t> pending{ref->index};
    shown[ref->index] = true;
    while (!pending.empty()) {
        const Question& question = base.questions()[pending.back()];
        pending.pop_back();
        for (const Outcome* outcome : {&question.ya, &question.tidak}) {
            if (outcome->kind == Outcome::Kind::Next && !shown[outcome->target] && !symptom[outcome->target]) {
                shown[outcome->target] = true;
                pending.push_back(outcome->target);
            }
        }
    }
    return shown;
}

class GraphBuilder {
public:
    GraphBuilder(const KnowledgeBase& base, Agraph_t* graph, std::vector<bool> shown)
        : base_(base), outline_(base), graph_(graph), shown_(std::move(shown))
    {
    }

    void build(const std::string& title)
    {
        defaults();
        set(graph_, "label", escaped(title));
        const std::vector<Question>& questions = base_.questions();
        questionNodes_.assign(questions.size(), nullptr);
        for (const std::size_t i : outline_.questionOrder()) {
            if (shown_[i])
                questionNodes_[i] = node("q" + std::to_string(i), "box", "#ffffff",
                    escaped(questions[i].label) + "\\n" + wrapped(questions[i].text));
        }
        for (const std::size_t i : outline_.questionOrder()) {
            if (!shown_[i])
                continue;
            edge(i, questions[i].ya, "YA", "#1b5e20");
            edge(i, questions[i].tidak, "TIDAK", "#b71c1c");
        }
        legend();
    }

private:
    void defaults()
    {
        const auto attribute = [this](int kind, const char* name, const char* value) {
            agattr(graph_, kind, const_cast<char*>(name), const_cast<char*>(value));
        };
        attribute(AGRAPH, "rankdir", "TB");
        attribute(AGRAPH, "bgcolor", "white");
        attribute(AGRAPH, "nodesep", "0.3");
        attribute(AGRAPH, "ranksep", "0.45");
        attribute(AGRAPH, "labelloc", "t");
        attribute(AGRAPH, "fontname", "DejaVu Sans");
        attribute(AGRAPH, "fontsize", "14");
        attribute(AGNODE, "fontname", "DejaVu Sans");
        attribute(AGNODE, "fontsize", "11");
        attribute(AGNODE, "style", "filled");
        attribute(AGNODE, "margin", "0.12,0.06");
        attribute(AGEDGE, "fontname", "DejaVu Sans");
        attribute(AGEDGE, "fontsize", "10");
        // Graphviz's placement grows much faster than the graph: its
        // iterations are bounded for large ones (2,000 questions: 8 s rather
        // than minutes), and edges drawn straight for the largest.
        const auto shown = std::count(shown_.begin(), shown_.end(), true);
        if (shown > kLargeGraph) {
            attribute(AGRAPH, "nslimit", "0.1");
            attribute(AGRAPH, "nslimit1", "0.1");
            attribute(AGRAPH, "mclimit", "0.1");
        }
        if (shown > kVeryLargeGraph)
            attribute(AGRAPH, "splines", "line");
    }

    Agnode_t* node(const std::string& name, const char* shape, const char* fill, const std::string& label)
    {
        Agnode_t* node = agnode(graph_, text(name), 1);
        set(node, "shape", shape);
        set(node, "fillcolor", fill);
        set(node, "label", label);
        return node;
    }

    // The node an answer leads to, made when first needed.
    Agnode_t* target(const Outcome& outcome)
    {
        switch (outcome.kind) {
        case Outcome::Kind::Next:
            if (questionNodes_[outcome.target])
                return questionNodes_[outcome.target];
            // Where a chain leaves: the symptom it goes on to, named only.
            return node("x" + std::to_string(outcome.target), "plaintext", "#ffffff",
                "\u2192 " + escaped(base_.questions()[outcome.target].label));
        case Outcome::Kind::Conclusion: {
            const auto [group, number] = outline_.conclusionOf(outcome);
            usedGroups_.insert(group);
            const std::string label = outline_.conclusionLabel(outcome);
            const std::string cause = withoutExtraBlanks(outline_.headingGroups()[group].causes[number - 1]);
            return node("c" + label, "note", "#e4f1dc",
                escaped(label) + "\\n" + (cause.empty() ? "(tanpa keterangan)" : wrapped(cause)));
        }
        case Outcome::Kind::Closing: {
            const Closing& closing = base_.closings()[outcome.target];
            std::string label = escaped(closing.label);
            for (const std::string& line : closing.lines)
                label += "\\n" + wrapped(line);
            return node("n" + std::to_string(outcome.target), "octagon", "#ececec", label);
        }
        default:
            return nullptr;
        }
    }

    void edge(std::size_t from, const Outcome& outcome, const char* answer, const char* colour)
    {
        Agnode_t* to = target(outcome);
        // A key of its own keeps YA and TIDAK apart when both lead to one node.
        const std::string key = "q" + std::to_string(from) + answer;
        Agedge_t* edge = agedge(graph_, questionNodes_[from], to, text(key), 1);
        set(edge, "label", answer);
        set(edge, "color", colour);
        set(edge, "fontcolor", colour);
    }

    // The headings of the conclusions drawn, once each, left-aligned.
    void legend()
    {
        if (usedGroups_.empty())
            return;
        std::string label = "Judul kesimpulan\\l";
        for (const std::size_t g : usedGroups_) {
            const std::string heading = base_.headings()[outline_.headingGroups()[g].headings.front()].text;
            label += escaped(outline_.groupLabel(g)) + ": "
                + wrapped(withoutExtraBlanks(heading), kLegendWidth, "\\l    ") + "\\l";
        }
        node("legend", "box", "#fffbe6", label);
    }

    const KnowledgeBase& base_;
    const Outline outline_;
    Agraph_t* graph_;
    std::vector<bool> shown_;
    std::vector<Agnode_t*> questionNodes_;
    std::set<std::size_t> usedGroups_;
};

// Graphviz's own drawing instructions (xdot, as JSON) replayed with Qt: the
// same picture, drawn on pages of our choosing.
class XdotPainter {
public:
    explicit XdotPainter(const QJsonObject& graph)
    {
        const QStringList box = graph.value(QStringLiteral("bb")).toString().split(QLatin1Char(','));
        if (box.size() == 4)
            size_ = QSizeF(box[2].toDouble(), box[3].toDouble());
        collect(graph);
        for (const QString& list : {QStringLiteral("objects"), QStringLiteral("edges")})
            for (const QJsonValue& object : graph.value(list).toArray())
                collect(object.toObject());
    }

    QSizeF size() const { return size_; }

    // The smallest type size used, in points.
    qreal smallestText() const
    {
        qreal smallest = 0;
        qreal size = 14;
        for (const QJsonObject& op : ops_) {
            const QString name = op.value(QStringLiteral("op")).toString();
            if (name == QLatin1String("F"))
                size = op.value(QStringLiteral("size")).toDouble();
            else if (name == QLatin1String("T") && (smallest == 0 || size < smallest))
                smallest = size;
        }
        return smallest;
    }

    void paint(QPainter& painter) const
    {
        QPen pen(Qt::black);
        QBrush fill(Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleStrategy(QFont::PreferNoShaping);
        for (const QJsonObject& op : ops_) {
            const QString name = op.value(QStringLiteral("op")).toString();
            const QChar kind = name.isEmpty() ? QChar() : name.front();
            if (kind == QLatin1Char('c')) {
                pen.setColor(colour(op));
            } else if (kind == QLatin1Char('C')) {
                fill = QBrush(colour(op));
            } else if (kind == QLatin1Char('F')) {
                font.setPointSizeF(op.value(QStringLiteral("size")).toDouble());
            } else if (kind == QLatin1Char('S')) {
                const QString style = op.value(QStringLiteral("style")).toString();
                pen.setStyle(style == QLatin1String("dashed") ? Qt::DashLine
                        : style == QLatin1String("dotted")    ? Qt::DotLine
                                                              : Qt::SolidLine);
            } else if (kind == QLatin1Char('T')) {
                const QPointF at = point(op.value(QStringLiteral("pt")).toArray());
                const qreal width = op.value(QStringLiteral("width")).toDouble();
                const QString align = op.value(QStringLiteral("align")).toString();
                const qreal left = align == QLatin1String("l") ? at.x()
                    : align == QLatin1String("r")              ? at.x() - width
                                                               : at.x() - width / 2;
                painter.setFont(font);
                painter.setPen(pen.color());
                painter.drawText(QPointF(left, at.y()), op.value(QStringLiteral("text")).toString());
            } else {
                shape(painter, op, kind, pen, fill);
            }
        }
    }

private:
    void collect(const QJsonObject& object)
    {
        for (const QString& list : {QStringLiteral("_draw_"), QStringLiteral("_ldraw_"), QStringLiteral("_hdraw_"),
                 QStringLiteral("_tdraw_"), QStringLiteral("_hldraw_"), QStringLiteral("_tldraw_")})
            for (const QJsonValue& op : object.value(list).toArray())
                ops_.push_back(op.toObject());
    }

    static QColor colour(const QJsonObject& op)
    {
        // "#rrggbbaa" is Graphviz's form with transparency; Qt reads "#aarrggbb".
        QString name = op.value(QStringLiteral("color")).toString();
        if (name.size() == 9 && name.startsWith(QLatin1Char('#')))
            name = QLatin1Char('#') + name.mid(7, 2) + name.mid(1, 6);
        return QColor(name);
    }

    // Graphviz's y grows upwards.
    QPointF point(const QJsonArray& xy) const
    {
        return QPointF(xy.at(0).toDouble(), size_.height() - xy.at(1).toDouble());
    }

    void shape(QPainter& painter, const QJsonObject& op, QChar kind, const QPen& pen, const QBrush& fill) const
    {
        const bool filled = kind.isUpper();
        painter.setPen(pen);
        painter.setBrush(filled ? fill : Qt::NoBrush);
        const QJsonArray points = op.value(QStringLiteral("points")).toArray();
        QPolygonF polygon;
        for (const QJsonValue& xy : points)
            polygon << point(xy.toArray());
        switch (kind.toLower().unicode()) {
        case 'e': {
            const QJsonArray rect = op.value(QStringLiteral("rect")).toArray();
            const QPointF centre = point(rect);
            painter.drawEllipse(centre, rect.at(2).toDouble(), rect.at(3).toDouble());
            break;
        }
        case 'p':
            painter.drawPolygon(polygon);
            break;
        case 'l':
            painter.drawPolyline(polygon);
            break;
        case 'b': {
            if (polygon.isEmpty())
                break;
            QPainterPath path(polygon.front());
            for (int i = 1; i + 2 < polygon.size(); i += 3)
                path.cubicTo(polygon[i], polygon[i + 1], polygon[i + 2]);
            painter.drawPath(path);
            break;
        }
        default:
            break; // gradients, pictures and font styles: none are used
        }
    }

    QSizeF size_;
    std::vector<QJsonObject> ops_;
};

// Page sizes in points, portrait.
QSizeF pageSize(const std::string& name)
{
    return QPageSize(name == "a3" ? QPageSize::A3 : QPageSize::A4).size(QPageSize::Point);
}

constexpr qreal kPageMargin = 28; // 10 mm
constexpr qreal kOverlap = 42; // 15 mm shown on both neighbouring pages
constexpr qreal kPageLabel = 20;
constexpr qreal kSmallestPrinted = 8; // points

std::string tiledPages(const XdotPainter& drawing, const GraphRequest& request)
{
    // Small enough to print few pages, never so small that text drops below 8 pt.
    const qreal smallest = drawing.smallestText();
    const qreal legible = smallest > 0 ? std::min(1.0, kSmallestPrinted / smallest) : 1.0;
    const QSizeF portrait = pageSize(request.pages);
    struct Plan {
        QPageLayout::Orientation orientation;
        QSizeF area;
        qreal scale;
        int columns;
        int rows;
    };
    std::vector<Plan> plans;
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const QSizeF page = orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
        const QSizeF area(page.width() - 2 * kPageMargin, page.height() - 2 * kPageMargin - kPageLabel);
        const qreal fit = std::min(area.width() / drawing.size().width(), area.height() / drawing.size().height());
        const qreal scale = std::min(1.0, std::max(fit, legible));
        const auto count = [&](qreal content, qreal room) {
            return content <= room ? 1 : int(std::ceil((content - kOverlap) / (room - kOverlap)));
        };
        plans.push_back({orientation, area, scale, count(drawing.size().width() * scale, area.width()),
            count(drawing.size().height() * scale, area.height())});
    }
    const Plan& plan = plans[0].columns * plans[0].rows <= plans[1].columns * plans[1].rows ? plans[0] : plans[1];

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(request.pages == "a3" ? QPageSize::A3 : QPageSize::A4),
            plan.orientation, QMarginsF(kPageMargin, kPageMargin, kPageMargin, kPageMargin), QPageLayout::Point));
        writer.setTitle(QString::fromStdString(request.title));
        writer.setCreator(QStringLiteral("lokomotif-kb"));
        QPainter painter(&writer);
        if (!painter.isActive())
            throw Error("cannot draw the pages as PDF");
        QFont labelFont(QStringLiteral("DejaVu Sans"), 9);
        const int total = plan.columns * plan.rows;
        const qreal stepX = plan.area.width() - kOverlap;
        const qreal stepY = plan.area.height() - kOverlap;
        for (int row = 0; row < plan.rows; ++row) {
            for (int column = 0; column < plan.columns; ++column) {
                const int number = row * plan.columns + column + 1;
                if (number > 1)
                    writer.newPage();
                painter.setFont(labelFont);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, 0, plan.area.width(), kPageLabel), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("%1 \u00b7 %2")
                        .arg(QString::fromStdString(request.title), QString::fromStdString(request.edition)));
                painter.drawText(QRectF(0, 0, plan.area.width(), kPageLabel), Qt::AlignRight | Qt::AlignTop,
                    QStringLiteral("halaman %1 dari %2 \u00b7 baris %3, kolom %4 (%5 \u00d7 %6)")
                        .arg(number)
                        .arg(total)
                        .arg(row + 1)
                        .arg(column + 1)
                        .arg(plan.rows)
                        .arg(plan.columns));
                const QRectF area(0, kPageLabel, plan.area.width(), plan.area.height());
                painter.save();
                painter.setClipRect(area);
                painter.translate(-column * stepX, kPageLabel - row * stepY);
                painter.scale(plan.scale, plan.scale);
                drawing.paint(painter);
                painter.restore();
                // Where the next page's part begins: the strip between is on both.
                painter.setPen(QPen(Qt::gray, 0.5, Qt::DashLine));
                if (column + 1 < plan.columns)
                    painter.drawLine(QPointF(stepX, area.top()), QPointF(stepX, area.bottom()));
                if (row + 1 < plan.rows)
                    painter.drawLine(QPointF(0, area.top() + stepY), QPointF(area.width(), area.top() + stepY));
            }
        }
        if (!painter.end())
            throw Error("cannot draw the pages as PDF");
    }
    return pdf.toStdString();
}

} // namespace

std::string drawGraph(const KnowledgeBase& base, const GraphRequest& request)
{
    const std::unique_ptr<GVC_t, ContextCloser> context(gvContext());
    const std::unique_ptr<Agraph_t, GraphCloser> graph(agopen(text("kb"), Agdirected, nullptr));
    GraphBuilder(base, graph.get(), shownQuestions(base, request.chain))
        .build(request.title + (request.chain.empty() ? "" : ", " + request.chain) + " \u00b7 " + request.edition);
    if (gvLayout(context.get(), graph.get(), "dot") != 0)
        throw Error("Graphviz could not lay out the graph");
    // Rendered into memory: the file is written only once it is complete.
    char* data = nullptr;
    unsigned int length = 0;
    const std::string format = request.pages.empty() ? request.format : "json";
    const int rendered = gvRenderData(context.get(), graph.get(), format.c_str(), &data, &length);
    const std::string bytes = data ? std::string(data, length) : std::string();
    gvFreeRenderData(data);
    gvFreeLayout(context.get(), graph.get());
    if (rendered != 0 || bytes.empty())
        throw Error("Graphviz could not draw the graph as " + format);
    if (request.pages.empty())
        return bytes;
    QJsonParseError error;
    const QJsonDocument layout = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (!layout.isObject())
        throw Error("Graphviz's layout could not be read: " + error.errorString().toStdString());
    return tiledPages(XdotPainter(layout.object()), request);
}

} // namespace loco::kb
