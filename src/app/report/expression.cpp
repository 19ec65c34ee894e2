#include "expression.h"

#include "numberwords.h"
#include "valueformat.h"

#include <QHash>

#include <functional>
#include <optional>

struct ExpressionNode {
    enum class Kind { Literal, Field, Variable, Builtin, Negate, Not, Binary, Function, Aggregate };
    Kind kind = Kind::Literal;
    ReportValue literal;
    QString dataset;  // Field
    QString name;     // Field, Variable; Function in lower case
    QString op;       // Binary
    Expression::Builtin builtin = Expression::Builtin::Page;
    Expression::Aggregate aggregate = Expression::Aggregate::Count;
    ValueFormat format; // Format()
    QString source;     // Aggregate: the argument's text
    std::vector<std::shared_ptr<const ExpressionNode>> args;
};

using NodePtr = std::shared_ptr<const ExpressionNode>;

namespace {

struct Token {
    enum class Kind { End, Number, String, Field, Variable, Name, Symbol };
    Kind kind = Kind::End;
    QString text;    // Number, String, Variable, Name, Symbol
    QString dataset; // Field
    int start = 0;
    int end = 0;
};

struct ParseError {
    QString message;
};

class Lexer
{
public:
    explicit Lexer(const QString &source) : m_s(source) {}

    std::vector<Token> tokens()
    {
        std::vector<Token> out;
        for (;;) {
            while (m_i < m_s.size() && m_s.at(m_i).isSpace())
                ++m_i;
            Token t;
            t.start = int(m_i);
            if (m_i >= m_s.size()) {
                t.end = t.start;
                out.push_back(t);
                return out;
            }
            const QChar c = m_s.at(m_i);
            if (c.isDigit())
                readNumber(t);
            else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                readString(t, c);
            else if (c == QLatin1Char('['))
                readField(t);
            else if (c == QLatin1Char('$'))
                readVariable(t);
            else if (c.isLetter() || c == QLatin1Char('_'))
                readName(t);
            else
                readSymbol(t);
            t.end = int(m_i);
            out.push_back(t);
        }
    }

private:
    void readNumber(Token &t)
    {
        t.kind = Token::Kind::Number;
        while (m_i < m_s.size() && m_s.at(m_i).isDigit())
            t.text += m_s.at(m_i++);
        if (m_i + 1 < m_s.size() && m_s.at(m_i) == QLatin1Char('.') && m_s.at(m_i + 1).isDigit()) {
            t.text += m_s.at(m_i++);
            while (m_i < m_s.size() && m_s.at(m_i).isDigit())
                t.text += m_s.at(m_i++);
        }
    }

    // A quote inside is written twice: "a ""b"" c".
    void readString(Token &t, QChar quote)
    {
        t.kind = Token::Kind::String;
        ++m_i;
        for (;;) {
            if (m_i >= m_s.size())
                throw ParseError{QStringLiteral("teks tidak ditutup dengan %1").arg(quote)};
            const QChar c = m_s.at(m_i++);
            if (c == quote) {
                if (m_i < m_s.size() && m_s.at(m_i) == quote) {
                    t.text += quote;
                    ++m_i;
                    continue;
                }
                return;
            }
            t.text += c;
        }
    }

    void readField(Token &t)
    {
        t.kind = Token::Kind::Field;
        const qsizetype close = m_s.indexOf(QLatin1Char(']'), m_i);
        if (close < 0)
            throw ParseError{QStringLiteral("tanda ']' tidak ada")};
        const QString inner = m_s.mid(m_i + 1, close - m_i - 1).trimmed();
        m_i = close + 1;
        const qsizetype dot = inner.indexOf(QLatin1Char('.'));
        t.dataset = dot < 0 ? QString() : inner.left(dot).trimmed();
        t.text = dot < 0 ? inner : inner.mid(dot + 1).trimmed();
        if (t.text.isEmpty() || (dot >= 0 && t.dataset.isEmpty()))
            throw ParseError{QStringLiteral("nama field kosong: [%1]").arg(inner)};
    }

    void readVariable(Token &t)
    {
        t.kind = Token::Kind::Variable;
        ++m_i;
        while (m_i < m_s.size() && (m_s.at(m_i).isLetterOrNumber() || m_s.at(m_i) == QLatin1Char('_')))
            t.text += m_s.at(m_i++);
        if (t.text.isEmpty())
            throw ParseError{QStringLiteral("nama variabel kosong setelah '$'")};
    }

    void readName(Token &t)
    {
        t.kind = Token::Kind::Name;
        while (m_i < m_s.size() && (m_s.at(m_i).isLetterOrNumber() || m_s.at(m_i) == QLatin1Char('_')))
            t.text += m_s.at(m_i++);
    }

    void readSymbol(Token &t)
    {
        t.kind = Token::Kind::Symbol;
        static const QStringList twoChar = {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>")};
        const QString two = m_s.mid(m_i, 2);
        if (twoChar.contains(two)) {
            t.text = two;
            m_i += 2;
            return;
        }
        const QChar c = m_s.at(m_i);
        if (!QStringLiteral("+-*/&=<>(),").contains(c))
            throw ParseError{QStringLiteral("tanda tidak dikenal: '%1'").arg(c)};
        t.text = c;
        ++m_i;
    }

    const QString &m_s;
    qsizetype m_i = 0;
};

class Parser
{
public:
    Parser(const QString &source, std::vector<Token> tokens) : m_source(source), m_t(std::move(tokens)) {}

    NodePtr parseAll()
    {
        if (peek().kind == Token::Kind::End)
            throw ParseError{QStringLiteral("ekspresi kosong")};
        NodePtr n = parseOr();
        if (peek().kind != Token::Kind::End)
            throw ParseError{QStringLiteral("tidak diharapkan: '%1'").arg(m_source.mid(peek().start).trimmed())};
        return n;
    }

private:
    const Token &peek() const { return m_t[m_pos]; }
    Token take() { return m_t[m_pos++]; }
    bool isSymbol(const char *s) const { return peek().kind == Token::Kind::Symbol && peek().text == QLatin1String(s); }
    bool isWord(const char *w) const
    {
        return peek().kind == Token::Kind::Name && peek().text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    void expect(const char *symbol, const QString &message)
    {
        if (!isSymbol(symbol))
            throw ParseError{message};
        ++m_pos;
    }

    static NodePtr binary(const QString &op, NodePtr a, NodePtr b)
    {
        auto n = std::make_shared<ExpressionNode>();
        n->kind = ExpressionNode::Kind::Binary;
        n->op = op;
        n->args = {std::move(a), std::move(b)};
        return n;
    }

    NodePtr parseOr()
    {
        NodePtr n = parseAnd();
        while (isWord("or")) {
            ++m_pos;
            n = binary(QStringLiteral("or"), n, parseAnd());
        }
        return n;
    }

    NodePtr parseAnd()
    {
        NodePtr n = parseNot();
        while (isWord("and")) {
            ++m_pos;
            n = binary(QStringLiteral("and"), n, parseNot());
        }
        return n;
    }

    NodePtr parseNot()
    {
        if (isWord("not")) {
            ++m_pos;
            auto n = std::make_shared<ExpressionNode>();
            n->kind = ExpressionNode::Kind::Not;
            n->args = {parseNot()};
            return n;
        }
        return parseComparison();
    }

    NodePtr parseComparison()
    {
        NodePtr n = parseAdditive();
        for (const char *op : {"=", "<>", "<=", ">=", "<", ">"}) {
            if (isSymbol(op)) {
                ++m_pos;
                return binary(QLatin1String(op), n, parseAdditive());
            }
        }
        return n;
    }

    NodePtr parseAdditive()
    {
        NodePtr n = parseMultiplicative();
        while (isSymbol("+") || isSymbol("-") || isSymbol("&")) {
            const QString op = take().text;
            n = binary(op, n, parseMultiplicative());
        }
        return n;
    }

    NodePtr parseMultiplicative()
    {
        NodePtr n = parseUnary();
        while (isSymbol("*") || isSymbol("/")) {
            const QString op = take().text;
            n = binary(op, n, parseUnary());
        }
        return n;
    }

    NodePtr parseUnary()
    {
        if (isSymbol("-")) {
            ++m_pos;
            auto n = std::make_shared<ExpressionNode>();
            n->kind = ExpressionNode::Kind::Negate;
            n->args = {parseUnary()};
            return n;
        }
        return parsePrimary();
    }

    NodePtr parsePrimary()
    {
        const Token t = peek();
        auto n = std::make_shared<ExpressionNode>();
        switch (t.kind) {
        case Token::Kind::End:
            throw ParseError{QStringLiteral("ekspresi berakhir terlalu cepat")};
        case Token::Kind::Number:
            ++m_pos;
            n->literal = ReportValue::number(*Decimal::fromDbText(t.text));
            return n;
        case Token::Kind::String:
            ++m_pos;
            n->literal = ReportValue::text(t.text);
            return n;
        case Token::Kind::Field:
            ++m_pos;
            n->kind = ExpressionNode::Kind::Field;
            n->dataset = t.dataset;
            n->name = t.text;
            return n;
        case Token::Kind::Variable:
            ++m_pos;
            n->kind = ExpressionNode::Kind::Variable;
            n->name = t.text;
            return n;
        case Token::Kind::Name:
            ++m_pos;
            return parseName(t);
        case Token::Kind::Symbol:
            if (t.text == QLatin1String("(")) {
                ++m_pos;
                NodePtr inner = parseOr();
                expect(")", QStringLiteral("tanda kurung ')' tidak ada"));
                return inner;
            }
            throw ParseError{QStringLiteral("tidak diharapkan: '%1'").arg(t.text)};
        }
        throw ParseError{QStringLiteral("ekspresi tidak dapat dibaca")};
    }

    NodePtr parseName(const Token &t)
    {
        const QString lower = t.text.toLower();
        static const QHash<QString, Expression::Builtin> builtins = {
            {QStringLiteral("page"), Expression::Builtin::Page},
            {QStringLiteral("pages"), Expression::Builtin::Pages},
            {QStringLiteral("date"), Expression::Builtin::Date},
            {QStringLiteral("time"), Expression::Builtin::Time},
            {QStringLiteral("line"), Expression::Builtin::Line},
            {QStringLiteral("groupline"), Expression::Builtin::GroupLine},
        };
        if (!isSymbol("(")) {
            if (!builtins.contains(lower)) {
                if (functionArity(lower) >= 0 || aggregateOf(lower))
                    throw ParseError{QStringLiteral("fungsi %1 memerlukan tanda kurung").arg(t.text)};
                throw ParseError{QStringLiteral("nama tidak dikenal: '%1' (field ditulis [%1], variabel $%1)").arg(t.text)};
            }
            auto n = std::make_shared<ExpressionNode>();
            n->kind = ExpressionNode::Kind::Builtin;
            n->builtin = builtins.value(lower);
            return n;
        }
        if (const auto agg = aggregateOf(lower))
            return parseAggregate(t.text, *agg);
        const int arity = functionArity(lower);
        if (arity < 0)
            throw ParseError{QStringLiteral("fungsi tidak dikenal: '%1'").arg(t.text)};
        ++m_pos; // "("
        auto n = std::make_shared<ExpressionNode>();
        n->kind = ExpressionNode::Kind::Function;
        n->name = lower;
        if (!isSymbol(")")) {
            for (;;) {
                n->args.push_back(parseOr());
                if (!isSymbol(","))
                    break;
                ++m_pos;
            }
        }
        expect(")", QStringLiteral("tanda kurung ')' tidak ada setelah argumen %1").arg(t.text));
        if (int(n->args.size()) != arity)
            throw ParseError{QStringLiteral("fungsi %1 memerlukan %2 argumen").arg(t.text).arg(arity)};
        if (lower == QLatin1String("format")) {
            const ExpressionNode &formatArg = *n->args[1];
            if (formatArg.kind != ExpressionNode::Kind::Literal || formatArg.literal.type() != ReportValue::Type::Text)
                throw ParseError{QStringLiteral("argumen kedua Format harus teks format, misalnya \"money\"")};
            QString error;
            auto format = ValueFormat::parse(formatArg.literal.toText(), &error);
            if (!format)
                throw ParseError{error};
            n->format = *format;
        }
        return n;
    }

    NodePtr parseAggregate(const QString &name, Expression::Aggregate which)
    {
        if (m_inAggregate)
            throw ParseError{QStringLiteral("fungsi %1 tidak boleh di dalam fungsi total lain").arg(name)};
        ++m_pos; // "("
        auto n = std::make_shared<ExpressionNode>();
        n->kind = ExpressionNode::Kind::Aggregate;
        n->aggregate = which;
        if (!isSymbol(")")) {
            const int start = peek().start;
            m_inAggregate = true;
            n->args.push_back(parseOr());
            m_inAggregate = false;
            n->source = m_source.mid(start, peek().start - start).trimmed();
        }
        expect(")", QStringLiteral("tanda kurung ')' tidak ada setelah argumen %1").arg(name));
        if (n->args.empty() && which != Expression::Aggregate::Count)
            throw ParseError{QStringLiteral("fungsi %1 memerlukan 1 argumen").arg(name)};
        return n;
    }

    static std::optional<Expression::Aggregate> aggregateOf(const QString &lower)
    {
        if (lower == QLatin1String("sum"))
            return Expression::Aggregate::Sum;
        if (lower == QLatin1String("count"))
            return Expression::Aggregate::Count;
        if (lower == QLatin1String("min"))
            return Expression::Aggregate::Min;
        if (lower == QLatin1String("max"))
            return Expression::Aggregate::Max;
        return std::nullopt;
    }

    static int functionArity(const QString &lower)
    {
        static const QHash<QString, int> arity = {
            {QStringLiteral("if"), 3},      {QStringLiteral("format"), 2}, {QStringLiteral("upper"), 1},
            {QStringLiteral("lower"), 1},   {QStringLiteral("trim"), 1},   {QStringLiteral("terbilang"), 1},
        };
        return arity.value(lower, -1);
    }

    const QString &m_source;
    std::vector<Token> m_t;
    size_t m_pos = 0;
    bool m_inAggregate = false;
};

void walk(const NodePtr &node, bool inAggregate, const std::function<void(const ExpressionNode &, bool)> &visit)
{
    if (!node)
        return;
    visit(*node, inAggregate);
    const bool inside = inAggregate || node->kind == ExpressionNode::Kind::Aggregate;
    for (const NodePtr &arg : node->args)
        walk(arg, inside, visit);
}

} // namespace

struct ExpressionEvaluator {
    const ExpressionEnvironment &env;

    static Expression wrap(const NodePtr &node, const QString &source)
    {
        Expression e;
        e.m_root = node;
        e.m_source = source;
        return e;
    }

    ReportValue eval(const ExpressionNode &n) const
    {
        using K = ExpressionNode::Kind;
        switch (n.kind) {
        case K::Literal:
            return n.literal;
        case K::Field:
            return env.field(n.dataset, n.name);
        case K::Variable:
            return env.variable(n.name);
        case K::Builtin:
            return env.builtin(n.builtin);
        case K::Negate: {
            const ReportValue v = eval(*n.args[0]);
            return v.isNull() ? v : ReportValue::number(-v.toNumberOrZero());
        }
        case K::Not:
            return ReportValue::boolean(!eval(*n.args[0]).toBool());
        case K::Binary:
            return binary(n);
        case K::Function:
            return function(n);
        case K::Aggregate:
            return env.aggregate(n.aggregate, n.args.empty() ? Expression() : wrap(n.args[0], n.source));
        }
        return {};
    }

    ReportValue binary(const ExpressionNode &n) const
    {
        const QString &op = n.op;
        if (op == QLatin1String("and")) {
            if (!eval(*n.args[0]).toBool())
                return ReportValue::boolean(false);
            return ReportValue::boolean(eval(*n.args[1]).toBool());
        }
        if (op == QLatin1String("or")) {
            if (eval(*n.args[0]).toBool())
                return ReportValue::boolean(true);
            return ReportValue::boolean(eval(*n.args[1]).toBool());
        }
        const ReportValue a = eval(*n.args[0]);
        const ReportValue b = eval(*n.args[1]);
        if (op == QLatin1String("&"))
            return ReportValue::text(a.toText() + b.toText());
        if (op == QLatin1String("+")) {
            const auto na = a.toNumber();
            const auto nb = b.toNumber();
            if (na && nb)
                return ReportValue::number(*na + *nb);
            return ReportValue::text(a.toText() + b.toText());
        }
        if (op == QLatin1String("-"))
            return ReportValue::number(a.toNumberOrZero() - b.toNumberOrZero());
        if (op == QLatin1String("*"))
            return ReportValue::number(a.toNumberOrZero() * b.toNumberOrZero());
        if (op == QLatin1String("/")) {
            const Decimal divisor = b.toNumberOrZero();
            if (divisor.isZero())
                return {};
            return ReportValue::number(a.toNumberOrZero() / divisor);
        }
        const int c = ReportValue::compare(a, b);
        if (op == QLatin1String("="))
            return ReportValue::boolean(c == 0);
        if (op == QLatin1String("<>"))
            return ReportValue::boolean(c != 0);
        if (op == QLatin1String("<"))
            return ReportValue::boolean(c < 0);
        if (op == QLatin1String(">"))
            return ReportValue::boolean(c > 0);
        if (op == QLatin1String("<="))
            return ReportValue::boolean(c <= 0);
        return ReportValue::boolean(c >= 0);
    }

    ReportValue function(const ExpressionNode &n) const
    {
        const QString &f = n.name;
        if (f == QLatin1String("if"))
            return eval(*n.args[0]).toBool() ? eval(*n.args[1]) : eval(*n.args[2]);
        const ReportValue v = eval(*n.args[0]);
        if (f == QLatin1String("format"))
            return ReportValue::text(n.format.apply(v));
        if (f == QLatin1String("upper"))
            return ReportValue::text(v.toText().toUpper());
        if (f == QLatin1String("lower"))
            return ReportValue::text(v.toText().toLower());
        if (f == QLatin1String("trim"))
            return ReportValue::text(v.toText().trimmed());
        if (f == QLatin1String("terbilang"))
            return ReportValue::text(numberInWords(v.toNumberOrZero()));
        return {};
    }
};

Expression Expression::parse(const QString &source)
{
    Expression e;
    e.m_source = source;
    try {
        Lexer lexer(source);
        Parser parser(source, lexer.tokens());
        e.m_root = parser.parseAll();
    } catch (const ParseError &error) {
        e.m_error = error.message;
    }
    return e;
}

Expression Expression::literal(const QString &text)
{
    auto n = std::make_shared<ExpressionNode>();
    n->literal = ReportValue::text(text);
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return ExpressionEvaluator::wrap(n, QLatin1Char('"') + quoted + QLatin1Char('"'));
}

Expression Expression::field(const QString &name)
{
    return parse(QLatin1Char('[') + name + QLatin1Char(']'));
}

ReportValue Expression::evaluate(const ExpressionEnvironment &env) const
{
    if (!m_root)
        return {};
    return ExpressionEvaluator{env}.eval(*m_root);
}

std::vector<Expression::FieldUse> Expression::fields() const
{
    std::vector<FieldUse> out;
    walk(m_root, false, [&out](const ExpressionNode &n, bool inAggregate) {
        if (n.kind == ExpressionNode::Kind::Field)
            out.push_back({n.dataset, n.name, inAggregate});
    });
    return out;
}

QStringList Expression::variables() const
{
    QStringList out;
    walk(m_root, false, [&out](const ExpressionNode &n, bool) {
        if (n.kind == ExpressionNode::Kind::Variable)
            out << n.name;
    });
    return out;
}

bool Expression::uses(Builtin builtin) const
{
    bool found = false;
    walk(m_root, false, [&found, builtin](const ExpressionNode &n, bool) {
        if (n.kind == ExpressionNode::Kind::Builtin && n.builtin == builtin)
            found = true;
    });
    return found;
}
