#pragma once

#include "engine/single.h"
#include "exercises/vectors/vector.h"

namespace ej::vectors {

// The two sorting methods of the vector windows, each ascending or descending, over
// elements 1 to N of a vector (N its last subscript). Both sort in place and only
// compare and move elements, so they cannot fault.
enum class Order { Ascending, Descending };

// Selection sort: for each i from 1 to N - 1, the extreme of elements i to N (of
// equal ones, the one with the lowest subscript) is exchanged with element i.
void selectionSort(Vector& v, Order order);

// Bubble sort: while the swap flag is not 0, a pass clears it, then goes over all the
// N - 1 neighbouring pairs, exchanging a pair out of order (never equal neighbours)
// and setting the flag. The flag is the window's: activation sets it to 1, which lets
// the first pass run; the sort leaves it at 0.
void bubbleSort(Vector& v, Order order, Single& swapFlag);

enum class Method { Selection, Bubble };

struct Sorting {
    Method method;
    Order order;
};

// The vector windows that sort keep a swap flag, used by the bubble sort alone.
void sort(Vector& v, Sorting how, Single& swapFlag);

}  // namespace ej::vectors
