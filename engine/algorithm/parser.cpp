#include "engine/algorithm/parser.h"

#include <algorithm>
#include <optional>
#include <initializer_list>

#include "engine/algorithm/lexer.h"

namespace ej::algorithm {

namespace {

// Binding powers, loosest first. Every binary operator groups to the left, `^` too:
// PSeInt reads 2 ^ 3 ^ 2 as (2 ^ 3) ^ 2.
enum Precedence { kNone, kOr, kAnd, kNot, kComparison, kSum, kProduct, kSign, kPower };

struct Rule {
    Tok token;
    Operator op;
    Precedence precedence;
};

constexpr Rule kBinary[] = {
    {Tok::O, Operator::Or, kOr},           {Tok::Bar, Operator::Or, kOr},
    {Tok::Y, Operator::And, kAnd},         {Tok::Ampersand, Operator::And, kAnd},
    {Tok::Equal, Operator::Eq, kComparison}, {Tok::EqualEqual, Operator::Eq, kComparison},
    {Tok::NotEqual, Operator::Ne, kComparison}, {Tok::BangEqual, Operator::Ne, kComparison},
    {Tok::Less, Operator::Lt, kComparison}, {Tok::LessEqual, Operator::Le, kComparison},
    {Tok::Greater, Operator::Gt, kComparison}, {Tok::GreaterEqual, Operator::Ge, kComparison},
    {Tok::Plus, Operator::Add, kSum},      {Tok::Minus, Operator::Sub, kSum},
    {Tok::Star, Operator::Mul, kProduct},  {Tok::Slash, Operator::Div, kProduct},
    {Tok::Mod, Operator::Mod, kProduct},   {Tok::Percent, Operator::Mod, kProduct},
    {Tok::Caret, Operator::Pow, kPower},
};

const Rule* binaryRule(Tok t) {
    for (const Rule& r : kBinary)
        if (r.token == t) return &r;
    return nullptr;
}

// The words that close a block, and the opening each belongs to.
struct Closer {
    Tok closer;
    Tok opener;
};
constexpr Closer kClosers[] = {
    {Tok::FinAlgoritmo, Tok::Algoritmo}, {Tok::FinProceso, Tok::Proceso}, {Tok::FinSubProceso, Tok::SubProceso},
    {Tok::FinFuncion, Tok::Funcion},     {Tok::FinSi, Tok::Si},           {Tok::SiNo, Tok::Si},
    {Tok::FinSegun, Tok::Segun},         {Tok::FinMientras, Tok::Mientras}, {Tok::FinPara, Tok::Para},
    {Tok::Hasta, Tok::Repetir},
};

// The closing word a student writes for an opening one.
Tok closerOf(Tok opener) {
    for (const Closer& c : kClosers)
        if (c.opener == opener && c.closer != Tok::SiNo) return c.closer;
    return Tok::End;
}

bool isProcedureCloser(Tok t) {
    return t == Tok::FinAlgoritmo || t == Tok::FinProceso || t == Tok::FinSubProceso || t == Tok::FinFuncion;
}

bool isProcedureHead(Tok t) {
    return t == Tok::Algoritmo || t == Tok::Proceso || t == Tok::SubProceso || t == Tok::Funcion;
}

struct Failed {};  // a statement that could not be read: it is skipped to its line's end

class Parser {
public:
    explicit Parser(std::string_view source) {
        Lexed lexed = tokenize(source);
        tokens_ = std::move(lexed.tokens);
        errors_ = std::move(lexed.errors);
    }

    Parsed run() {
        bool seenMain = false;
        while (!at(Tok::End)) {
            if (!isProcedureHead(peek().kind)) {
                report(peek().span, "se esperaba Algoritmo, SubProceso o Funcion, y se encontró " + describe(peek()));
                skipToProcedure();
                continue;
            }
            Procedure p = procedure();
            if (p.main && seenMain) report(p.span, "sobra este algoritmo: un archivo tiene un solo Algoritmo o Proceso");
            seenMain = seenMain || p.main;
            module_.procedures.push_back(std::move(p));
        }
        if (!seenMain) report(peek().span, "falta el Algoritmo: el archivo debe tener Algoritmo … FinAlgoritmo");
        sortByPlace(errors_);
        return {std::move(module_), std::move(errors_)};
    }

private:
    // --- tokens
    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(at_ + ahead, tokens_.size() - 1)]; }
    const Token& previous() const { return tokens_[at_ ? at_ - 1 : 0]; }
    static bool is(const Token& token, Tok t) { return token.kind == t || (token.kind == Tok::Name && token.word == t); }
    bool at(Tok t) const { return is(peek(), t); }
    const Token& next() {
        const Token& t = peek();
        if (at_ < tokens_.size() - 1) ++at_;
        return t;
    }
    bool accept(Tok t) { return at(t) && (next(), true); }

    void report(Span span, std::string message) { errors_.push_back({span, std::move(message)}); }

    // "se esperaba X, y se encontró Y": at the token found when it is on the line of the
    // one before, else right after the one before, where the missing word belongs.
    [[noreturn]] void expected(const std::string& what) {
        const Token& found = peek();
        const bool sameLine = at_ == 0 || !found.lineStart;
        const Span where = sameLine ? found.span : Span{previous().span.end, previous().span.end};
        report(where, "se esperaba " + what + ", y se encontró " + describe(found));
        throw Failed{};
    }
    const Token& expect(Tok t, const std::string& what) {
        if (!at(t)) expected(what);
        return next();
    }
    std::string quoted(Tok t) const { return t == Tok::Hasta ? "Hasta Que" : std::string(spelling(t)); }

    // After a fault: on from the next line.
    void skipLine() {
        if (at(Tok::End)) return;
        next();
        while (!at(Tok::End) && !peek().lineStart) next();
    }
    void skipToProcedure() {
        do skipLine();
        while (!at(Tok::End) && !isProcedureHead(peek().kind));
    }

    // A simple statement ends with its line, or with `;`.
    void endOfStatement() {
        if (accept(Tok::Semicolon)) return;
        if (!peek().lineStart) expected("el fin de la instrucción");
    }

    // --- procedures
    Procedure procedure() {
        const Token& head = next();
        Procedure p;
        p.main = head.kind == Tok::Algoritmo || head.kind == Tok::Proceso;
        const Position from = head.span.begin;
        open_.push_back({head.kind, head.span});
        try {
            if (p.main) {
                p.name = expect(Tok::Name, "el nombre del algoritmo").text;
            } else {
                std::string first = expect(Tok::Name, "el nombre del " + head.text).text;
                if (accept(Tok::Arrow) || accept(Tok::Equal)) {
                    p.result = std::move(first);
                    first = expect(Tok::Name, "el nombre de la función tras '<-'").text;
                }
                p.name = std::move(first);
                if (accept(Tok::LParen) && !accept(Tok::RParen)) {
                    do p.parameters.push_back(parameter());
                    while (accept(Tok::Comma));
                    expect(Tok::RParen, "')' o ',' en la lista de parámetros");
                }
            }
            p.span = {from, previous().span.end};
            if (!peek().lineStart) expected("el fin de la línea");
        } catch (const Failed&) {
            p.span = {from, previous().span.end};
            skipLine();
        }
        const Tok closer = closerOf(head.kind);
        p.body = block({closer});
        if (!missing_) {
            p.closing = next().span;
            if (!peek().lineStart && !at(Tok::Semicolon)) report(peek().span, "se esperaba el fin de la línea tras " +
                                                                            quoted(closer) + ", y se encontró " + describe(peek()));
            accept(Tok::Semicolon);
            while (!at(Tok::End) && !peek().lineStart) next();
        }
        missing_ = false;
        open_.pop_back();
        return p;
    }

    Parameter parameter() {
        Parameter param;
        const Token& name = expect(Tok::Name, "el nombre de un parámetro");
        param.name = name.text;
        param.span = name.span;
        if (accept(Tok::Por)) {
            if (accept(Tok::Referencia))
                param.byReference = true;
            else
                expect(Tok::Valor, "Referencia o Valor tras Por");
        }
        return param;
    }

    // --- blocks
    struct Open {
        Tok opener;
        Span span;
    };

    // Whether the token closes one of the blocks open; SiNo only a Si, and `Mientras Que`
    // only a Repetir.
    bool closesAnOpenBlock(const Token& t) const {
        for (const Closer& c : kClosers)
            if (c.closer == t.kind)
                return std::any_of(open_.begin(), open_.end(), [&](const Open& o) { return o.opener == c.opener; });
        if (t.kind == Tok::Mientras && is(peek(1), Tok::Que))
            return std::any_of(open_.begin(), open_.end(), [](const Open& o) { return o.opener == Tok::Repetir; });
        return false;
    }
    bool isCloser(const Token& t) const {
        return std::any_of(std::begin(kClosers), std::end(kClosers), [&](const Closer& c) { return c.closer == t.kind; }) ||
               (t.kind == Tok::Mientras && &t == &peek() && is(peek(1), Tok::Que));
    }

    // Statements up to one of `closers`, left unread. A word that closes an outer block
    // or a procedure's heading, or the end of the text, ends the block with its closer
    // missing (`missing_`): said once, naming the block's opening line.
    Block block(std::initializer_list<Tok> closers, bool caseLabels = false) {
        Block out;
        missing_ = false;
        for (;;) {
            const Token& t = peek();
            const bool mientrasQue = t.kind != Tok::Mientras || is(peek(1), Tok::Que);
            if ((std::find(closers.begin(), closers.end(), t.kind) != closers.end() && mientrasQue) ||
                (caseLabels && t.lineStart && isCaseLabel())) {
                missing_ = false;
                return out;
            }
            if (t.kind == Tok::SiNo && closers.size() == 1 && *closers.begin() == Tok::FinSi) {
                report(t.span, "sobra este SiNo: el Si de la línea " + std::to_string(open_.back().span.line()) +
                                   " ya tiene el suyo");
                skipLine();
                continue;
            }
            if (t.kind == Tok::End || isProcedureHead(t.kind) || (isCloser(t) && closesAnOpenBlock(t))) {
                const Open& o = open_.back();
                if (t.kind == Tok::End || isProcedureHead(t.kind) || isProcedureCloser(t.kind))
                    // The text or its procedure ends with the block open: said where it opens.
                    report(o.span, "falta " + quoted(*closers.begin()) + " para cerrar este " + quoted(o.opener) + ": " +
                                       (t.kind == Tok::End ? std::string("el texto termina")
                                                           : describe(t) + " de la línea " + std::to_string(t.span.line()) + " llega") +
                                       " sin que se haya cerrado");
                else
                    report(t.span, "se esperaba " + quoted(*closers.begin()) + " para cerrar el " + quoted(o.opener) +
                                       " de la línea " + std::to_string(o.span.line()) + ", y se encontró " + describe(t));
                missing_ = true;
                return out;
            }
            if (isCloser(t)) {
                // A closer of no open block, most likely written for this one.
                const Open& o = open_.back();
                if (t.kind != Tok::SiNo && !isProcedureHead(o.opener)) {
                    report(t.span, "se esperaba " + quoted(*closers.begin()) + " para cerrar el " + quoted(o.opener) +
                                       " de la línea " + std::to_string(o.span.line()) + ", y se encontró " + describe(t));
                    skipLine();
                    missing_ = true;
                    return out;
                }
                report(t.span, "sobra " + describe(t) + ": no hay un bloque abierto que cierre");
                skipLine();
                continue;
            }
            if (auto s = statement()) out.push_back(std::move(*s));
        }
    }

    // A block that follows a heading: its closer is read, unless it went missing.
    bool closeBlock() {
        if (missing_) {
            missing_ = false;
            return false;
        }
        return true;
    }

    // A case of Segun starts a line with values and a colon, or with `De Otro Modo`.
    bool isCaseLabel() const {
        if (at(Tok::De) && is(peek(1), Tok::Otro)) return true;
        int depth = 0;
        for (std::size_t k = 0;; ++k) {
            const Token& t = peek(k);
            if (t.kind == Tok::End || (k > 0 && t.lineStart)) return false;
            if (t.kind == Tok::LParen || t.kind == Tok::LBracket) ++depth;
            if (t.kind == Tok::RParen || t.kind == Tok::RBracket) --depth;
            if (t.kind == Tok::Colon && depth == 0) return true;
        }
    }

    // --- statements
    std::optional<Stmt> statement() {
        parts_ = 0;
        const Token& first = peek();
        Stmt s;
        s.span.begin = first.span.begin;
        try {
            switch (first.kind) {
            case Tok::Definir: define(s); break;
            case Tok::Dimension: dimension(s); break;
            case Tok::Leer: read(s); break;
            case Tok::Escribir: write(s); break;
            case Tok::Si: return conditional(s);
            case Tok::Segun: return choice(s);
            case Tok::Mientras: return whileLoop(s);
            case Tok::Repetir: return repeatLoop(s);
            case Tok::Para: return forLoop(s);
            case Tok::Name: assignmentOrCall(s); break;
            default:
                report(first.span, "se esperaba una instrucción, y se encontró " + describe(first));
                throw Failed{};
            }
        } catch (const Failed&) {
            skipRest(first);
            return std::nullopt;
        }
        return s;
    }

    void skipRest(const Token& first) {
        if (&peek() == &first) next();
        while (!at(Tok::End) && !peek().lineStart) next();
    }

    void finish(Stmt& s) {
        s.span.end = previous().span.end;
        endOfStatement();
    }

    void define(Stmt& s) {
        next();
        s.kind = Stmt::Kind::Define;
        do s.targets.push_back(name("el nombre de una variable"));
        while (accept(Tok::Comma));
        expect(Tok::Como, "Como o ',' tras los nombres");
        switch (peek().kind == Tok::Name ? peek().word : peek().kind) {
        case Tok::Entero: s.type = DataType::Entero; break;
        case Tok::Real: case Tok::Numero: case Tok::Numerico: s.type = DataType::Real; break;
        case Tok::Logico: s.type = DataType::Logico; break;
        case Tok::Caracter: case Tok::Texto: case Tok::Cadena: s.type = DataType::Texto; break;
        default: expected("un tipo (Entero, Real, Numero, Logico, Caracter o Texto)");
        }
        next();
        finish(s);
    }

    Expr name(const std::string& what) {
        const Token& t = expect(Tok::Name, what);
        return Expr{.kind = Expr::Kind::Name, .span = t.span, .text = t.text};
    }

    void dimension(Stmt& s) {
        next();
        s.kind = Stmt::Kind::Dimension;
        do {
            Expr array = name("el nombre del arreglo");
            expect(Tok::LBracket, "'[' con el tamaño del arreglo");
            array.kind = Expr::Kind::Index;
            array.args = subscripts();
            array.span.end = previous().span.end;
            s.targets.push_back(std::move(array));
        } while (accept(Tok::Comma));
        finish(s);
    }

    // What follows '[' up to its ']'.
    std::vector<Expr> subscripts() {
        std::vector<Expr> out;
        do out.push_back(expression());
        while (accept(Tok::Comma));
        expect(Tok::RBracket, "']' o ',' entre los subíndices");
        return out;
    }

    Expr target(const std::string& what) {
        Expr e = name(what);
        if (accept(Tok::LBracket)) {
            e.kind = Expr::Kind::Index;
            e.args = subscripts();
            e.span.end = previous().span.end;
        }
        return e;
    }

    void read(Stmt& s) {
        next();
        s.kind = Stmt::Kind::Read;
        do s.targets.push_back(target("la variable que recibe el valor"));
        while (accept(Tok::Comma));
        finish(s);
    }

    bool sinSaltar() {
        if (!accept(Tok::Sin)) return false;
        if (!accept(Tok::Saltar)) expect(Tok::Bajar, "Saltar o Bajar tras Sin");
        return true;
    }

    void write(Stmt& s) {
        next();
        s.kind = Stmt::Kind::Write;
        if (sinSaltar()) s.newline = false;
        do s.exprs.push_back(expression());
        while (accept(Tok::Comma));
        if (sinSaltar()) s.newline = false;
        finish(s);
    }

    void assignmentOrCall(Stmt& s) {
        if (peek(1).kind == Tok::LParen || peek(1).lineStart || peek(1).kind == Tok::Semicolon || peek(1).kind == Tok::End) {
            s.kind = Stmt::Kind::Call;
            Expr call = primary();
            if (call.kind == Expr::Kind::Name) call.kind = Expr::Kind::Call;
            s.exprs.push_back(std::move(call));
            return finish(s);
        }
        s.kind = Stmt::Kind::Assign;
        s.targets.push_back(target("una variable"));
        if (at(Tok::Equal)) {
            report(peek().span, "se esperaba '<-' para asignar, y se encontró '=': '=' compara dos valores");
            throw Failed{};
        }
        expect(Tok::Arrow, "'<-' tras " + describe(previous()));
        s.exprs.push_back(expression());
        finish(s);
    }

    // The heading of a block statement: a fault in it is reported and its body read all the
    // same, so that the block's closer still finds its opening.
    template <class Read>
    void heading(Stmt& s, Read&& read) {
        const Token& first = peek();
        try {
            read();
            if (!peek().lineStart && !at(Tok::Semicolon)) expected("el fin de la línea");
            accept(Tok::Semicolon);
        } catch (const Failed&) {
            skipRest(first);
        }
        s.span.end = previous().span.end;
    }

    // Opens a block for the messages of those inside it.
    struct Opening {
        Parser& parser;
        Opening(Parser& p, const Stmt& s, Tok opener) : parser(p) { p.open_.push_back({opener, s.span}); }
        ~Opening() { parser.open_.pop_back(); }
    };

    Stmt conditional(Stmt& s) {
        s.kind = Stmt::Kind::If;
        Opening open(*this, s, Tok::Si);
        heading(s, [&] { valueThen(s, Tok::Entonces, "Entonces tras la condición"); });
        s.body = block({Tok::FinSi, Tok::SiNo});
        if (!closeBlock()) return s;
        if (accept(Tok::SiNo)) {
            s.otherwise = block({Tok::FinSi});
            if (!closeBlock()) return s;
        }
        s.closing = next().span;
        endOfBlockLine();
        return s;
    }

    // After a closing word, as after a simple statement.
    void endOfBlockLine() {
        if (accept(Tok::Semicolon) || peek().lineStart) return;
        report(peek().span, "se esperaba el fin de la línea, y se encontró " + describe(peek()));
        while (!at(Tok::End) && !peek().lineStart) next();
    }

    Stmt choice(Stmt& s) {
        s.kind = Stmt::Kind::Switch;
        Opening open(*this, s, Tok::Segun);
        heading(s, [&] { valueThen(s, Tok::Hacer, "Hacer tras el valor de Segun"); });
        bool otherwise = false;
        while (!at(Tok::FinSegun)) {
            if (at(Tok::End) || isProcedureHead(peek().kind) || (isCloser(peek()) && closesAnOpenBlock(peek()))) {
                block({Tok::FinSegun});
                missing_ = false;
                return s;
            }
            Case c;
            c.span.begin = peek().span.begin;
            try {
                if (accept(Tok::De)) {
                    expect(Tok::Otro, "Otro Modo tras De");
                    expect(Tok::Modo, "Modo tras De Otro");
                    if (otherwise) report({c.span.begin, previous().span.end}, "sobra este De Otro Modo: Segun tiene uno solo");
                    otherwise = true;
                } else if (!isCaseLabel()) {
                    report(peek().span, "se esperaba un caso de Segun (sus valores y ':') o FinSegun, y se encontró " +
                                            describe(peek()));
                    throw Failed{};
                } else {
                    if (otherwise) report(peek().span, "los casos de Segun van antes de De Otro Modo");
                    do c.values.push_back(expression());
                    while (accept(Tok::Comma));
                }
                expect(Tok::Colon, "':' tras los valores del caso");
            } catch (const Failed&) {
                skipLine();
            }
            c.span.end = previous().span.end;
            c.body = block({Tok::FinSegun, Tok::De}, true);
            if (missing_) {
                s.cases.push_back(std::move(c));
                missing_ = false;
                return s;
            }
            if (c.values.empty())
                s.cases.push_back(std::move(c));  // De Otro Modo goes last
            else
                s.cases.insert(std::find_if(s.cases.begin(), s.cases.end(), [](const Case& k) { return k.values.empty(); }),
                               std::move(c));
        }
        s.closing = next().span;
        endOfBlockLine();
        return s;
    }

    // A heading's keyword, its value, and the word after it, which may be left out when
    // the line ends there: `Mientras c < 3 Hacer`.
    void valueThen(Stmt& s, Tok word, const std::string& what) {
        next();
        s.exprs.push_back(expression());
        if (!accept(word) && !peek().lineStart) expected(what);
    }

    // A block statement with one body: its heading, its statements, its closing word.
    template <class Read>
    Stmt withBody(Stmt& s, Stmt::Kind kind, Tok opener, Tok closer, Read&& readHeading) {
        s.kind = kind;
        Opening open(*this, s, opener);
        heading(s, readHeading);
        s.body = block({closer});
        if (closeBlock()) {
            s.closing = next().span;
            endOfBlockLine();
        }
        return s;
    }

    Stmt whileLoop(Stmt& s) {
        return withBody(s, Stmt::Kind::While, Tok::Mientras, Tok::FinMientras,
                        [&] { valueThen(s, Tok::Hacer, "Hacer tras la condición"); });
    }

    Stmt repeatLoop(Stmt& s) {
        s.kind = Stmt::Kind::Repeat;
        {
            Opening open(*this, s, Tok::Repetir);
            heading(s, [&] { next(); });
            s.body = block({Tok::Hasta, Tok::Mientras});
            if (!closeBlock()) return s;
        }
        const Token& word = next();
        s.untilTrue = word.kind == Tok::Hasta;
        const Position from = word.span.begin;
        try {
            expect(Tok::Que, "Que tras " + word.text);
            s.exprs.push_back(expression());
            s.closing = {from, previous().span.end};
            endOfStatement();
        } catch (const Failed&) {
            s.closing = {from, previous().span.end};
            skipRest(word);
        }
        return s;
    }

    Stmt forLoop(Stmt& s) {
        return withBody(s, Stmt::Kind::For, Tok::Para, Tok::FinPara, [&] {
            next();
            s.targets.push_back(name("la variable que cuenta"));
            expect(Tok::Arrow, "'<-' y el valor inicial tras la variable");
            s.exprs.push_back(expression());
            expect(Tok::Hasta, "Hasta y el valor final");
            s.exprs.push_back(expression());
            if (accept(Tok::Con)) {
                expect(Tok::Paso, "Paso tras Con");
                s.exprs.push_back(expression());
            }
            if (!accept(Tok::Hacer) && !peek().lineStart) expected("Hacer");
        });
    }

    // --- expressions
    // Limits that keep the tree, and whatever walks it, within the program's stack.
    static constexpr int kNesting = 100;  // parentheses, signs and calls, one inside another
    static constexpr int kParts = 1000;   // operators in one statement

    // Counts the nesting while an expression is read inside another.
    struct Nested {
        Parser& parser;
        explicit Nested(Parser& p) : parser(p) {
            if (++parser.nesting_ > kNesting) {
                parser.report(parser.peek().span, "la expresión anida demasiados paréntesis, signos o llamadas (más de " +
                                                      std::to_string(kNesting) + ")");
                --parser.nesting_;
                throw Failed{};
            }
        }
        ~Nested() { --parser.nesting_; }
    };

    Expr expression(Precedence least = kOr) {
        const Nested nested(*this);
        Expr left = prefix();
        bool comparison = false;
        for (;;) {
            const Rule* rule = binaryRule(peek().kind);
            if (!rule || rule->precedence < least) return left;
            const Token& op = next();
            if (++parts_ > kParts) {
                report(op.span, "la expresión es demasiado larga (más de " + std::to_string(kParts) + " operadores)");
                throw Failed{};
            }
            if ((at(Tok::Minus) || at(Tok::Plus)) && rule->precedence >= kSum)
                report(peek().span, "un signo tras el operador " + op.text + " va entre paréntesis, como 2 " + op.text +
                                        " (" + peek().text + "1)");
            if (rule->precedence == kComparison && comparison)
                report(op.span, "las comparaciones no se encadenan: para saber si un valor está entre otros dos, "
                                "escriba dos comparaciones unidas con Y (1 < x Y x < 3)");
            comparison = rule->precedence == kComparison;
            Expr right = expression(static_cast<Precedence>(rule->precedence + 1));
            const Span span{left.span.begin, right.span.end};
            left = Expr{.kind = Expr::Kind::Binary, .span = span, .op = rule->op, .args = {std::move(left), std::move(right)}};
        }
    }

    Expr prefix() {
        const Token& t = peek();
        Operator op = Operator::Negate;
        Precedence operand = kPower;
        switch (t.kind) {
        case Tok::Minus: op = Operator::Negate, operand = kPower; break;
        case Tok::Plus: op = Operator::Plus, operand = kPower; break;
        case Tok::No: case Tok::Tilde: op = Operator::Not, operand = kComparison; break;
        default: return primary();
        }
        next();
        Expr e = expression(operand);
        const Span span{t.span.begin, e.span.end};
        return Expr{.kind = Expr::Kind::Unary, .span = span, .op = op, .args = {std::move(e)}};
    }

    Expr primary() {
        const Token& t = peek();
        switch (t.kind) {
        case Tok::Number:
            next();
            return Expr{.kind = Expr::Kind::Number, .span = t.span, .number = t.number, .text = t.text};
        case Tok::Text:
            next();
            return Expr{.kind = Expr::Kind::Text, .span = t.span, .text = t.text};
        case Tok::Verdadero:
        case Tok::Falso:
            next();
            return Expr{.kind = Expr::Kind::Logical, .span = t.span, .logical = t.kind == Tok::Verdadero};
        case Tok::LParen: {
            next();
            Expr e = expression();
            expect(Tok::RParen, "')' que cierre el '(' de la columna " + std::to_string(t.span.begin.column));
            return e;
        }
        case Tok::Name: {
            next();
            Expr e{.kind = Expr::Kind::Name, .span = t.span, .text = t.text};
            if (accept(Tok::LBracket)) {
                e.kind = Expr::Kind::Index;
                e.args = subscripts();
            } else if (accept(Tok::LParen)) {
                e.kind = Expr::Kind::Call;
                if (!accept(Tok::RParen)) {
                    do e.args.push_back(expression());
                    while (accept(Tok::Comma));
                    expect(Tok::RParen, "')' o ',' entre los argumentos de " + t.text);
                }
            }
            e.span.end = previous().span.end;
            return e;
        }
        default:
            expected("un valor, una variable o '('");
        }
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    std::vector<Diagnostic> errors_;
    Module module_;
    std::vector<Open> open_;
    bool missing_ = false;  // the block just read ended without its closer
    int nesting_ = 0;       // expressions being read, one inside another
    int parts_ = 0;         // operators read in the statement under way
};

}  // namespace

Parsed parse(std::string_view source) { return Parser(source).run(); }

}  // namespace ej::algorithm
