#include "reportcheck.h"

namespace {

struct CheckFailed {
    QString message;
};

class ReportChecker
{
public:
    explicit ReportChecker(const ReportInput &input) : m_in(input), m_t(*input.layout) {}

    void run()
    {
        for (const std::optional<ReportBand> *band : {&m_t.titleBand, &m_t.pageHeader, &m_t.summary, &m_t.pageFooter})
            if (band->has_value())
                checkBand(**band);
        for (const ReportDataBlock &block : m_t.datasets)
            checkBlock(block);
    }

private:
    [[noreturn]] void fail(int line, const QString &message) const
    {
        QString name = m_t.fileName;
        if (name.isEmpty())
            name = m_t.title.isEmpty() ? QStringLiteral("Laporan") : m_t.title;
        if (line > 0)
            throw CheckFailed{QStringLiteral("%1 baris %2: %3").arg(name).arg(line).arg(message)};
        throw CheckFailed{QStringLiteral("%1: %2").arg(name, message)};
    }

    void checkBlock(const ReportDataBlock &block)
    {
        const ReportDataset *data = m_in.dataset(block.dataset);
        if (!data)
            fail(block.line, QStringLiteral("data '%1' tidak diberikan oleh jendela").arg(block.dataset));
        if (!block.linkField.isEmpty()) {
            if (!data->hasColumn(block.linkField))
                fail(block.line, QStringLiteral("field link [%1] tidak ada pada data %2").arg(block.linkField, block.dataset));
            const QString masterField = block.masterField.isEmpty() ? block.linkField : block.masterField;
            const ReportDataset *master = m_stack.empty() ? nullptr : m_stack.back().data;
            if (!master || !master->hasColumn(masterField))
                fail(block.line, QStringLiteral("field [%1] tidak ada pada data %2")
                                     .arg(masterField, m_stack.empty() ? QString() : m_stack.back().name));
        }
        m_stack.push_back({block.dataset, data});
        if (block.columnHeader)
            checkBand(*block.columnHeader);
        for (const ReportGroup &group : block.groups) {
            checkExpression(group.key, group.line);
            if (group.header)
                checkBand(*group.header);
            if (group.footer)
                checkBand(*group.footer);
        }
        if (block.detail)
            checkBand(*block.detail);
        if (block.footer)
            checkBand(*block.footer);
        for (const ReportDataBlock &child : block.children)
            checkBlock(child);
        m_stack.pop_back();
    }

    void checkBand(const ReportBand &band)
    {
        checkExpression(band.printWhen, band.line);
        for (const ReportItem &item : band.items)
            if (item.kind == ReportItem::Kind::Text)
                checkExpression(item.expression, item.line ? item.line : band.line);
    }

    void checkExpression(const Expression &e, int line)
    {
        if (!e.isValid())
            fail(line, QStringLiteral("ekspresi salah: %1 (%2)").arg(e.error(), e.source()));
        for (const QString &variable : e.variables())
            if (!m_in.variables.contains(variable.toLower()))
                fail(line, QStringLiteral("variabel $%1 belum diisi oleh jendela").arg(variable));
        for (const Expression::FieldUse &use : e.fields()) {
            if (!use.dataset.isEmpty()) {
                const ReportDataset *data = m_in.dataset(use.dataset);
                if (!data)
                    fail(line, QStringLiteral("data '%1' tidak diberikan oleh jendela").arg(use.dataset));
                if (!data->hasColumn(use.name))
                    fail(line, QStringLiteral("field [%1] tidak ada pada data %2").arg(use.name, use.dataset));
                continue;
            }
            bool found = false;
            for (const ReportInput::Dataset &d : m_in.datasets)
                found = found || d.data->hasColumn(use.name);
            if (found)
                continue;
            const QString where = !m_stack.empty() ? m_stack.back().name : m_in.primaryName();
            if (where.isEmpty())
                fail(line, QStringLiteral("field [%1] tidak ada: laporan ini tidak mendapat data").arg(use.name));
            fail(line, QStringLiteral("field [%1] tidak ada pada data %2").arg(use.name, where));
        }
    }

    struct Open {
        QString name;
        const ReportDataset *data;
    };

    const ReportInput &m_in;
    const ReportTemplate &m_t;
    std::vector<Open> m_stack;
};

} // namespace

QString checkReport(const ReportInput &input)
{
    try {
        ReportChecker(input).run();
    } catch (const CheckFailed &failed) {
        return failed.message;
    }
    return {};
}
