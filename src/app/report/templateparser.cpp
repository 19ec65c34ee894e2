#include "templateparser.h"

#include <utility>

namespace {

struct SyntaxError {
    int line;
    QString message;
};

QString bandWord(BandKind kind)
{
    switch (kind) {
    case BandKind::Title: return QStringLiteral("title");
    case BandKind::PageHeader: return QStringLiteral("pageheader");
    case BandKind::ColumnHeader: return QStringLiteral("columnheader");
    case BandKind::GroupHeader: return QStringLiteral("header");
    case BandKind::Detail: return QStringLiteral("detail");
    case BandKind::GroupFooter:
    case BandKind::DatasetFooter: return QStringLiteral("footer");
    case BandKind::Summary: return QStringLiteral("summary");
    case BandKind::PageFooter: return QStringLiteral("pagefooter");
    }
    return {};
}

// A '#' starts a comment at the start of a line or after a blank, outside
// quotes, so masks such as format=#,0 need no quotes.
QString withoutComment(const QString &line)
{
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('#') && (i == 0 || line.at(i - 1).isSpace())) {
            return line.left(i);
        }
    }
    return line;
}

} // namespace

TemplateParser::TemplateParser(const QString &text, const QString &fileName) : m_fileName(fileName)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lines = t.split(QLatin1Char('\n'));
}

void TemplateParser::fail(int line, const QString &message) const
{
    throw SyntaxError{line, message};
}

void TemplateParser::unclosed(const Statement &open, const QString &what) const
{
    // The opening line is where the shop starts looking for the missing end.
    fail(open.line, QStringLiteral("%1 belum ditutup dengan 'end'").arg(what));
}

ReportResult<ReportTemplate> TemplateParser::parse()
{
    ReportTemplate t;
    t.fileName = m_fileName;
    try {
        parseTopLevel(t);
    } catch (const SyntaxError &e) {
        return ReportResult<ReportTemplate>::failure(
            QStringLiteral("%1 baris %2: %3").arg(m_fileName).arg(e.line).arg(e.message));
    }
    return t;
}

bool TemplateParser::next(Statement &out)
{
    while (m_pos < m_lines.size()) {
        const int lineNo = m_pos + 1;
        const QString text = withoutComment(m_lines.at(m_pos++)).trimmed();
        if (text.isEmpty())
            continue;
        out = tokenize(text, lineNo);
        return true;
    }
    return false;
}

TemplateParser::Statement TemplateParser::tokenize(const QString &text, int line) const
{
    Statement st;
    st.line = line;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && !text.at(i).isSpace() && text.at(i) != QLatin1Char(':'))
        ++i;
    st.keyword = text.left(i).toLower();
    if (st.keyword == QLatin1String("when")) {
        st.expression = text.mid(i).trimmed();
        st.hasExpression = true;
        return st;
    }
    auto readQuoted = [&](QString &into) {
        const QChar quote = text.at(i++);
        for (;;) {
            if (i >= n)
                fail(line, QStringLiteral("tanda petik %1 tidak ditutup").arg(quote));
            const QChar c = text.at(i++);
            if (c == quote) {
                if (i < n && text.at(i) == quote) {
                    into += quote;
                    ++i;
                    continue;
                }
                return;
            }
            into += c;
        }
    };
    auto isStop = [&](QChar c) { return c.isSpace() || c == QLatin1Char(':') || c == QLatin1Char('='); };
    for (;;) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        if (text.at(i) == QLatin1Char(':')) {
            st.expression = text.mid(i + 1).trimmed();
            st.hasExpression = true;
            break;
        }
        Arg arg;
        if (text.at(i) == QLatin1Char('"')) {
            readQuoted(arg.value);
            arg.quoted = true;
            st.args.push_back(arg);
            continue;
        }
        const qsizetype start = i;
        while (i < n && !isStop(text.at(i)))
            ++i;
        const QString word = text.mid(start, i - start);
        if (i < n && text.at(i) == QLatin1Char('=')) {
            ++i;
            arg.key = word.toLower();
            if (arg.key.isEmpty())
                fail(line, QStringLiteral("nama pilihan tidak ada sebelum '='"));
            if (i < n && text.at(i) == QLatin1Char('"')) {
                readQuoted(arg.value);
                arg.quoted = true;
            } else {
                const qsizetype vs = i;
                while (i < n && !text.at(i).isSpace() && text.at(i) != QLatin1Char(':'))
                    ++i;
                arg.value = text.mid(vs, i - vs);
                if (arg.value.isEmpty())
                    fail(line, QStringLiteral("nilai pilihan %1 tidak ada setelah '='").arg(arg.key));
            }
        } else {
            if (word.isEmpty())
                fail(line, QStringLiteral("tanda '=' tanpa nama pilihan"));
            arg.value = word;
        }
        st.args.push_back(arg);
    }
    return st;
}

qreal TemplateParser::number(const Statement &st, const QString &text, bool allowZero) const
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    // Sizes in millimetres and points, not money: a double is exact enough.
    const qreal v = t.toDouble(&ok);
    if (!ok || !qIsFinite(v) || v < 0 || (!allowZero && v == 0) || t.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        fail(st.line, QStringLiteral("angka tidak sah: '%1'").arg(text));
    return v;
}

Expression TemplateParser::expressionOf(const Statement &st) const
{
    if (!st.hasExpression || st.expression.isEmpty())
        fail(st.line, QStringLiteral("%1 memerlukan ekspresi setelah ':'").arg(st.keyword));
    Expression e = Expression::parse(st.expression);
    if (!e.isValid())
        fail(st.line, QStringLiteral("ekspresi salah: %1").arg(e.error()));
    return e;
}

void TemplateParser::parseTopLevel(ReportTemplate &t)
{
    Statement st;
    while (next(st)) {
        const QString &kw = st.keyword;
        if (kw != QLatin1String("band") && kw != QLatin1String("dataset") && st.hasExpression)
            fail(st.line, QStringLiteral("'%1' tidak memakai ekspresi setelah ':'").arg(kw));
        if (kw == QLatin1String("report")) {
            if (st.args.size() != 1 || !st.args[0].key.isEmpty())
                fail(st.line, QStringLiteral("tulis judul laporan dalam tanda petik: report \"Daftar Barang\""));
            t.title = st.args[0].value;
        } else if (kw == QLatin1String("page")) {
            parsePage(st, t);
        } else if (kw == QLatin1String("margins")) {
            parseMargins(st, t);
        } else if (kw == QLatin1String("font")) {
            parseFont(st, t);
        } else if (kw == QLatin1String("band")) {
            const QString which = st.args.empty() ? QString() : st.args[0].value.toLower();
            std::optional<ReportBand> *slot = nullptr;
            BandKind kind = BandKind::Title;
            if (which == QLatin1String("title")) {
                slot = &t.titleBand;
                kind = BandKind::Title;
            } else if (which == QLatin1String("pageheader")) {
                slot = &t.pageHeader;
                kind = BandKind::PageHeader;
            } else if (which == QLatin1String("summary")) {
                slot = &t.summary;
                kind = BandKind::Summary;
            } else if (which == QLatin1String("pagefooter")) {
                slot = &t.pageFooter;
                kind = BandKind::PageFooter;
            } else if (which == QLatin1String("columnheader") || which == QLatin1String("detail")
                       || which == QLatin1String("footer") || which == QLatin1String("header")) {
                fail(st.line, QStringLiteral("band %1 hanya boleh di dalam dataset atau group").arg(which));
            } else {
                fail(st.line, QStringLiteral("band tidak dikenal: '%1' (title, pageheader, summary, pagefooter)")
                                  .arg(st.args.empty() ? QString() : st.args[0].value));
            }
            if (slot->has_value())
                fail(st.line, QStringLiteral("band %1 sudah ada di baris %2").arg(which).arg((*slot)->line));
            *slot = parseBand(st, kind);
        } else if (kw == QLatin1String("dataset")) {
            t.datasets.push_back(parseDataset(st, false));
        } else if (kw == QLatin1String("end")) {
            fail(st.line, QStringLiteral("'end' tanpa blok yang dibuka"));
        } else if (kw == QLatin1String("text") || kw == QLatin1String("line") || kw == QLatin1String("box")
                   || kw == QLatin1String("when")) {
            fail(st.line, QStringLiteral("'%1' hanya boleh di dalam band").arg(kw));
        } else if (kw == QLatin1String("group")) {
            fail(st.line, QStringLiteral("'group' hanya boleh di dalam dataset"));
        } else {
            fail(st.line, QStringLiteral("perintah tidak dikenal: '%1'").arg(kw));
        }
    }
}

void TemplateParser::parsePage(const Statement &st, ReportTemplate &t)
{
    const QMarginsF margins = t.page.marginsMm;
    if (st.args.empty())
        fail(st.line, QStringLiteral("ukuran kertas tidak ada: page A4, page 210x140 atau page roll 80"));
    for (const Arg &a : st.args)
        if (!a.key.isEmpty() || a.quoted)
            fail(st.line, QStringLiteral("pilihan tidak dikenal untuk page: '%1'").arg(a.key.isEmpty() ? a.value : a.key));
    const QString first = st.args[0].value;
    if (first.compare(QLatin1String("roll"), Qt::CaseInsensitive) == 0) {
        if (st.args.size() != 2)
            fail(st.line, QStringLiteral("tulis lebar kertas roll dalam mm: page roll 80"));
        t.page = PageSetup::roll(number(st, st.args[1].value, false));
    } else if (first.contains(QLatin1Char('x'), Qt::CaseInsensitive)) {
        const QStringList wh = first.toLower().split(QLatin1Char('x'));
        if (wh.size() != 2)
            fail(st.line, QStringLiteral("ukuran kertas tidak sah: '%1' (lebar x tinggi dalam mm, misalnya 210x140)").arg(first));
        if (st.args.size() > 1)
            fail(st.line, QStringLiteral("ukuran lebar x tinggi sudah menentukan arah kertas: hapus '%1'").arg(st.args[1].value));
        t.page = PageSetup::custom(number(st, wh[0], false), number(st, wh[1], false));
    } else {
        QPageLayout::Orientation o = QPageLayout::Portrait;
        if (st.args.size() > 2)
            fail(st.line, QStringLiteral("terlalu banyak kata untuk page"));
        if (st.args.size() == 2) {
            const QString dir = st.args[1].value.toLower();
            if (dir == QLatin1String("landscape"))
                o = QPageLayout::Landscape;
            else if (dir != QLatin1String("portrait"))
                fail(st.line, QStringLiteral("arah kertas tidak dikenal: '%1' (portrait atau landscape)").arg(st.args[1].value));
        }
        const auto named = PageSetup::named(first, o);
        if (!named)
            fail(st.line, QStringLiteral("ukuran kertas tidak dikenal: '%1' (A3, A4, A5, F4, Letter, Legal)").arg(first));
        t.page = *named;
    }
    t.page.marginsMm = margins;
}

void TemplateParser::parseMargins(const Statement &st, ReportTemplate &t)
{
    std::vector<qreal> v;
    for (const Arg &a : st.args) {
        if (!a.key.isEmpty())
            fail(st.line, QStringLiteral("pilihan tidak dikenal untuk margins: '%1'").arg(a.key));
        v.push_back(number(st, a.value));
    }
    if (v.size() == 1)
        t.page.marginsMm = QMarginsF(v[0], v[0], v[0], v[0]);
    else if (v.size() == 2)
        t.page.marginsMm = QMarginsF(v[0], v[1], v[0], v[1]);
    else if (v.size() == 4)
        t.page.marginsMm = QMarginsF(v[0], v[1], v[2], v[3]);
    else
        fail(st.line, QStringLiteral("margins memerlukan 1, 2 atau 4 angka (kiri atas kanan bawah, mm)"));
}

void TemplateParser::parseFont(const Statement &st, ReportTemplate &t)
{
    size_t i = 0;
    if (i < st.args.size() && st.args[i].quoted)
        t.fontFamily = st.args[i++].value;
    if (i < st.args.size() && st.args[i].key.isEmpty())
        t.fontSize = number(st, st.args[i++].value, false);
    if (i != st.args.size() || st.args.empty())
        fail(st.line, QStringLiteral("tulis font sebagai: font \"Arial\" 9"));
}

ReportBand TemplateParser::parseBand(const Statement &open, BandKind kind)
{
    ReportBand band(kind);
    band.line = open.line;
    for (size_t i = 1; i < open.args.size(); ++i) {
        const Arg &a = open.args[i];
        if (a.key == QLatin1String("height"))
            band.minHeight = number(open, a.value);
        else
            fail(open.line, QStringLiteral("pilihan tidak dikenal untuk band: '%1'").arg(a.key.isEmpty() ? a.value : a.key));
    }
    if (open.hasExpression)
        fail(open.line, QStringLiteral("band tidak memakai ekspresi; tulis syaratnya di baris 'when'"));
    const QString what = QStringLiteral("band %1").arg(bandWord(kind));
    Statement st;
    while (next(st)) {
        if (st.keyword == QLatin1String("end")) {
            if (!st.args.empty() || st.hasExpression)
                fail(st.line, QStringLiteral("'end' berdiri sendiri"));
            return band;
        }
        if (st.keyword == QLatin1String("when")) {
            if (!band.printWhen.isEmpty())
                fail(st.line, QStringLiteral("band ini sudah memiliki 'when'"));
            band.printWhen = expressionOf(st);
            continue;
        }
        if (st.keyword == QLatin1String("band") || st.keyword == QLatin1String("dataset")
            || st.keyword == QLatin1String("group"))
            fail(st.line, QStringLiteral("'%1' tidak boleh di dalam band; tutup dulu %2 dengan 'end'").arg(st.keyword, what));
        band.items.push_back(parseItem(st));
    }
    unclosed(open, what);
}

ReportItem TemplateParser::parseItem(const Statement &st)
{
    ReportItem item;
    item.line = st.line;
    const QString &kw = st.keyword;
    if (kw == QLatin1String("text"))
        item.kind = ReportItem::Kind::Text;
    else if (kw == QLatin1String("line"))
        item.kind = ReportItem::Kind::Line;
    else if (kw == QLatin1String("box"))
        item.kind = ReportItem::Kind::Box;
    else
        fail(st.line, QStringLiteral("perintah tidak dikenal di dalam band: '%1' (text, line, box, when)").arg(kw));
    const bool isText = item.kind == ReportItem::Kind::Text;
    bool hasHeight = false;
    for (const Arg &a : st.args) {
        const QString &k = a.key;
        if (k == QLatin1String("x")) {
            item.x = number(st, a.value);
        } else if (k == QLatin1String("y")) {
            item.y = number(st, a.value);
        } else if (k == QLatin1String("w")) {
            item.width = number(st, a.value);
        } else if (k == QLatin1String("h")) {
            item.height = number(st, a.value);
            hasHeight = true;
        } else if (k == QLatin1String("pen") && !isText) {
            item.penWidth = number(st, a.value, false);
        } else if (isText && k == QLatin1String("align")) {
            const QString v = a.value.toLower();
            if (v == QLatin1String("left"))
                item.alignment = Qt::AlignLeft;
            else if (v == QLatin1String("center"))
                item.alignment = Qt::AlignHCenter;
            else if (v == QLatin1String("right"))
                item.alignment = Qt::AlignRight;
            else
                fail(st.line, QStringLiteral("align tidak dikenal: '%1' (left, center, right)").arg(a.value));
        } else if (isText && k == QLatin1String("size")) {
            item.fontSize = number(st, a.value, false);
        } else if (isText && k == QLatin1String("font")) {
            item.fontFamily = a.value;
        } else if (isText && k == QLatin1String("format")) {
            QString error;
            auto f = ValueFormat::parse(a.value, &error);
            if (!f)
                fail(st.line, error);
            item.format = *f;
        } else if (isText && k.isEmpty() && !a.quoted) {
            const QString flag = a.value.toLower();
            if (flag == QLatin1String("bold"))
                item.bold = true;
            else if (flag == QLatin1String("italic"))
                item.italic = true;
            else if (flag == QLatin1String("underline"))
                item.underline = true;
            else if (flag == QLatin1String("wrap"))
                item.wrap = true;
            else
                fail(st.line, QStringLiteral("pilihan tidak dikenal untuk text: '%1'").arg(a.value));
        } else if (k.isEmpty() && a.quoted) {
            fail(st.line, QStringLiteral("teks \"%1\" harus ditulis setelah ':' (text x=0 : \"%1\")").arg(a.value));
        } else {
            fail(st.line, QStringLiteral("pilihan tidak dikenal untuk %1: '%2'").arg(kw, k.isEmpty() ? a.value : k));
        }
    }
    if (isText) {
        item.expression = expressionOf(st);
    } else {
        if (st.hasExpression)
            fail(st.line, QStringLiteral("%1 tidak memakai ekspresi").arg(kw));
        if (item.kind == ReportItem::Kind::Line && !hasHeight)
            item.height = 0;
        if (item.kind == ReportItem::Kind::Box && !hasHeight)
            fail(st.line, QStringLiteral("box memerlukan tinggi h="));
    }
    return item;
}

ReportGroup TemplateParser::parseGroup(const Statement &open)
{
    ReportGroup group;
    group.line = open.line;
    for (const Arg &a : open.args) {
        const QString flag = a.value.toLower();
        if (!a.key.isEmpty() || a.quoted)
            fail(open.line, QStringLiteral("pilihan tidak dikenal untuk group: '%1'").arg(a.key.isEmpty() ? a.value : a.key));
        if (flag == QLatin1String("keeptogether"))
            group.keepTogether = true;
        else if (flag == QLatin1String("newpage"))
            group.newPage = true;
        else if (flag == QLatin1String("repeat"))
            group.repeatHeader = true;
        else
            fail(open.line, QStringLiteral("pilihan tidak dikenal untuk group: '%1' (keeptogether, newpage, repeat)").arg(a.value));
    }
    group.key = expressionOf(open);
    Statement st;
    while (next(st)) {
        if (st.keyword == QLatin1String("end")) {
            if (!st.args.empty() || st.hasExpression)
                fail(st.line, QStringLiteral("'end' berdiri sendiri"));
            return group;
        }
        if (st.keyword != QLatin1String("band"))
            fail(st.line, QStringLiteral("di dalam group hanya ada band header dan band footer"));
        const QString which = st.args.empty() ? QString() : st.args[0].value.toLower();
        std::optional<ReportBand> *slot = nullptr;
        BandKind kind = BandKind::GroupHeader;
        if (which == QLatin1String("header")) {
            slot = &group.header;
        } else if (which == QLatin1String("footer")) {
            slot = &group.footer;
            kind = BandKind::GroupFooter;
        } else {
            fail(st.line, QStringLiteral("band tidak dikenal di dalam group: '%1' (header, footer)").arg(which));
        }
        if (slot->has_value())
            fail(st.line, QStringLiteral("band %1 sudah ada di baris %2").arg(which).arg((*slot)->line));
        *slot = parseBand(st, kind);
    }
    unclosed(open, QStringLiteral("group"));
}

ReportDataBlock TemplateParser::parseDataset(const Statement &open, bool nested)
{
    ReportDataBlock block;
    block.line = open.line;
    if (open.hasExpression)
        fail(open.line, QStringLiteral("dataset tidak memakai ekspresi"));
    for (const Arg &a : open.args) {
        if (a.key.isEmpty() && block.dataset.isEmpty() && !a.value.isEmpty()) {
            block.dataset = a.value;
        } else if (a.key == QLatin1String("link") && nested) {
            block.linkField = a.value;
        } else if (a.key == QLatin1String("masterfield") && nested) {
            block.masterField = a.value;
        } else if ((a.key == QLatin1String("link") || a.key == QLatin1String("masterfield")) && !nested) {
            fail(open.line, QStringLiteral("%1 hanya untuk dataset di dalam dataset lain").arg(a.key));
        } else {
            fail(open.line, QStringLiteral("pilihan tidak dikenal untuk dataset: '%1'").arg(a.key.isEmpty() ? a.value : a.key));
        }
    }
    if (block.dataset.isEmpty())
        fail(open.line, QStringLiteral("nama dataset tidak ada: dataset Data"));
    if (!block.masterField.isEmpty() && block.linkField.isEmpty())
        fail(open.line, QStringLiteral("masterfield memerlukan link"));
    const QString what = QStringLiteral("dataset %1").arg(block.dataset);
    Statement st;
    while (next(st)) {
        const QString &kw = st.keyword;
        if (kw == QLatin1String("end")) {
            if (!st.args.empty() || st.hasExpression)
                fail(st.line, QStringLiteral("'end' berdiri sendiri"));
            return block;
        }
        if (kw == QLatin1String("group")) {
            if (block.detail)
                fail(st.line, QStringLiteral("group ditulis sebelum band detail"));
            block.groups.push_back(parseGroup(st));
        } else if (kw == QLatin1String("dataset")) {
            block.children.push_back(parseDataset(st, true));
        } else if (kw == QLatin1String("band")) {
            const QString which = st.args.empty() ? QString() : st.args[0].value.toLower();
            std::optional<ReportBand> *slot = nullptr;
            BandKind kind = BandKind::Detail;
            if (which == QLatin1String("columnheader")) {
                slot = &block.columnHeader;
                kind = BandKind::ColumnHeader;
            } else if (which == QLatin1String("detail")) {
                slot = &block.detail;
            } else if (which == QLatin1String("footer")) {
                slot = &block.footer;
                kind = BandKind::DatasetFooter;
            } else if (which == QLatin1String("header")) {
                fail(st.line, QStringLiteral("band header hanya di dalam group; untuk judul kolom pakai band columnheader"));
            } else {
                fail(st.line, QStringLiteral("band tidak dikenal di dalam dataset: '%1' (columnheader, detail, footer)").arg(which));
            }
            if (slot->has_value())
                fail(st.line, QStringLiteral("band %1 sudah ada di baris %2").arg(which).arg((*slot)->line));
            *slot = parseBand(st, kind);
        } else if (kw == QLatin1String("text") || kw == QLatin1String("line") || kw == QLatin1String("box")) {
            fail(st.line, QStringLiteral("'%1' harus di dalam band").arg(kw));
        } else {
            fail(st.line, QStringLiteral("perintah tidak dikenal di dalam dataset: '%1'").arg(kw));
        }
    }
    unclosed(open, what);
}
