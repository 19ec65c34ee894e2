#include "renderedpage.h"

#include <algorithm>

QStringList RenderedPage::textLines() const
{
    std::vector<const TextRun *> runs;
    for (const TextRun &r : texts)
        runs.push_back(&r);
    std::stable_sort(runs.begin(), runs.end(), [](const TextRun *a, const TextRun *b) {
        return a->rectMm.top() < b->rectMm.top();
    });
    QStringList out;
    size_t i = 0;
    while (i < runs.size()) {
        const qreal top = runs[i]->rectMm.top();
        const qreal reach = top + runs[i]->rectMm.height() / 2;
        std::vector<const TextRun *> line;
        while (i < runs.size() && runs[i]->rectMm.top() < reach)
            line.push_back(runs[i++]);
        std::stable_sort(line.begin(), line.end(), [](const TextRun *a, const TextRun *b) {
            return a->rectMm.left() < b->rectMm.left();
        });
        QStringList parts;
        bool blank = true;
        for (const TextRun *r : line) {
            parts << r->text;
            blank = blank && r->text.trimmed().isEmpty();
        }
        if (!blank)
            out << parts.join(QLatin1Char('\t'));
    }
    return out;
}
