#pragma once

// Runs a compiled algorithm. The run stops where a `Leer` finds no value and goes on,
// when one is given, from there: suspending is returning. What it does is told to an
// observer (lines run, conditions, values stored, loops, reads, texts written), so that a
// desk check, a console or a test each watch it their own way.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/algorithm/program.h"
#include "engine/number_format.h"

namespace ej::algorithm {

class Observer {
public:
    virtual ~Observer() = default;
    virtual void lineRan(int /*line*/, double /*times*/) {}
    // A condition's outcome; its line also ran.
    virtual void conditionEvaluated(int /*line*/, bool /*outcome*/, double /*times*/) {}
    // A variable of the algorithm itself (not of a subprocess) was given a value.
    virtual void assigned(int /*slot*/) {}
    virtual void loopEntered(const Loop&) {}
    virtual void passEnded(const Loop&) {}
    // A `Leer` found no value: the run waits at that line.
    virtual void readWaiting(int /*line*/) {}
    virtual void written(const std::string& /*text*/, bool /*newline*/) {}
    // A word of the run about a line: a loop that stalls in single precision.
    virtual void noted(int /*line*/, const std::string& /*text*/) {}
};

// A fault at run time: the run stops there.
struct Fault {
    int line = 0;
    Span span{};
    std::string message;
};

struct Limits {
    long budget = 5'000'000;          // instructions between two waits
    double size = 1'000'000;          // elements one Dimension may declare
    long elements = 1'000'000;        // elements stored in all arrays together
    int depth = 1000;                 // calls inside calls
    long stack = 1024 * 1024;         // bytes of stack that functions called inside expressions may take
    std::size_t textLength = 1'000'000;  // bytes of one text
};

class Machine {
public:
    enum class Status { Waiting, Ended, Faulted };

    Machine(std::shared_ptr<const Program> program, NumberFormat format, Limits limits = {});
    ~Machine();

    const Program& program() const { return *program_; }
    void setObserver(Observer* observer) { observer_ = observer; }
    // Counting loops run in one go (the default), or pass by pass.
    void setAccelerated(bool accelerated) { accelerated_ = accelerated; }
    // Asked for more input when a `Leer` finds none queued; returns false for none.
    void setRefill(std::function<bool()> refill) { refill_ = std::move(refill); }
    void setSeed(unsigned seed) { random_.seed(seed); }

    // Queues a value for the `Leer`s to come: a number, or a typed text.
    void give(Value value) { input_.push_back(std::move(value)); }

    // From the first line, every variable without a value, to the first wait.
    Status start();
    // On from the waiting `Leer`.
    Status resume();

    Status status() const { return status_; }
    const std::optional<Fault>& fault() const { return fault_; }
    // Where it waits, ended or faulted.
    int line() const;

    // The algorithm's own variables.
    const Value& variable(int slot) const;
    // An array's size, 0 for a variable without `Dimension`, and its elements row by
    // row; an element never given a value is its type's empty value.
    double arraySize(int slot) const;
    const Value& element(int slot, std::size_t k) const;
    // A value as `Escribir` writes it.
    std::string text(const Value& value) const;

private:
    struct Array;
    struct Slot;
    struct Frame;
    struct Ref;
    class Failure;

    Status go();
    void execute();
    void stepInstruction(const Instruction& in);
    Value eval(const Code& c);
    bool quick(const Code& c, double& x, bool& whole) const;
    bool testQuickly(const Code& c, bool& holds) const;
    bool assignQuickly(const Instruction& in);
    const Value& operand(const Code& c, Value& scratch);
    Value binary(const Code& c);
    Value numbers(const Code& c, const Value& a, const Value& b);
    Value mixed(const Code& c, Value a, Value b);
    Value builtin(const Code& c);
    Value callFunction(const Code& c);
    void enter(const Code& call, long returnTo);
    bool countingLoop(const Instruction& in);
    void read(const Instruction& in);
    void store(const Place& place, Value value);
    void storeInto(Ref ref, Value value, const std::string& name);
    Ref resolve(const Place& place);
    Ref resolve(int slot, const std::vector<Code>& subscripts);
    const Value& valueAt(Ref ref) const;
    Value& writable(Ref ref);
    DataType& typeAt(Ref ref);
    long offset(const Array& a, const std::vector<Code>& subscripts, const std::string& name);
    const std::string& nameOf(int slot) const;
    void dimension(const Instruction& in);
    void declare(const Instruction& in);
    bool truth(const Value& v, std::string_view what);
    double numberOf(const Value& v, std::string_view what);
    [[noreturn]] void fail(std::string message) const;
    std::string describe(const Value& v) const;
    void checkText(const std::string& text) const;

    std::shared_ptr<const Program> program_;
    NumberFormat format_;
    Limits limits_;
    Observer* observer_ = nullptr;
    bool accelerated_ = true;
    std::function<bool()> refill_;
    std::deque<Value> input_;
    std::mt19937 random_{2005};

    std::vector<Slot> slots_;
    std::vector<Frame> frames_;
    std::size_t pc_ = 0;
    long budget_ = 0;
    long elementsInUse_ = 0;
    int nested_ = 0;  // calls of functions inside expressions under way
    Value returned_;  // the value of the function that just returned
    Status status_ = Status::Ended;
    std::optional<Fault> fault_;
    Span where_{};
    const char* stackBase_ = nullptr;  // where the run under way began on the program's stack  // the part of the instruction under way that a fault is about
};

}  // namespace ej::algorithm
