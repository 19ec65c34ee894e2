#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// One laid-out page: text runs and lines at their places on the paper, in
// millimetres from the paper's top-left corner. Painting and the text
// output both read it; neither lays anything out again.
struct TextRun {
    QRectF rectMm;
    QString text; // one printed line
    QString fontFamily;
    qreal fontSize = 9; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct LineRun {
    QLineF lineMm;
    qreal penWidth = 0.5; // points
};

struct RenderedPage {
    std::vector<TextRun> texts;
    std::vector<LineRun> lines;

    // The page's text in reading order: runs whose tops lie within half a
    // line of each other form one printed line; their texts are joined left
    // to right with a tab, an empty item giving an empty cell so that
    // columns stay countable. A line of empty items is left out.
    QStringList textLines() const;
};
