#include "engine/algorithm/compiler.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "engine/algorithm/parser.h"

namespace ej::algorithm {

namespace {

constexpr BuiltinFunction kBuiltins[] = {
    {"trunc", Builtin::Trunc, 1},          {"redon", Builtin::Redon, 1},
    {"abs", Builtin::Abs, 1},              {"raiz", Builtin::Raiz, 1},
    {"rc", Builtin::Raiz, 1},              {"ln", Builtin::Ln, 1},
    {"exp", Builtin::Exp, 1},              {"sen", Builtin::Sen, 1},
    {"cos", Builtin::Cos, 1},              {"tan", Builtin::Tan, 1},
    {"atan", Builtin::Atan, 1},            {"azar", Builtin::Azar, 1},
    {"aleatorio", Builtin::Aleatorio, 2},  {"longitud", Builtin::Longitud, 1},
    {"mayusculas", Builtin::Mayusculas, 1}, {"minusculas", Builtin::Minusculas, 1},
    {"subcadena", Builtin::Subcadena, 3},  {"concatenar", Builtin::Concatenar, 2},
    {"convertiranumero", Builtin::ConvertirANumero, 1}, {"convertiratexto", Builtin::ConvertirATexto, 1},
};

std::vector<std::string> splitLines(std::string_view source) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = source.find('\n', start);
        std::string line(source.substr(start, end == std::string_view::npos ? end : end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

bool blockReads(const Block& block) {
    return std::any_of(block.begin(), block.end(), [](const Stmt& s) {
        return s.kind == Stmt::Kind::Read || blockReads(s.body) || blockReads(s.otherwise) ||
               std::any_of(s.cases.begin(), s.cases.end(), [](const Case& c) { return blockReads(c.body); });
    });
}

// Hidden slots are numbered apart while a procedure is lowered, and placed after its
// variables once their number is known.
constexpr int kHidden = 1 << 24;

class Lowering {
public:
    Lowering(const Module& module, std::vector<Diagnostic>& errors) : module_(module), errors_(errors) {}

    Program run(std::vector<std::string> lines) {
        program_.lines = std::move(lines);
        for (const Procedure& p : module_.procedures) {
            const std::string key = asciiLower(p.name);
            if (p.main) {
                program_.name = p.name;
            } else if (procedures_.count(key)) {
                error(p.span, "ya hay un subproceso llamado " + p.name);
            } else if (builtinNamed(p.name)) {
                error(p.span, p.name + " es el nombre de una función del lenguaje: elija otro nombre");
            } else {
                procedures_[key] = static_cast<int>(reads_.size());
            }
            reads_.push_back(blockReads(p.body));
        }
        for (const Procedure& p : module_.procedures) {
            if (p.main) program_.main = static_cast<int>(program_.procedures.size());
            procedure(p);
        }
        program_.variables = program_.procedures[static_cast<std::size_t>(program_.main)].variables;
        for (Instruction& in : program_.code) {
            for (Code& c : in.exprs) markCalls(c);
            for (Code& c : in.place.subscripts) markCalls(c);
        }
        return std::move(program_);
    }

private:
    void error(Span span, std::string message) { errors_.push_back({span, std::move(message)}); }

    static bool markCalls(Code& c) {
        c.calls = c.op == Code::Op::Call;
        for (Code& a : c.args) c.calls = markCalls(a) || c.calls;
        return c.calls;
    }

    // --- procedures
    void procedure(const Procedure& p) {
        // A second procedure of the same name keeps its place, so that indexes hold.
        ProcedureCode code;
        code.name = p.name;
        code.main = p.main;
        code.entry = here();
        code.span = p.span;
        locals_.clear();
        defined_.clear();
        uses_.clear();
        hiddenCount_ = 0;
        depth_ = 0;
        current_ = &code;
        for (const Parameter& param : p.parameters) {
            if (locals_.count(asciiLower(param.name))) error(param.span, "el parámetro " + param.name + " está repetido");
            slot(param.name, param.span);
            code.byReference.push_back(param.byReference);
        }
        if (!p.result.empty()) code.result = slot(p.result, p.span);
        block(p.body);
        const int endLine = p.closing.line() ? p.closing.line() : static_cast<int>(program_.lines.size());
        emit({.op = p.main ? Instruction::Op::End : Instruction::Op::Return, .line = endLine, .span = p.closing});
        code.end = here();
        inferTypes(code);
        checkUses(code);
        placeHidden(code);
        code.frameSize = static_cast<int>(code.variables.size()) + hiddenCount_;
        program_.procedures.push_back(std::move(code));
        current_ = nullptr;
    }

    // A variable never defined takes the type its uses give it anywhere in its procedure,
    // as PSeInt's default profile does: a number where it is computed with, a text where
    // it is joined to one, the type of what it is given.
    void inferTypes(ProcedureCode& code) {
        auto& vars = code.variables;
        const auto typeOf = [&](const Code& c) -> DataType {
            switch (c.op) {
            case Code::Op::Constant:
                return c.constant.kind == Value::Kind::Number ? DataType::Real
                       : c.constant.kind == Value::Kind::Text ? DataType::Texto : DataType::Logico;
            case Code::Op::Local:
            case Code::Op::Element:
                return static_cast<std::size_t>(c.slot) < vars.size() ? vars[static_cast<std::size_t>(c.slot)].type : DataType::Unknown;
            case Code::Op::Unary: return c.oper == Operator::Not ? DataType::Logico : DataType::Real;
            case Code::Op::Binary:
                switch (c.oper) {
                case Operator::Add: return DataType::Unknown;
                case Operator::Eq: case Operator::Ne: case Operator::Lt: case Operator::Le: case Operator::Gt:
                case Operator::Ge: case Operator::And: case Operator::Or: return DataType::Logico;
                default: return DataType::Real;
                }
            case Code::Op::Builtin:
                switch (c.builtin) {
                case Builtin::Mayusculas: case Builtin::Minusculas: case Builtin::Subcadena: case Builtin::Concatenar:
                case Builtin::ConvertirATexto: return DataType::Texto;
                default: return DataType::Real;
                }
            case Code::Op::Call: return DataType::Unknown;
            }
            return DataType::Unknown;
        };
        bool changed = true;
        const auto give = [&](const Code& c, DataType type) {
            if ((c.op != Code::Op::Local && c.op != Code::Op::Element) || type == DataType::Unknown) return;
            const auto k = static_cast<std::size_t>(c.slot);
            if (k < vars.size() && vars[k].type == DataType::Unknown) {
                vars[k].type = type == DataType::Entero ? DataType::Real : type;
                changed = true;
            }
        };
        // What an expression's parts must be.
        std::function<void(const Code&)> walk = [&](const Code& c) {
            if (c.op == Code::Op::Unary && c.oper != Operator::Not) give(c.args[0], DataType::Real);
            if (c.op == Code::Op::Binary) {
                const Operator o = c.oper;
                if (o == Operator::Sub || o == Operator::Mul || o == Operator::Div || o == Operator::Pow || o == Operator::Mod) {
                    give(c.args[0], DataType::Real);
                    give(c.args[1], DataType::Real);
                } else if (o != Operator::And && o != Operator::Or) {
                    give(c.args[0], typeOf(c.args[1]));
                    give(c.args[1], typeOf(c.args[0]));
                }
            }
            if (c.op == Code::Op::Element)
                for (const Code& s : c.args) give(s, DataType::Real);
            if (c.op == Code::Op::Builtin && !c.args.empty()) {
                const bool texts = c.builtin >= Builtin::Longitud && c.builtin <= Builtin::ConvertirANumero;
                give(c.args[0], texts ? DataType::Texto : DataType::Real);
            }
            for (const Code& a : c.args) walk(a);
        };
        for (int round = 0; changed && round < 8; ++round) {
            changed = false;
            for (int k = code.entry; k < here(); ++k) {
                const Instruction& in = at(k);
                const Code target{.op = in.place.subscripts.empty() ? Code::Op::Local : Code::Op::Element, .slot = in.place.slot};
                if (in.op == Instruction::Op::Assign && in.place.slot >= 0) {
                    give(target, typeOf(in.exprs[0]));
                    give(in.exprs[0], typeOf(target));
                }
                if (in.op == Instruction::Op::ForInit) give(target, DataType::Real);
                for (const Code& s : in.place.subscripts) give(s, DataType::Real);
                for (const Code& e : in.exprs) walk(e);
            }
        }
    }

    // An array is used with its subscripts, and only an array is.
    void checkUses(const ProcedureCode& code) {
        const int parameters = static_cast<int>(code.byReference.size());
        for (const Use& u : uses_) {
            const Variable& v = code.variables[static_cast<std::size_t>(u.slot)];
            if (u.element && !v.array && u.slot >= parameters)
                error(u.span, v.name + " no es un arreglo: dele un tamaño con Dimension " + v.name + "[…] antes de usar sus elementos");
            else if (!u.element && !u.argument && v.array)
                error(u.span, v.name + " es un arreglo: falta el subíndice del elemento, como " + v.name + "[1]");
        }
    }

    void placeHidden(const ProcedureCode& code) {
        const int base = static_cast<int>(code.variables.size());
        for (int k = code.entry; k < here(); ++k) {
            Instruction& in = program_.code[static_cast<std::size_t>(k)];
            if (in.hidden >= kHidden) in.hidden += base - kHidden;
            if (in.place.slot >= kHidden) in.place.slot += base - kHidden;
            for (Code& c : in.exprs) placeHidden(c, base);
        }
    }
    static void placeHidden(Code& c, int base) {
        if (c.slot >= kHidden) c.slot += base - kHidden;
        for (Code& a : c.args) placeHidden(a, base);
    }

    // --- names
    int slot(const std::string& name, Span span) {
        const std::string key = asciiLower(name);
        const auto found = locals_.find(key);
        if (found != locals_.end()) return found->second;
        if (procedures_.count(key))
            error(span, name + " es el nombre de un subproceso, no de una variable");
        else if (builtinNamed(name))
            error(span, name + " es una función del lenguaje: se usa con sus argumentos entre paréntesis, como " + name + "(x)");
        else if (key == asciiLower(program_.name))
            error(span, name + " es el nombre del algoritmo: una variable necesita otro nombre");
        const int s = static_cast<int>(current_->variables.size());
        current_->variables.push_back({name, DataType::Unknown, false, span});
        locals_[key] = s;
        return s;
    }
    int hidden() { return kHidden + hiddenCount_++; }

    // --- code
    int here() const { return static_cast<int>(program_.code.size()); }
    int emit(Instruction in) {
        if (!in.line) in.line = in.span.line();
        program_.code.push_back(std::move(in));
        return here() - 1;
    }
    Instruction& at(int k) { return program_.code[static_cast<std::size_t>(k)]; }
    int newLoop(const Stmt& s) {
        program_.loops.push_back({s.span.line(), depth_, current_->main, false, false, here(), here()});
        return static_cast<int>(program_.loops.size()) - 1;
    }
    void closeLoop(int loop) { program_.loops[static_cast<std::size_t>(loop)].end = here(); }

    void block(const Block& b) {
        for (const Stmt& s : b) statement(s);
    }
    // A block inside a statement, one level deeper.
    void inner(const Block& b) {
        ++depth_;
        block(b);
        --depth_;
    }

    // A statement the parser could read only in part is left out: the text has a fault
    // that is already reported, and the program will not run.
    static bool whole(const Stmt& s) {
        using K = Stmt::Kind;
        switch (s.kind) {
        case K::Assign: return s.targets.size() == 1 && s.exprs.size() == 1;
        case K::Call: return s.exprs.size() == 1;
        case K::For: return s.targets.size() == 1 && s.exprs.size() >= 2;
        default: return true;
        }
    }

    void statement(const Stmt& s) {
        using K = Stmt::Kind;
        using Op = Instruction::Op;
        if (!whole(s)) return;
        const int line = s.span.line();
        switch (s.kind) {
        case K::Define: {
            bool first = true;
            for (const Expr& name : s.targets) {
                const std::string key = asciiLower(name.text);
                const auto used = locals_.find(key);
                // A parameter or a function's value may be given its type; any other name only before its use.
                const bool mayBeTyped = used == locals_.end() || used->second < static_cast<int>(current_->byReference.size()) ||
                                        used->second == current_->result;
                if (defined_.count(key))
                    error(name.span, name.text + " ya fue definida en la línea " + std::to_string(defined_[key]));
                else if (!mayBeTyped)
                    error(name.span, "Definir " + name.text + " debe ir antes de su primer uso, en la línea " +
                                         std::to_string(current_->variables[static_cast<std::size_t>(used->second)].span.line()));
                defined_[key] = line;
                const int v = slot(name.text, name.span);
                current_->variables[static_cast<std::size_t>(v)].type = s.type;
                emit({.op = Op::Declare, .counted = first, .type = s.type, .line = line, .span = s.span,
                      .place = {v, {}, name.span}});
                first = false;
            }
            return;
        }
        case K::Dimension: {
            bool first = true;
            for (const Expr& array : s.targets) {
                const int v = slot(array.text, array.span);
                current_->variables[static_cast<std::size_t>(v)].array = true;
                emit({.op = Op::Dimension, .counted = first, .line = line, .span = array.span,
                      .place = {v, {}, array.span}, .exprs = expressions(array.args)});
                first = false;
            }
            return;
        }
        case K::Assign:
            emit({.op = Op::Assign, .line = line, .span = s.span, .place = place(s.targets[0]), .exprs = {expr(s.exprs[0])}});
            return;
        case K::Read: {
            bool first = true;
            for (const Expr& target : s.targets) {
                emit({.op = Op::Read, .counted = first, .line = line, .span = target.span, .place = place(target)});
                first = false;
            }
            for (Loop* l : openLoops()) l->reads = true;
            return;
        }
        case K::Write:
            emit({.op = Op::Write, .newline = s.newline, .line = line, .span = s.span, .exprs = expressions(s.exprs)});
            return;
        case K::Call: {
            Code call = expr(s.exprs[0], true);
            if (call.op == Code::Op::Call && reads_[static_cast<std::size_t>(call.slot)])
                for (Loop* l : openLoops()) l->reads = true;
            emit({.op = Op::Call, .line = line, .span = s.span, .exprs = {std::move(call)}});
            return;
        }
        case K::If: {
            const int branch = emit({.op = Op::Branch, .line = line, .span = s.span, .exprs = {condition(s)}});
            inner(s.body);
            if (!s.otherwise.empty()) {
                const int skip = emit({.op = Op::Jump, .counted = false, .line = line, .span = s.span});
                at(branch).jump = here();
                inner(s.otherwise);
                at(skip).jump = here();
            } else {
                at(branch).jump = here();
            }
            return;
        }
        case K::Switch: return choice(s);
        case K::While: return whileLoop(s);
        case K::Repeat: return repeatLoop(s);
        case K::For: return forLoop(s);
        }
    }

    std::vector<Loop*> openLoops() {
        std::vector<Loop*> out;
        for (int k : loopStack_) out.push_back(&program_.loops[static_cast<std::size_t>(k)]);
        return out;
    }

    Code condition(const Stmt& s) { return s.exprs.empty() ? Code{.constant = Value::ofLogical(false)} : expr(s.exprs[0]); }

    void choice(const Stmt& s) {
        using Op = Instruction::Op;
        const int line = s.span.line();
        const int value = hidden();
        emit({.op = Op::Select, .line = line, .span = s.span, .place = {value, {}, s.span}, .exprs = {condition(s)}});
        std::vector<int> ends;
        for (const Case& c : s.cases) {
            int branch = -1;
            if (!c.values.empty()) {
                Code test;
                bool first = true;
                for (const Expr& v : c.values) {
                    Code equal{.op = Code::Op::Binary, .oper = Operator::Eq, .span = v.span,
                               .args = {Code{.op = Code::Op::Local, .slot = value, .span = s.span}, expr(v)}};
                    test = std::exchange(first, false)
                               ? std::move(equal)
                               : Code{.op = Code::Op::Binary, .oper = Operator::Or, .span = c.span,
                                      .args = {std::move(test), std::move(equal)}};
                }
                branch = emit({.op = Op::Branch, .line = c.span.line(), .span = c.span, .exprs = {std::move(test)}});
            }
            inner(c.body);
            if (branch >= 0) {
                ends.push_back(emit({.op = Op::Jump, .counted = false, .line = line, .span = s.span}));
                at(branch).jump = here();
            }
        }
        for (int k : ends) at(k).jump = here();
    }

    void whileLoop(const Stmt& s) {
        using Op = Instruction::Op;
        const int line = s.span.line();
        const int loop = newLoop(s);
        const int enter = emit({.op = Op::Nop, .mark = Instruction::Mark::LoopEnter, .counted = false, .line = line,
                                .span = s.span, .loop = loop});
        const int head = emit({.op = Op::Branch, .line = line, .span = s.span, .loop = loop, .exprs = {condition(s)}});
        loopStack_.push_back(loop);
        inner(s.body);
        loopStack_.pop_back();
        emit({.op = Op::Jump, .mark = Instruction::Mark::PassEnd, .counted = false, .line = line, .span = s.span,
              .jump = head, .loop = loop});
        at(head).jump = here();
        closeLoop(loop);
        if (auto counting = countingLoop(head)) {
            Instruction& count = at(enter);
            count.op = Op::Count;
            count.jump = here();
            count.counting = std::move(counting);
            program_.loops[static_cast<std::size_t>(loop)].counting = true;
        }
    }

    void repeatLoop(const Stmt& s) {
        using Op = Instruction::Op;
        const int loop = newLoop(s);
        const int top = emit({.op = Op::Nop, .mark = Instruction::Mark::LoopEnter, .counted = false,
                              .line = s.span.line(), .span = s.span, .loop = loop});
        loopStack_.push_back(loop);
        inner(s.body);
        loopStack_.pop_back();
        // `Hasta Que c` goes round again while c is Falso; `Mientras Que c`, while Verdadero.
        emit({.op = Op::Branch, .mark = Instruction::Mark::PassEnd, .jumpIf = !s.untilTrue, .line = s.closing.line(),
              .span = s.closing, .jump = top + 1, .loop = loop, .exprs = {condition(s)}});
        closeLoop(loop);
    }

    void forLoop(const Stmt& s) {
        using Op = Instruction::Op;
        const int line = s.span.line();
        const int loop = newLoop(s);
        Place counter = place(s.targets[0]);
        const int kept = hidden();
        hidden();  // the step, at kept + 1
        std::vector<Code> bounds = expressions(s.exprs);
        emit({.op = Op::ForInit, .mark = Instruction::Mark::LoopEnter, .counted = false, .line = line, .span = s.span,
              .loop = loop, .hidden = kept, .place = counter, .exprs = std::move(bounds)});
        const int test = emit({.op = Op::ForTest, .line = line, .span = s.span, .loop = loop, .hidden = kept, .place = counter});
        loopStack_.push_back(loop);
        inner(s.body);
        loopStack_.pop_back();
        emit({.op = Op::ForStep, .mark = Instruction::Mark::PassEnd, .counted = false, .line = line, .span = s.span,
              .loop = loop, .hidden = kept, .place = counter});
        emit({.op = Op::Jump, .counted = false, .line = line, .span = s.span, .jump = test});
        at(test).jump = here();
        closeLoop(loop);
    }

    // A loop whose test compares one variable with an amount the body leaves alone, and
    // whose body only adds to variables amounts it leaves alone, that variable among them.
    std::shared_ptr<const CountingLoop> countingLoop(int head) {
        const Code& t = at(head).exprs[0];
        if (t.op != Code::Op::Binary || t.args.size() != 2) return nullptr;
        static const std::map<Operator, Relation> kRelations{
            {Operator::Lt, Relation::Less}, {Operator::Le, Relation::LessEqual},
            {Operator::Gt, Relation::Greater}, {Operator::Ge, Relation::GreaterEqual}};
        const auto relation = kRelations.find(t.oper);
        if (relation == kRelations.end() || t.args[0].op != Code::Op::Local) return nullptr;
        CountingLoop loop{.var = t.args[0].slot, .relation = relation->second, .bound = t.args[1]};
        std::set<int> stepped;
        const int back = here() - 1;
        for (int k = head + 1; k < back; ++k) {
            const Instruction& s = at(k);
            if (s.op != Instruction::Op::Assign || !s.place.subscripts.empty() || stepped.count(s.place.slot)) return nullptr;
            const Code& e = s.exprs[0];
            if (e.op != Code::Op::Binary || (e.oper != Operator::Add && e.oper != Operator::Sub)) return nullptr;
            if (e.args[0].op != Code::Op::Local || e.args[0].slot != s.place.slot) return nullptr;
            Code amount = e.args[1];
            if (e.oper == Operator::Sub) amount = Code{.op = Code::Op::Unary, .oper = Operator::Negate, .args = {std::move(amount)}};
            loop.steps.push_back({s.place.slot, std::move(amount), s.line});
            stepped.insert(s.place.slot);
        }
        if (!stepped.count(loop.var)) return nullptr;
        for (const auto& s : loop.steps)
            if (uses(s.amount, stepped) || !plain(s.amount)) return nullptr;
        if (uses(loop.bound, stepped) || !plain(loop.bound)) return nullptr;
        return std::make_shared<CountingLoop>(std::move(loop));
    }

    static bool uses(const Code& c, const std::set<int>& slots) {
        if ((c.op == Code::Op::Local || c.op == Code::Op::Element) && slots.count(c.slot)) return true;
        return std::any_of(c.args.begin(), c.args.end(), [&](const Code& a) { return uses(a, slots); });
    }
    // Computed from its operands alone: no call, whose body could change them.
    static bool plain(const Code& c) {
        if (c.op == Code::Op::Call || (c.op == Code::Op::Builtin && (c.builtin == Builtin::Azar || c.builtin == Builtin::Aleatorio)))
            return false;
        return std::all_of(c.args.begin(), c.args.end(), plain);
    }

    // --- expressions
    std::vector<Code> expressions(const std::vector<Expr>& es) {
        std::vector<Code> out;
        out.reserve(es.size());
        for (const Expr& e : es) out.push_back(expr(e));
        return out;
    }

    Place place(const Expr& target) {
        const int v = slot(target.text, target.span);
        uses_.push_back({v, target.kind == Expr::Kind::Index, false, target.span});
        return {v, expressions(target.args), target.span};
    }

    Code expr(const Expr& e, bool statement = false, bool argument = false) {
        using K = Expr::Kind;
        switch (e.kind) {
        case K::Number: return {.constant = Value::ofNumber(e.number, e.number == std::floor(e.number)), .span = e.span};
        case K::Text: return {.constant = Value::ofText(e.text), .span = e.span};
        case K::Logical: return {.constant = Value::ofLogical(e.logical), .span = e.span};
        case K::Name:
            if (asciiLower(e.text) == "pi" && !locals_.count("pi")) return {.constant = Value::ofNumber(3.14159265358979323846), .span = e.span};
            if (statement || (!locals_.count(asciiLower(e.text)) && procedures_.count(asciiLower(e.text)))) return call(e, statement);
            [[fallthrough]];
        case K::Index: {
            const int v = slot(e.text, e.span);
            uses_.push_back({v, e.kind == K::Index, argument, e.span});
            return {.op = e.kind == K::Index ? Code::Op::Element : Code::Op::Local, .slot = v, .span = e.span,
                    .args = expressions(e.args)};
        }
        case K::Call: return call(e, statement);
        case K::Unary:
        case K::Binary:
            return {.op = e.kind == K::Unary ? Code::Op::Unary : Code::Op::Binary, .oper = e.op, .span = e.span,
                    .args = expressions(e.args)};
        }
        return {};
    }

    Code call(const Expr& e, bool statement) {
        const int given = static_cast<int>(e.args.size());
        if (const BuiltinFunction* f = builtinNamed(e.text)) {
            if (statement) error(e.span, std::string(f->name) + " da un valor: úselo en una expresión, como x <- " + e.text + "(…)");
            if (given != f->arity)
                error(e.span, e.text + " lleva " + std::to_string(f->arity) + (f->arity == 1 ? " argumento" : " argumentos") +
                                  ", y tiene " + std::to_string(given));
            return {.op = Code::Op::Builtin, .builtin = f->builtin, .span = e.span, .args = expressions(e.args)};
        }
        const auto found = procedures_.find(asciiLower(e.text));
        if (found == procedures_.end()) {
            error(e.span, locals_.count(asciiLower(e.text)) ? e.text + " es una variable, no un subproceso que se pueda llamar"
                                                       : "no hay un subproceso ni una función llamada " + e.text);
            return {.span = e.span};
        }
        const Procedure& callee = *std::find_if(module_.procedures.begin(), module_.procedures.end(), [&](const Procedure& p) {
            return !p.main && asciiLower(p.name) == found->first;
        });
        if (statement && !callee.result.empty())
            error(e.span, callee.name + " devuelve un valor: úselo en una expresión, como x <- " + callee.name + "(…)");
        if (!statement && callee.result.empty())
            error(e.span, callee.name + " no devuelve un valor: se llama como una instrucción, sola en su línea");
        const int wanted = static_cast<int>(callee.parameters.size());
        if (given != wanted)
            error(e.span, callee.name + " lleva " + std::to_string(wanted) + (wanted == 1 ? " argumento" : " argumentos") +
                              ", y tiene " + std::to_string(given));
        Code c{.op = Code::Op::Call, .slot = found->second, .span = e.span};
        for (int k = 0; k < given; ++k) {
            const Expr& a = e.args[static_cast<std::size_t>(k)];
            const bool variable = a.kind == Expr::Kind::Name || a.kind == Expr::Kind::Index;
            if (k < wanted && callee.parameters[static_cast<std::size_t>(k)].byReference && !variable)
                error(a.span, "el parámetro " + callee.parameters[static_cast<std::size_t>(k)].name +
                                  " es Por Referencia: el argumento debe ser una variable");
            c.args.push_back(variable && !procedures_.count(asciiLower(a.text)) ? expr(a, false, true) : expr(a));
        }
        return c;
    }

    struct Use {
        int slot;
        bool element;
        bool argument;
        Span span;
    };

    const Module& module_;
    std::vector<Diagnostic>& errors_;
    Program program_;
    std::map<std::string, int> procedures_;  // lower-case name to its index
    std::vector<bool> reads_;                // whether each procedure has a `Leer`
    ProcedureCode* current_ = nullptr;
    std::map<std::string, int> locals_;   // lower-case name to its slot
    std::map<std::string, int> defined_;  // names given a type by Definir, with its line
    std::vector<Use> uses_;
    std::vector<int> loopStack_;
    int hiddenCount_ = 0;
    int depth_ = 0;
};

}  // namespace

const BuiltinFunction* builtinNamed(std::string_view name) {
    const std::string key = asciiLower(name);
    for (const BuiltinFunction& f : kBuiltins)
        if (key == f.name) return &f;
    return nullptr;
}

Compiled compile(std::string_view source) {
    Parsed parsed = parse(source);
    Compiled out{std::move(parsed.module), nullptr, std::move(parsed.errors)};
    // Names are resolved in a text whose form is sound: a fault of form often leaves
    // pieces that would be misread as faults of names.
    if (!out.errors.empty()) return out;
    std::vector<Diagnostic> errors;
    Program program = Lowering(out.tree, errors).run(splitLines(source));
    if (errors.empty()) {
        out.program = std::make_shared<const Program>(std::move(program));
        return out;
    }
    out.errors = std::move(errors);
    sortByPlace(out.errors);
    return out;
}

}  // namespace ej::algorithm
