#pragma once

// Repeated addition of a constant to a single, each sum rounded to a single, computed
// without taking the steps one by one: the loops "while c >= 2: c = c - 2" of the parity
// reduction and "while r >= 100: r = r - 100; n = n + 1" of a breakdown into notes run
// millions of times for some values, and stall for good where a step rounds back.

namespace ej {

// The test that keeps a walk going: value `relation` bound.
enum class Relation { Less, LessEqual, Greater, GreaterEqual };

bool holds(double value, Relation relation, double bound);

struct Walk {
    double passes = 0;  // steps taken
    float last = 0;     // the value after them
    bool stalled = false;  // a step rounded back to the value it started from
};

// Steps x <- single(x + step) while x stands in `relation` to `bound`. A walk that
// stalls while the test still holds would never end: it stops there, stalled.
Walk walkWhile(float x, double step, Relation relation, double bound);

// Steps x <- single(x + step) `times` times; a walk that stalls stays where it stalled.
float walkTimes(float x, double step, double times);

// The same loop in exact arithmetic: how many steps it takes, or a negative count when
// it never ends (the steps lead away from the end), and the value it ends with. Exact
// for whole steps and bounds whatever the value's size.
struct ExactWalk {
    double passes = 0;
    double last = 0;
};
ExactWalk exactWalkWhile(double x, double step, Relation relation, double bound);

}  // namespace ej
