// A counting loop run in one go (engine/stepping.h): what the loop leaves pass by
// pass, single-precision rounding included, computed without taking the passes.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

#include "engine/algorithm/machine.h"
#include "engine/algorithm/machine_state.h"
#include "engine/conversions.h"
#include "engine/stepping.h"

namespace ej::algorithm {

bool Machine::countingLoop(const Instruction& in) {
    const CountingLoop& loop = *in.counting;
    // Only plain numeric variables: no array, no parameter standing for another.
    const auto plain = [&](int slot) -> Slot* {
        Slot& s = slots_[frames_.back().base + static_cast<std::size_t>(slot)];
        const bool numeric = s.type == DataType::Real || s.type == DataType::Entero;
        return s.alias < 0 && !s.array && numeric && s.value.kind == Value::Kind::Number ? &s : nullptr;
    };
    Slot* tested = plain(loop.var);
    if (!tested) return false;
    std::vector<double> amounts;
    double bound = 0;
    try {
        for (const auto& s : loop.steps) {
            const Slot* stepped = plain(s.var);
            const Value amount = eval(s.amount);
            if (!stepped || amount.kind != Value::Kind::Number) return false;
            if (stepped->type == DataType::Entero && amount.number != std::floor(amount.number)) return false;
            amounts.push_back(amount.number);
        }
        const Value b = eval(loop.bound);
        if (b.kind != Value::Kind::Number) return false;
        bound = b.number;
    } catch (const Failure&) {
        return false;  // the loop pass by pass meets the fault where it belongs
    }
    const auto own = std::find_if(loop.steps.begin(), loop.steps.end(), [&](const auto& s) { return s.var == loop.var; });
    const double amount = amounts[static_cast<std::size_t>(own - loop.steps.begin())];
    const bool real = tested->type == DataType::Real;

    const ExactWalk exact = exactWalkWhile(tested->value.number, amount, loop.relation, bound);
    if (exact.passes < 0) fail("Este ciclo no termina: cada paso aleja la variable de la condición de salida");
    double passes = exact.passes;
    double last = exact.last;
    std::optional<std::string> stalledNote;
    if (real) {
        const Walk w = walkWhile(static_cast<float>(tested->value.number), amount, loop.relation, bound);
        if (w.stalled) {
            // The loop as written never ends: each step rounds back to where it began.
            // The run goes on with what the loop means, its value in exact arithmetic.
            stalledNote = "Este ciclo no termina en precisión simple: " + nameOf(loop.var) + " deja de cambiar en " +
                          singleText(w.last, format_) + "; se sigue con el valor exacto";
        } else {
            passes = w.passes;
            last = w.last;
        }
    }
    // What each variable ends with; a loop that would overflow one runs pass by pass,
    // and meets the overflow where it happens.
    std::vector<double> after(loop.steps.size());
    for (std::size_t k = 0; k < loop.steps.size(); ++k) {
        const auto& s = loop.steps[k];
        const Slot& slot = slots_[frames_.back().base + static_cast<std::size_t>(s.var)];
        const double now = slot.value.number;
        after[k] = s.var == loop.var ? last
                   : slot.type == DataType::Real ? walkTimes(static_cast<float>(now), amounts[k], passes)
                                                 : now + passes * amounts[k];
        if (!std::isfinite(after[k]) || std::fabs(after[k]) > (slot.type == DataType::Real ? FLT_MAX : 9e15)) return false;
    }
    if (stalledNote && observer_) observer_->noted(in.line, *stalledNote);
    if (observer_) observer_->conditionEvaluated(in.line, false, passes + 1);
    for (std::size_t k = 0; k < loop.steps.size(); ++k) {
        const auto& s = loop.steps[k];
        if (passes > 0 && observer_) observer_->lineRan(s.line, passes);
        if (s.var != loop.var)
            storeInto({frames_.back().base + static_cast<std::size_t>(s.var), -1}, Value::ofNumber(after[k]), nameOf(s.var));
    }
    storeInto({frames_.back().base + static_cast<std::size_t>(loop.var), -1}, Value::ofNumber(last), nameOf(loop.var));
    pc_ = static_cast<std::size_t>(in.jump);
    return true;
}

}  // namespace ej::algorithm
