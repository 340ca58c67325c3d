#include "exercises/series/factorial.h"
#include "shell/catalog.h"

namespace ej {
namespace {

class Frmej1801 final : public FactorialWindow {
public:
    explicit Frmej1801(const NumberFormat& format)
        : FactorialWindow({.name = "frmej1801",
                           .caption = "Ejercicio 1801",
                           .width = 5370,
                           .height = 3570,
                           .boxLeft = 2280,
                           .exitBeforeEntry = true},
                          format) {}

private:
    FactorialState initial() const override { return {.n = 0.0f, .multiplier = 0.0f, .product = 1.0f}; }

    // Downward: 1 × n × (n − 1) × … × 2.
    void multiply(FactorialState& s) const override {
        s.multiplier = s.n;
        while (s.multiplier != 1.0f) {
            s.product = s.product * s.multiplier;
            s.multiplier -= 1.0f;
        }
    }
};

const Registered<Frmej1801> registered("frmej1801");

}  // namespace
}  // namespace ej
