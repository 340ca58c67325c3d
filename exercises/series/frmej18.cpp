#include "exercises/series/factorial.h"
#include "shell/catalog.h"

namespace ej {
namespace {

class Frmej18 final : public FactorialWindow {
public:
    explicit Frmej18(const NumberFormat& format)
        : FactorialWindow(
              {.name = "frmej18", .caption = "Ejercicio 18", .width = 5175, .height = 3600, .boxLeft = 2400}, format) {}

private:
    FactorialState initial() const override { return {.n = 0.0f, .multiplier = 1.0f, .product = 1.0f}; }

    // Upward: n × 1 × 2 × … × (n − 1).
    void multiply(FactorialState& s) const override {
        s.product = s.n;
        while (s.multiplier != s.n) {
            s.product = s.product * s.multiplier;
            s.multiplier += 1.0f;
        }
    }
};

const Registered<Frmej18> registered("frmej18");

}  // namespace
}  // namespace ej
