#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <exception>

namespace ej {

// Raised by an operation whose result would leave the single range, be invalid
// (0 / 0) or divide by zero, by a 16-bit counter passing 32767, or by a subscript
// outside a vector. The entry step catches it and refuses the press as a whole.
struct ArithmeticFault : std::exception {
    const char* what() const noexcept override { return "arithmetic fault"; }
};

// An IEEE single that checks every operation right after it is made.
// Stored exercise values never hold an infinity or a NaN.
class Single {
public:
    constexpr Single() = default;
    constexpr Single(float v) : v_(v) {}  // NOLINT: a single literal reads as a Single

    constexpr float value() const { return v_; }

    friend Single operator+(Single a, Single b) { return checked(a.v_ + b.v_); }
    friend Single operator-(Single a, Single b) { return checked(a.v_ - b.v_); }
    friend Single operator*(Single a, Single b) { return checked(a.v_ * b.v_); }
    friend Single operator/(Single a, Single b) {
        if (b.v_ == 0.0f) throw ArithmeticFault{};
        return checked(a.v_ / b.v_);
    }
    Single operator-() const { return Single(-v_); }
    Single& operator+=(Single b) { return *this = *this + b; }
    Single& operator-=(Single b) { return *this = *this - b; }

    friend constexpr bool operator==(Single a, Single b) { return a.v_ == b.v_; }
    friend constexpr auto operator<=>(Single a, Single b) { return a.v_ <=> b.v_; }

    // The whole-number test: the value equals its floor in single precision.
    bool isWhole() const { return std::floor(v_) == v_; }

private:
    static Single checked(float r) {
        if (!std::isfinite(r)) throw ArithmeticFault{};
        return Single(r);
    }
    float v_ = 0.0f;
};

// A double as stored into a single: rounded to nearest; beyond the single range it
// is a fault. A value that rounds to 0 is taken as 0.
Single toSingle(double d);

// The 16-bit signed series counter of the fixed-count windows.
class Counter16 {
public:
    constexpr Counter16() = default;
    void increment() {
        if (n_ == INT16_MAX) throw ArithmeticFault{};
        ++n_;
    }
    constexpr std::int16_t value() const { return n_; }
    Single asSingle() const { return Single(static_cast<float>(n_)); }
    friend constexpr bool operator==(Counter16 a, int b) { return a.n_ == b; }

private:
    std::int16_t n_ = 0;
};

}  // namespace ej
