#include "reportlayout.h"

#include "textmeasure.h"

#include <limits>
#include <memory>

const ReportDataset *ReportInput::dataset(const QString &name) const
{
    for (const Dataset &d : datasets)
        if (d.name.compare(name, Qt::CaseInsensitive) == 0)
            return d.data;
    return nullptr;
}

QString ReportInput::primaryName() const
{
    if (layout && !layout->datasets.empty())
        return layout->datasets.front().dataset;
    return datasets.empty() ? QString() : datasets.front().name;
}

const ReportDataset *ReportInput::primary() const
{
    return dataset(primaryName());
}

namespace {

constexpr qreal kEpsilon = 0.001;

using Rows = std::shared_ptr<const std::vector<int>>;

// A dataset block or a group being printed, innermost last.
struct Frame {
    const ReportDataBlock *block = nullptr;
    const ReportGroup *group = nullptr; // null for a block
    const ReportDataset *data = nullptr;
    QString datasetName;
    Rows rows;
    int current = -1; // blocks: the dataset row being printed
    int line = 0;     // detail rows printed so far inside this frame
    bool headerPrinted = false;
};

struct BuiltBand {
    qreal height = 0;
    std::vector<TextRun> texts; // y relative to the band's top
    std::vector<LineRun> lines;
};

class LayoutEngine;

class LayoutEnvironment : public ExpressionEnvironment
{
public:
    LayoutEnvironment(const LayoutEngine &engine, BandKind kind, int depth)
        : m_engine(engine), m_kind(kind), m_depth(depth)
    {
    }
    // Makes unqualified fields of `data` (and [name.Field]) read `row`.
    void setRow(const ReportDataset *data, const QString &name, int row)
    {
        m_rowData = data;
        m_rowName = name;
        m_row = row;
    }

    ReportValue field(const QString &dataset, const QString &name) const override;
    ReportValue variable(const QString &name) const override;
    ReportValue builtin(Expression::Builtin which) const override;
    ReportValue aggregate(Expression::Aggregate function, const Expression &argument) const override;

private:
    const LayoutEngine &m_engine;
    BandKind m_kind;
    int m_depth;
    const ReportDataset *m_rowData = nullptr;
    QString m_rowName;
    int m_row = -1;
};

class LayoutEngine
{
public:
    LayoutEngine(const ReportInput &input, int pageCount) : m_in(input), m_t(*input.layout), m_pageCount(pageCount)
    {
        for (const ReportInput::Dataset &d : m_in.datasets)
            m_cursor.insert(d.data, 0);
    }

    LaidOutReport run()
    {
        ensurePage();
        if (m_t.titleBand)
            emitBand(*m_t.titleBand, -1);
        for (const ReportDataBlock &block : m_t.datasets) {
            const ReportDataset *data = m_in.dataset(block.dataset);
            if (!data)
                continue;
            auto rows = std::make_shared<std::vector<int>>();
            for (int r = 0; r < data->rowCount(); ++r)
                rows->push_back(r);
            layOutBlock(block, data, block.dataset, rows);
        }
        if (m_t.summary)
            emitBand(*m_t.summary, -1);
        finishPage();
        LaidOutReport out;
        out.pages = std::move(m_pages);
        out.rollLengthMm = m_y + m_t.page.marginsMm.bottom();
        return out;
    }

    // --- what expressions read -------------------------------------------

    ReportValue fieldValue(const QString &dataset, const QString &name, int depth) const
    {
        if (!dataset.isEmpty()) {
            const ReportDataset *data = m_in.dataset(dataset);
            if (!data)
                return {};
            for (int i = depth; i >= 0; --i)
                if (m_frames[size_t(i)].data == data && !m_frames[size_t(i)].group)
                    return ReportValue::fromVariant(data->value(m_frames[size_t(i)].current, name));
            return ReportValue::fromVariant(data->value(m_cursor.value(data), name));
        }
        for (int i = depth; i >= 0; --i) {
            const Frame &f = m_frames[size_t(i)];
            if (!f.group && f.data->hasColumn(name))
                return ReportValue::fromVariant(f.data->value(f.current, name));
        }
        if (const ReportDataset *primary = m_in.primary(); primary && primary->hasColumn(name))
            return ReportValue::fromVariant(primary->value(m_cursor.value(primary), name));
        for (const ReportInput::Dataset &d : m_in.datasets)
            if (d.data->hasColumn(name))
                return ReportValue::fromVariant(d.data->value(m_cursor.value(d.data), name));
        return {};
    }

    ReportValue variable(const QString &name) const
    {
        return ReportValue::fromVariant(m_in.variables.value(name.toLower()));
    }

    ReportValue builtin(Expression::Builtin which, int depth) const
    {
        switch (which) {
        case Expression::Builtin::Page:
            return ReportValue::number(Decimal(qMax(1, int(m_pages.size()))));
        case Expression::Builtin::Pages:
            return ReportValue::number(Decimal(m_pageCount));
        case Expression::Builtin::Date:
            return ReportValue::date(m_in.printDate.date());
        case Expression::Builtin::Time:
            return ReportValue::time(m_in.printDate.time());
        case Expression::Builtin::Line:
        case Expression::Builtin::GroupLine:
            for (int i = depth; i >= 0; --i) {
                const Frame &f = m_frames[size_t(i)];
                if (which == Expression::Builtin::Line ? !f.group : bool(f.group))
                    return ReportValue::number(Decimal(f.line));
            }
            return ReportValue::number(Decimal(0));
        }
        return {};
    }

    ReportValue aggregate(Expression::Aggregate function, const Expression &argument, BandKind kind, int depth) const
    {
        // The rows come from the dataset the argument names, or else from
        // the band's own dataset.
        QString targetName;
        for (const Expression::FieldUse &use : argument.fields())
            if (!use.dataset.isEmpty()) {
                targetName = use.dataset;
                break;
            }
        const ReportDataset *target = nullptr;
        if (!targetName.isEmpty()) {
            target = m_in.dataset(targetName);
        } else if (depth >= 0) {
            target = m_frames[size_t(depth)].data;
            targetName = m_frames[size_t(depth)].datasetName;
        } else {
            target = m_in.primary();
            targetName = m_in.primaryName();
        }
        if (!target)
            return function == Expression::Aggregate::Count ? ReportValue::number(Decimal()) : ReportValue();

        std::vector<int> all;
        const std::vector<int> *rows = nullptr;
        if (kind == BandKind::PageFooter) {
            rows = &m_pageRowsEmpty;
            if (auto it = m_pageRows.find(target); it != m_pageRows.end())
                rows = &it.value();
        } else {
            for (int i = depth; i >= 0 && !rows; --i)
                if (m_frames[size_t(i)].data == target)
                    rows = m_frames[size_t(i)].rows.get();
        }
        if (!rows) {
            for (int r = 0; r < target->rowCount(); ++r)
                all.push_back(r);
            rows = &all;
        }

        LayoutEnvironment rowEnv(*this, kind, depth);
        Decimal sum;
        int count = 0;
        ReportValue best;
        for (int r : *rows) {
            if (argument.isEmpty()) {
                ++count;
                continue;
            }
            rowEnv.setRow(target, targetName, r);
            const ReportValue v = argument.evaluate(rowEnv);
            if (v.isBlank())
                continue;
            ++count;
            if (function == Expression::Aggregate::Sum) {
                sum += v.toNumberOrZero();
            } else if (function == Expression::Aggregate::Min || function == Expression::Aggregate::Max) {
                const int c = best.isNull() ? 0 : ReportValue::compare(v, best);
                if (best.isNull() || (function == Expression::Aggregate::Min ? c < 0 : c > 0))
                    best = v;
            }
        }
        switch (function) {
        case Expression::Aggregate::Sum:
            return ReportValue::number(sum);
        case Expression::Aggregate::Count:
            return ReportValue::number(Decimal(count));
        default:
            return best;
        }
    }

private:
    // --- pages -----------------------------------------------------------

    qreal paperBottom() const
    {
        if (m_t.page.isRoll())
            return std::numeric_limits<qreal>::max() / 4;
        return m_t.page.heightMm - m_t.page.marginsMm.bottom();
    }

    void ensurePage()
    {
        if (m_pages.empty())
            startPage();
    }

    void startPage()
    {
        m_pages.emplace_back();
        m_pageRows.clear();
        m_bodyOnPage = false;
        m_y = m_t.page.marginsMm.top();
        m_bottom = paperBottom();
        if (m_t.pageFooter && !m_t.page.isRoll() && printed(*m_t.pageFooter, BandKind::PageFooter, -1))
            m_bottom -= build(*m_t.pageFooter, -1).height;
        if (m_t.pageHeader && printed(*m_t.pageHeader, BandKind::PageHeader, -1))
            place(build(*m_t.pageHeader, -1));
        // The headers of what runs on from the previous page.
        for (int i = 0; i < int(m_frames.size()); ++i) {
            const Frame &f = m_frames[size_t(i)];
            if (!f.headerPrinted)
                continue;
            const std::optional<ReportBand> *band = &f.block->columnHeader;
            if (f.group)
                band = f.group->repeatHeader ? &f.group->header : nullptr;
            if (band && band->has_value() && printed(**band, (*band)->kind, i))
                place(build(**band, i));
        }
        m_bodyStart = m_y;
    }

    void finishPage()
    {
        if (!m_t.pageFooter || !printed(*m_t.pageFooter, BandKind::PageFooter, -1))
            return;
        BuiltBand footer = build(*m_t.pageFooter, -1);
        if (!m_t.page.isRoll())
            m_y = paperBottom() - footer.height;
        place(footer);
    }

    void breakPage()
    {
        finishPage();
        startPage();
    }

    // --- bands -----------------------------------------------------------

    bool printed(const ReportBand &band, BandKind kind, int depth) const
    {
        if (band.printWhen.isEmpty())
            return true;
        return band.printWhen.evaluate(LayoutEnvironment(*this, kind, depth)).toBool();
    }

    // Places a body band, breaking the page first when it (and
    // `keepWithNext` mm after it) does not fit. Returns false when the
    // band's condition left it out.
    bool emitBand(const ReportBand &band, int depth, qreal keepWithNext = 0)
    {
        if (!printed(band, band.kind, depth))
            return false;
        placeBody(band, depth, keepWithNext);
        return true;
    }

    // As emitBand, the band's condition already checked.
    void placeBody(const ReportBand &band, int depth, qreal keepWithNext = 0)
    {
        if (m_measuring) {
            m_y += build(band, depth).height;
            return;
        }
        ensurePage();
        BuiltBand built = build(band, depth);
        if (m_bodyOnPage && m_y + built.height + keepWithNext > m_bottom + kEpsilon) {
            breakPage();
            built = build(band, depth); // Page may be printed in it
        }
        place(built);
        m_bodyOnPage = true;
    }

    void place(const BuiltBand &band)
    {
        RenderedPage &page = m_pages.back();
        for (TextRun run : band.texts) {
            run.rectMm.translate(0, m_y);
            page.texts.push_back(std::move(run));
        }
        for (LineRun run : band.lines) {
            run.lineMm.translate(0, m_y);
            page.lines.push_back(run);
        }
        m_y += band.height;
    }

    BuiltBand build(const ReportBand &band, int depth) const
    {
        const LayoutEnvironment env(*this, band.kind, depth);
        const qreal left = m_t.page.marginsMm.left();
        const qreal contentWidth = m_t.page.contentWidthMm();
        BuiltBand out;
        out.height = band.minHeight;
        for (const ReportItem &item : band.items) {
            qreal bottom = item.y;
            if (item.kind == ReportItem::Kind::Text) {
                const QString text = item.format.apply(item.expression.evaluate(env));
                TextRun run;
                run.fontFamily = item.fontFamily.isEmpty() ? m_t.fontFamily : item.fontFamily;
                run.fontSize = item.fontSize > 0 ? item.fontSize : m_t.fontSize;
                run.bold = item.bold;
                run.italic = item.italic;
                run.underline = item.underline;
                run.alignment = item.alignment;
                const qreal lineHeight = TextMeasure::lineHeightMm(run.fontSize);
                const qreal height = item.height > 0 ? item.height : lineHeight;
                const qreal width = item.width > 0 ? item.width : qMax<qreal>(0, contentWidth - item.x);
                const QStringList lines = item.wrap
                    ? TextMeasure::wrap(text, width, run.fontFamily, run.fontSize, run.bold, run.italic)
                    : text.split(QLatin1Char('\n'));
                if (lines.size() <= 1) {
                    run.rectMm = QRectF(left + item.x, item.y, width, height);
                    run.text = text;
                    out.texts.push_back(run);
                    bottom = item.y + height;
                } else {
                    for (int k = 0; k < lines.size(); ++k) {
                        run.rectMm = QRectF(left + item.x, item.y + k * lineHeight, width, lineHeight);
                        run.text = lines.at(k);
                        out.texts.push_back(run);
                    }
                    bottom = item.y + qMax(height, lines.size() * lineHeight);
                }
            } else {
                const qreal height = qMax<qreal>(0, item.height);
                qreal width = item.width;
                if (width < 0)
                    width = item.kind == ReportItem::Kind::Line && height > 0 ? 0 : qMax<qreal>(0, contentWidth - item.x);
                const qreal x = left + item.x;
                if (item.kind == ReportItem::Kind::Line) {
                    out.lines.push_back({QLineF(x, item.y, x + width, item.y + height), item.penWidth});
                } else {
                    const QRectF r(x, item.y, width, height);
                    out.lines.push_back({QLineF(r.topLeft(), r.topRight()), item.penWidth});
                    out.lines.push_back({QLineF(r.topRight(), r.bottomRight()), item.penWidth});
                    out.lines.push_back({QLineF(r.bottomRight(), r.bottomLeft()), item.penWidth});
                    out.lines.push_back({QLineF(r.bottomLeft(), r.topLeft()), item.penWidth});
                }
                bottom = item.y + height + item.penWidth * 25.4 / 72 / 2;
            }
            out.height = qMax(out.height, bottom);
        }
        return out;
    }

    // --- data ------------------------------------------------------------

    void setCurrent(int blockDepth, int row)
    {
        Frame &f = m_frames[size_t(blockDepth)];
        f.current = row;
        m_cursor.insert(f.data, row);
    }

    qreal detailHeight(int depth) const
    {
        const ReportBand *detail = m_frames[size_t(depth)].block->detail ? &*m_frames[size_t(depth)].block->detail : nullptr;
        return detail ? build(*detail, depth).height : 0;
    }

    void layOutBlock(const ReportDataBlock &block, const ReportDataset *data, const QString &name, const Rows &rows)
    {
        if (rows->empty())
            return;
        Frame frame;
        frame.block = &block;
        frame.data = data;
        frame.datasetName = name;
        frame.rows = rows;
        m_frames.push_back(frame);
        const int depth = int(m_frames.size()) - 1;
        setCurrent(depth, rows->front());
        if (block.columnHeader) {
            emitBand(*block.columnHeader, depth, m_measuring ? 0 : detailHeight(depth));
            m_frames[size_t(depth)].headerPrinted = true;
        }
        layOutLevel(depth, 0, *rows);
        if (block.footer) {
            setCurrent(depth, rows->back());
            emitBand(*block.footer, depth);
        }
        m_frames.pop_back();
    }

    void layOutLevel(int blockDepth, size_t level, const std::vector<int> &rows)
    {
        const ReportDataBlock &block = *m_frames[size_t(blockDepth)].block;
        if (level == block.groups.size()) {
            layOutRows(blockDepth, rows);
            return;
        }
        const ReportGroup &group = block.groups[level];
        const std::vector<Rows> runs = splitIntoGroups(blockDepth, group, rows);
        for (size_t k = 0; k < runs.size(); ++k) {
            if (!m_measuring) {
                ensurePage();
                if (group.newPage && k > 0 && m_bodyOnPage)
                    breakPage();
                if (group.keepTogether && m_bodyOnPage) {
                    const qreal height = measureGroup(blockDepth, level, runs[k]);
                    if (m_y + height > m_bottom + kEpsilon && height <= m_bottom - m_bodyStart + kEpsilon)
                        breakPage();
                }
            }
            layOutGroup(blockDepth, level, runs[k]);
        }
    }

    void layOutGroup(int blockDepth, size_t level, const Rows &run)
    {
        const ReportGroup &group = m_frames[size_t(blockDepth)].block->groups[level];
        Frame frame = m_frames[size_t(blockDepth)];
        frame.group = &group;
        frame.rows = run;
        frame.line = 0;
        frame.headerPrinted = false;
        m_frames.push_back(frame);
        const int depth = int(m_frames.size()) - 1;
        setCurrent(blockDepth, run->front());
        if (group.header) {
            emitBand(*group.header, depth, m_measuring ? 0 : detailHeight(depth));
            m_frames[size_t(depth)].headerPrinted = true;
        }
        layOutLevel(blockDepth, level + 1, *run);
        if (group.footer) {
            setCurrent(blockDepth, run->back());
            emitBand(*group.footer, depth);
        }
        m_frames.pop_back();
    }

    void layOutRows(int blockDepth, const std::vector<int> &rows)
    {
        const ReportDataBlock &block = *m_frames[size_t(blockDepth)].block;
        const ReportDataset *data = m_frames[size_t(blockDepth)].data;
        const int depth = int(m_frames.size()) - 1;
        for (int row : rows) {
            setCurrent(blockDepth, row);
            // Line numbers count the rows printed, so a row that `when`
            // leaves out leaves no gap in them.
            const bool shown = !block.detail || printed(*block.detail, BandKind::Detail, depth);
            if (shown) {
                for (size_t i = size_t(blockDepth); i < m_frames.size(); ++i)
                    ++m_frames[i].line;
                if (block.detail)
                    placeBody(*block.detail, depth);
                if (!m_measuring)
                    m_pageRows[data].push_back(row);
            }
            for (const ReportDataBlock &child : block.children) {
                const ReportDataset *childData = m_in.dataset(child.dataset);
                if (childData)
                    layOutBlock(child, childData, child.dataset, childRows(child, childData, blockDepth));
            }
        }
    }

    std::vector<Rows> splitIntoGroups(int blockDepth, const ReportGroup &group, const std::vector<int> &rows) const
    {
        const Frame &f = m_frames[size_t(blockDepth)];
        LayoutEnvironment env(*this, BandKind::GroupHeader, blockDepth);
        std::vector<Rows> runs;
        std::shared_ptr<std::vector<int>> current;
        ReportValue previous;
        for (int row : rows) {
            env.setRow(f.data, f.datasetName, row);
            const ReportValue key = group.key.evaluate(env);
            if (!current || ReportValue::compare(key, previous) != 0) {
                current = std::make_shared<std::vector<int>>();
                runs.push_back(current);
                previous = key;
            }
            current->push_back(row);
        }
        return runs;
    }

    Rows childRows(const ReportDataBlock &child, const ReportDataset *childData, int masterDepth)
    {
        auto rows = std::make_shared<std::vector<int>>();
        if (child.linkField.isEmpty()) {
            for (int r = 0; r < childData->rowCount(); ++r)
                rows->push_back(r);
            return rows;
        }
        auto it = m_childIndex.find(&child);
        if (it == m_childIndex.end()) {
            QHash<QString, std::vector<int>> index;
            for (int r = 0; r < childData->rowCount(); ++r)
                index[ReportValue::fromVariant(childData->value(r, child.linkField)).toText()].push_back(r);
            it = m_childIndex.insert(&child, index);
        }
        const Frame &master = m_frames[size_t(masterDepth)];
        const QString masterField = child.masterField.isEmpty() ? child.linkField : child.masterField;
        const QString key = ReportValue::fromVariant(master.data->value(master.current, masterField)).toText();
        *rows = it.value().value(key);
        return rows;
    }

    // The height a group takes when laid out without page breaks.
    qreal measureGroup(int blockDepth, size_t level, const Rows &run)
    {
        const qreal y = m_y;
        const std::vector<Frame> frames = m_frames;
        const QHash<const ReportDataset *, int> cursor = m_cursor;
        m_measuring = true;
        m_y = 0;
        layOutGroup(blockDepth, level, run);
        const qreal height = m_y;
        m_measuring = false;
        m_y = y;
        m_frames = frames;
        m_cursor = cursor;
        return height;
    }

    const ReportInput &m_in;
    const ReportTemplate &m_t;
    const int m_pageCount;
    std::vector<RenderedPage> m_pages;
    qreal m_y = 0;
    qreal m_bottom = 0;
    qreal m_bodyStart = 0;
    bool m_bodyOnPage = false;
    bool m_measuring = false;
    std::vector<Frame> m_frames;
    QHash<const ReportDataset *, int> m_cursor;
    QHash<const ReportDataset *, std::vector<int>> m_pageRows;
    const std::vector<int> m_pageRowsEmpty;
    QHash<const ReportDataBlock *, QHash<QString, std::vector<int>>> m_childIndex;
};

ReportValue LayoutEnvironment::field(const QString &dataset, const QString &name) const
{
    if (m_rowData) {
        const bool mine = dataset.isEmpty() ? m_rowData->hasColumn(name)
                                            : dataset.compare(m_rowName, Qt::CaseInsensitive) == 0;
        if (mine)
            return ReportValue::fromVariant(m_rowData->value(m_row, name));
    }
    return m_engine.fieldValue(dataset, name, m_depth);
}

ReportValue LayoutEnvironment::variable(const QString &name) const
{
    return m_engine.variable(name);
}

ReportValue LayoutEnvironment::builtin(Expression::Builtin which) const
{
    return m_engine.builtin(which, m_depth);
}

ReportValue LayoutEnvironment::aggregate(Expression::Aggregate function, const Expression &argument) const
{
    return m_engine.aggregate(function, argument, m_kind, m_depth);
}

} // namespace

LaidOutReport layOutReport(const ReportInput &input, int pageCount)
{
    return LayoutEngine(input, pageCount).run();
}
