#pragma once

#include <string>
#include <vector>

#include "engine/exercise_window.h"

namespace ej {

// The factorial windows keep no series counter: the value read, the multiplier and
// the product, all singles.
struct FactorialState {
    Single n;
    Single multiplier;
    Single product;

    void describe(Variables& v) const { v("n", n)("multiplicador", multiplier)("producto", product); }
};

// What sets the two factorial windows' designs apart.
struct FactorialMeasures {
    std::string name;
    std::string caption;
    int width = 0, height = 0;  // client area
    int boxLeft = 0;            // left edge of both boxes
    bool exitBeforeEntry = false;  // Tab reaches "SALIR" before "INGRESO"
};

// The factorial of one whole number greater than 5 and less than 15. Both windows share
// statement, captions, admission rule and result, and number their controls 18; each
// builds the product in its own direction from its own initial state.
class FactorialWindow : public Exercise<FactorialState> {
public:
    FactorialWindow(const FactorialMeasures& measures, const NumberFormat& format);

protected:
    // Builds the product for an admitted n.
    virtual void multiply(FactorialState& s) const = 0;

private:
    Step step(FactorialState& s, const Entry& e) final;
    std::vector<Result> results() const final;
};

}  // namespace ej
