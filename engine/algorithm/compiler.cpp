#include "engine/algorithm/compiler.h"

#include <algorithm>
#include <map>
#include <set>

namespace ej::algorithm {
namespace {

class Compiler {
public:
    explicit Compiler(std::string_view source) : tokens_(tokenize(source)) {
        std::size_t start = 0;
        while (start <= source.size()) {
            const std::size_t end = source.find('\n', start);
            program_.lines.emplace_back(source.substr(start, end == std::string_view::npos ? end : end - start));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    }

    Program run() {
        expectWord("algoritmo", "'Algoritmo'");
        program_.name = name("el nombre del algoritmo");
        block(0, {"'FinAlgoritmo'", "finalgoritmo"});
        const int endLine = peek().line;
        expectWord("finalgoritmo", "'FinAlgoritmo'");
        if (peek().kind != Token::EndOfText) throw AlgorithmError(peek().line, "el fin del texto tras 'FinAlgoritmo'");
        emit({.op = Instruction::End, .line = endLine});
        return std::move(program_);
    }

private:
    // --- tokens
    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(at_ + ahead, tokens_.size() - 1)]; }
    const Token& next() { return tokens_[std::min(at_++, tokens_.size() - 1)]; }
    int lastLine() const { return at_ ? tokens_[std::min(at_ - 1, tokens_.size() - 1)].line : 1; }
    bool isWord(std::string_view w, std::size_t ahead = 0) const {
        return peek(ahead).kind == Token::Word && peek(ahead).lower == w;
    }
    bool isSymbol(std::string_view s) const { return peek().kind == Token::Symbol && peek().text == s; }
    bool acceptWord(std::string_view w) { return isWord(w) && (next(), true); }
    bool acceptSymbol(std::string_view s) { return isSymbol(s) && (next(), true); }
    void expectWord(std::string_view w, const std::string& what) {
        if (!acceptWord(w)) throw AlgorithmError(peek().line, what);
    }
    void expectSymbol(std::string_view s, const std::string& what) {
        if (!acceptSymbol(s)) throw AlgorithmError(peek().line, what);
    }
    // The `;` that ends a simple statement belongs to its line, not to the next one.
    void endOfStatement() {
        if (!acceptSymbol(";")) throw AlgorithmError(lastLine(), "';' al final de la instrucción");
    }

    std::string name(const std::string& what) {
        if (peek().kind != Token::Word || isKeyword(peek().lower)) throw AlgorithmError(peek().line, what);
        return next().text;
    }
    int variable() {
        const Token& t = peek();
        if (t.kind != Token::Word || isKeyword(t.lower)) throw AlgorithmError(t.line, "el nombre de una variable");
        const auto found = names_.find(t.lower);
        if (found == names_.end()) throw AlgorithmError(t.line, "una variable definida antes, no '" + t.text + "'");
        next();
        return found->second;
    }

    // --- statements
    int here() const { return static_cast<int>(program_.code.size()); }
    int emit(Instruction i) {
        program_.code.push_back(std::move(i));
        return here() - 1;
    }

    // Statements up to one of the closing words, which follow the block's end as a
    // student reads it (for the error); `depth` counts the blocks around. A block that
    // meets the end of another, or of the text, misses its own.
    void block(int depth, const std::vector<std::string>& closers) {
        static const std::set<std::string> kClosers{"finalgoritmo", "finsi", "sino", "finmientras", "finpara", "hasta"};
        for (;;) {
            const Token& t = peek();
            if (t.kind == Token::Word && std::find(closers.begin(), closers.end(), t.lower) != closers.end()) return;
            if (t.kind == Token::EndOfText || (t.kind == Token::Word && kClosers.count(t.lower)))
                throw AlgorithmError(t.line, closers.front());
            statement(depth);
        }
    }

    void statement(int depth) {
        const Token& t = peek();
        const int line = t.line;
        if (acceptWord("definir")) return define(line);
        if (acceptWord("dimension")) return dimension(line);
        if (acceptWord("leer")) return read(line);
        if (acceptWord("escribir")) return write(line);
        if (acceptWord("si")) return conditional(line, depth);
        if (acceptWord("mientras")) return whileLoop(line, depth);
        if (acceptWord("para")) return forLoop(line, depth);
        if (acceptWord("repetir")) return repeatLoop(depth);
        if (t.kind == Token::Word && !isKeyword(t.lower)) return assignment(line);
        throw AlgorithmError(line, "una instrucción, no '" + t.text + "'");
    }

    void define(int line) {
        std::vector<std::string> declared;
        do {
            const std::string n = name("el nombre de una variable");
            if (names_.count(lower(n)) || lower(n) == lower(program_.name))
                throw AlgorithmError(line, "un nombre nuevo, no '" + n + "'");
            declared.push_back(n);
        } while (acceptSymbol(","));
        expectWord("como", "'Como'");
        Type type = Type::Real;
        if (acceptWord("entero"))
            type = Type::Entero;
        else
            expectWord("real", "'Real' o 'Entero'");
        endOfStatement();
        // The line runs once, however many variables it names.
        for (const auto& n : declared) {
            names_[lower(n)] = static_cast<int>(program_.variables.size());
            program_.variables.push_back({n, type, false});
            emit({.op = Instruction::Declare, .line = line, .counted = &n == &declared.front(),
                  .var = static_cast<int>(program_.variables.size()) - 1});
        }
    }

    void dimension(int line) {
        bool first = true;
        do {
            const int v = variable();
            expectSymbol("[", "'['");
            Expr size = expression();
            expectSymbol("]", "']'");
            program_.variables[static_cast<std::size_t>(v)].vector = true;
            emit({.op = Instruction::Dimension, .line = line, .counted = first, .var = v, .expr = std::move(size)});
            first = false;  // the line runs once, however many vectors it sizes
        } while (acceptSymbol(","));
        endOfStatement();
    }

    // A variable, or an element of a vector, that receives a value.
    std::pair<int, std::optional<Expr>> target() {
        const int v = variable();
        std::optional<Expr> index;
        if (acceptSymbol("[")) {
            index = expression();
            expectSymbol("]", "']'");
        }
        return {v, std::move(index)};
    }

    void read(int line) {
        auto [v, index] = target();
        endOfStatement();
        reads_ = true;
        emit({.op = Instruction::Read, .line = line, .var = v, .index = std::move(index)});
    }

    void write(int line) {
        bool newline = true;
        if (acceptWord("sin")) {
            expectWord("saltar", "'Saltar' tras 'Sin'");
            newline = false;
        }
        Instruction w{.op = Instruction::Write, .line = line, .newline = newline};
        do {
            if (peek().kind == Token::Text)
                w.items.push_back({next().text, {}});
            else
                w.items.push_back({std::nullopt, expression()});
        } while (acceptSymbol(","));
        endOfStatement();
        emit(std::move(w));
    }

    void assignment(int line) {
        auto [v, index] = target();
        expectSymbol("<-", "'<-'");
        Expr value = expression();
        endOfStatement();
        emit({.op = Instruction::Assign, .line = line, .var = v, .index = std::move(index), .expr = std::move(value)});
    }

    void conditional(int line, int depth) {
        Expr test = expression();
        expectWord("entonces", "'Entonces'");
        const int branch = emit({.op = Instruction::Branch, .line = line, .expr = std::move(test)});
        block(depth + 1, {"'FinSi'", "sino", "finsi"});
        if (acceptWord("sino")) {
            const int skip = emit({.op = Instruction::Jump, .line = line, .counted = false});
            code(branch).target = here();
            block(depth + 1, {"'FinSi'", "finsi"});
            code(skip).target = here();
        } else {
            code(branch).target = here();
        }
        expectWord("finsi", "'FinSi'");
    }

    void whileLoop(int line, int depth) {
        Expr test = expression();
        expectWord("hacer", "'Hacer'");
        const bool readsBefore = reads_;
        reads_ = false;
        const int head = emit({.op = Instruction::Branch, .line = line, .expr = std::move(test)});
        block(depth + 1, {"'FinMientras'", "finmientras"});
        expectWord("finmientras", "'FinMientras'");
        if (auto counting = countingLoop(head)) {
            // The body's steps are taken by the counting loop itself.
            program_.code.resize(static_cast<std::size_t>(head));
            emit({.op = Instruction::Count, .line = line, .target = head + 1, .counting = std::move(counting)});
        } else {
            const int back = emit({.op = Instruction::Jump, .line = line, .counted = false, .target = head});
            code(head).target = here();
            if (depth == 0 && !reads_) code(head).loopStart = code(back).loopBack = head;
        }
        reads_ = readsBefore || reads_;
    }

    void forLoop(int line, int depth) {
        const int v = variable();
        expectSymbol("<-", "'<-'");
        Expr from = expression();
        expectWord("hasta", "'Hasta'");
        Expr to = expression();
        Expr step{.kind = Expr::Number, .number = 1};
        if (acceptWord("con")) {
            expectWord("paso", "'Paso' tras 'Con'");
            step = expression();
        }
        expectWord("hacer", "'Hacer'");
        const bool down = step.kind == Expr::Negate || (step.kind == Expr::Number && step.number < 0);
        const int init = emit({.op = Instruction::Assign, .line = line, .counted = false, .var = v, .expr = std::move(from)});
        Expr test{.kind = Expr::Binary, .op = down ? Expr::Ge : Expr::Le,
                  .args = {Expr{.kind = Expr::Scalar, .var = v}, std::move(to)}};
        const bool readsBefore = reads_;
        reads_ = false;
        const int head = emit({.op = Instruction::Branch, .line = line, .expr = std::move(test)});
        block(depth + 1, {"'FinPara'", "finpara"});
        expectWord("finpara", "'FinPara'");
        Expr stepped{.kind = Expr::Binary, .op = Expr::Add, .args = {Expr{.kind = Expr::Scalar, .var = v}, std::move(step)}};
        const int back = emit({.op = Instruction::Assign, .line = line, .counted = false, .var = v, .expr = std::move(stepped)});
        emit({.op = Instruction::Jump, .line = line, .counted = false, .target = head});
        code(head).target = here();
        if (depth == 0 && !reads_) code(init).loopStart = code(back).loopBack = head;
        reads_ = readsBefore || reads_;
    }

    void repeatLoop(int depth) {
        const int top = here();
        block(depth + 1, {"'Hasta Que'", "hasta"});
        const int testLine = peek().line;
        expectWord("hasta", "'Hasta Que'");
        expectWord("que", "'Que' tras 'Hasta'");
        Expr test = expression();
        endOfStatement();
        emit({.op = Instruction::Branch, .line = testLine, .expr = std::move(test), .target = top});
    }

    // A loop whose test compares one variable with an amount the body leaves alone, and
    // whose body only adds to variables amounts it leaves alone, that variable among them.
    std::shared_ptr<const CountingLoop> countingLoop(int head) {
        const Instruction& test = code(head);
        const Expr& t = test.expr;
        if (t.kind != Expr::Binary || t.args.size() != 2) return nullptr;
        static const std::map<Expr::Op, Relation> kRelations{
            {Expr::Lt, Relation::Less}, {Expr::Le, Relation::LessEqual},
            {Expr::Gt, Relation::Greater}, {Expr::Ge, Relation::GreaterEqual}};
        const auto relation = kRelations.find(t.op);
        if (relation == kRelations.end() || t.args[0].kind != Expr::Scalar) return nullptr;
        CountingLoop loop{.var = t.args[0].var, .relation = relation->second, .bound = t.args[1]};
        std::set<int> stepped;
        for (int k = head + 1; k < here(); ++k) {
            const Instruction& s = code(k);
            if (s.op != Instruction::Assign || s.index || stepped.count(s.var)) return nullptr;
            const Expr& e = s.expr;
            if (e.kind != Expr::Binary || (e.op != Expr::Add && e.op != Expr::Sub)) return nullptr;
            if (e.args[0].kind != Expr::Scalar || e.args[0].var != s.var) return nullptr;
            Expr amount = e.args[1];
            if (e.op == Expr::Sub) amount = Expr{.kind = Expr::Negate, .args = {std::move(amount)}};
            loop.steps.push_back({s.var, std::move(amount), s.line});
            stepped.insert(s.var);
        }
        if (!stepped.count(loop.var) || program_.variables[static_cast<std::size_t>(loop.var)].vector) return nullptr;
        for (const auto& s : loop.steps)
            if (uses(s.amount, stepped) || program_.variables[static_cast<std::size_t>(s.var)].vector) return nullptr;
        if (uses(loop.bound, stepped)) return nullptr;
        return std::make_shared<CountingLoop>(std::move(loop));
    }

    static bool uses(const Expr& e, const std::set<int>& vars) {
        if ((e.kind == Expr::Scalar || e.kind == Expr::Element) && vars.count(e.var)) return true;
        for (const auto& a : e.args)
            if (uses(a, vars)) return true;
        return false;
    }

    // --- expressions, loosest first: O, Y, NO, comparisons, + -, * / MOD, ^, sign
    Expr expression() { return disjunction(); }
    static Expr binary(Expr::Op op, Expr a, Expr b) {
        return Expr{.kind = Expr::Binary, .op = op, .args = {std::move(a), std::move(b)}};
    }
    Expr disjunction() {
        Expr e = conjunction();
        while (acceptWord("o")) e = binary(Expr::Or, std::move(e), conjunction());
        return e;
    }
    Expr conjunction() {
        Expr e = negation();
        while (acceptWord("y")) e = binary(Expr::And, std::move(e), negation());
        return e;
    }
    Expr negation() {
        if (acceptWord("no")) return Expr{.kind = Expr::Not, .args = {negation()}};
        return comparison();
    }
    Expr comparison() {
        Expr e = sum();
        static const std::map<std::string, Expr::Op> kOps{{"=", Expr::Eq}, {"<>", Expr::Ne}, {"<", Expr::Lt},
                                                          {"<=", Expr::Le}, {">", Expr::Gt}, {">=", Expr::Ge}};
        while (peek().kind == Token::Symbol && kOps.count(peek().text)) {
            const Expr::Op op = kOps.at(next().text);
            e = binary(op, std::move(e), sum());
        }
        return e;
    }
    Expr sum() {
        Expr e = product();
        while (isSymbol("+") || isSymbol("-")) {
            const Expr::Op op = next().text == "+" ? Expr::Add : Expr::Sub;
            e = binary(op, std::move(e), product());
        }
        return e;
    }
    Expr product() {
        Expr e = sign();
        while (isSymbol("*") || isSymbol("/") || isWord("mod")) {
            const std::string op = next().lower;
            e = binary(op == "*" ? Expr::Mul : op == "/" ? Expr::Div : Expr::Mod, std::move(e), sign());
        }
        return e;
    }
    Expr sign() {
        if (acceptSymbol("-")) return Expr{.kind = Expr::Negate, .args = {sign()}};
        if (acceptSymbol("+")) return sign();
        return power();
    }
    Expr power() {
        Expr e = primary();
        if (acceptSymbol("^")) return binary(Expr::Pow, std::move(e), sign());
        return e;
    }
    Expr primary() {
        const Token& t = peek();
        if (t.kind == Token::Number) {
            next();
            return Expr{.kind = Expr::Number, .number = t.number};
        }
        if (acceptSymbol("(")) {
            Expr e = expression();
            expectSymbol(")", "')'");
            return e;
        }
        static const std::map<std::string, Expr::Op> kFunctions{
            {"trunc", Expr::Trunc}, {"abs", Expr::Abs}, {"redon", Expr::Redon}};
        if (t.kind == Token::Word && kFunctions.count(t.lower)) {
            const Expr::Op op = kFunctions.at(next().lower);
            expectSymbol("(", "'(' tras '" + t.text + "'");
            Expr arg = expression();
            expectSymbol(")", "')'");
            return Expr{.kind = Expr::Call, .op = op, .args = {std::move(arg)}};
        }
        if (t.kind == Token::Word && !isKeyword(t.lower)) {
            const int v = variable();
            if (acceptSymbol("[")) {
                Expr index = expression();
                expectSymbol("]", "']'");
                return Expr{.kind = Expr::Element, .var = v, .args = {std::move(index)}};
            }
            return Expr{.kind = Expr::Scalar, .var = v};
        }
        throw AlgorithmError(t.line, "un valor, una variable o '('");
    }

    static std::string lower(std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    Instruction& code(int k) { return program_.code[static_cast<std::size_t>(k)]; }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    Program program_;
    std::map<std::string, int> names_;  // lower-case name to its variable
    bool reads_ = false;                // whether the loop being read has a `Leer`
};

}  // namespace

Program compile(std::string_view source) { return Compiler(source).run(); }

}  // namespace ej::algorithm
