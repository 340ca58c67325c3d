#pragma once

#include <functional>

#include "engine/single.h"
#include "engine/trace.h"
#include "exercises/vectors/vector.h"

namespace ej::vectors {

// The two sorting methods of the vector windows, each ascending or descending, over
// elements 1 to N of a vector (N its last subscript). Both sort in place and only
// compare and move elements, so they cannot fault.
enum class Order { Ascending, Descending };

// The variables a sort works with. The windows keep them in their state, as the
// exercises declare them, so that a desk check can show them after every pass. The
// outer index is not here: the windows use their series counter as that index.
struct SortVariables {
    Single j;                // selection: the inner index; bubble: the second of a pair
    Single extreme;          // selection: the extreme so far
    Single at;               // selection: its subscript
    Single swapFlag = 1.0f;  // bubble: 1 lets the first pass run; the sort leaves it at 0
    Single temporary;        // bubble: the exchange's temporary
};

// Told after each pass of a sort (the desk check's row); empty for none.
using AfterPass = std::function<void()>;

// Selection sort: for each i from 1 to N - 1, the extreme of elements i to N (of
// equal ones, the one with the lowest subscript) is exchanged with element i. A pass
// is one value of i.
void selectionSort(Vector& v, Order order, Single& i, SortVariables& w, const AfterPass& afterPass = {});

// Bubble sort: while the swap flag is not 0, a pass clears it, then goes over all the
// N - 1 neighbouring pairs, exchanging a pair out of order (never equal neighbours)
// and setting the flag.
void bubbleSort(Vector& v, Order order, Single& i, SortVariables& w, const AfterPass& afterPass = {});

enum class Method { Selection, Bubble };

struct Sorting {
    Method method;
    Order order;
};

void sort(Vector& v, Sorting how, Single& i, SortVariables& w, const AfterPass& afterPass = {});

// The sort's variables as a window's data model lists them: the selection sort's inner
// index, then its extreme so far and that extreme's subscript; the bubble sort's swap
// flag, second index and temporary.
void describeInnerIndex(Variables& v, const SortVariables& w);
void describeExtremeSoFar(Variables& v, const SortVariables& w, Order order);
void describeSortVariables(Variables& v, const SortVariables& w, Sorting how);

}  // namespace ej::vectors
