#pragma once

// The parity windows: a fixed count of whole numbers, each sorted into the classes the
// window keeps (even or odd numbers, positive or negative ones) and accumulated there.
// A window unit is its design plus one ParitySeries that names its classes.
#include <string>
#include <vector>

#include "engine/design.h"
#include "shell/catalog.h"

namespace ej::parity {

// The values a window admits; any other number is refused with " no es lo pedido".
// There is no upper bound.
enum class Admits {
    WholeNonNegative,  // "números enteros y positivos": 0 passes, negatives do not
    Whole,             // "números enteros": either sign
};

// Which accepted values join a class. Parity is the parity reduction of the magnitude,
// so -3 is odd and 0 is even; each sign class has its own bound for 0.
enum class Joins {
    Evens,
    Odds,
    AboveZero,    // positive: value > 0
    ZeroOrAbove,  // positive: value >= 0
    ZeroOrBelow,  // negative: value <= 0
};

// What a class shows at completion, in this order in its boxes.
enum class Shows {
    CountSum,
    CountSumAverage,    // the average is the running one: sum / count after each join
    LargestWithOrder,   // its largest value and the order of entry of its first occurrence
    SmallestWithOrder,  // its smallest value, likewise
};

struct ClassResults {
    Joins joins;
    Shows shows;
    std::vector<std::string> boxes;  // one per value shown
    std::string emptyText;           // written into every box of a class that received nothing
};

struct ParitySeries {
    int count = 0;  // the series is complete at this accepted value
    Admits admits = Admits::WholeNonNegative;
    std::vector<ClassResults> classes;  // in the order they are written at completion
};

// Enters a parity window in the program's catalog under its design's name.
struct RegisteredParityWindow : CatalogEntry {
    RegisteredParityWindow(const WindowDesign& design, const ParitySeries& series);
};

}  // namespace ej::parity
