#include "exercises/vectors/sorting.h"

namespace ej::vectors {

namespace {

// Whether a must stand before b: strictly, so equal values stay where they are.
bool before(Single a, Single b, Order order) { return order == Order::Ascending ? a < b : a > b; }

}  // namespace

// The loops run as the exercises' For loops do: each index is left one step past its
// last value, where a desk check finds it after the pass.
void selectionSort(Vector& v, Order order, Single& i, SortVariables& w, const AfterPass& afterPass) {
    const Single n = v.last();
    for (i = 1.0f; i <= n - 1.0f; i += 1.0f) {
        for (w.j = i; w.j <= n; w.j += 1.0f)
            if (w.j == i || before(v[w.j], w.extreme, order)) {
                w.extreme = v[w.j];
                w.at = w.j;
            }
        v[w.at] = v[i];
        v[i] = w.extreme;
        if (afterPass) afterPass();
    }
}

void bubbleSort(Vector& v, Order order, Single& i, SortVariables& w, const AfterPass& afterPass) {
    const Single n = v.last();
    while (w.swapFlag != Single(0.0f)) {
        w.swapFlag = 0.0f;
        for (i = 1.0f; i <= n - 1.0f; i += 1.0f) {
            w.j = i + 1.0f;
            if (before(v[w.j], v[i], order)) {
                w.temporary = v[i];
                v[i] = v[w.j];
                v[w.j] = w.temporary;
                w.swapFlag = 1.0f;
            }
        }
        if (afterPass) afterPass();
    }
}

void sort(Vector& v, Sorting how, Single& i, SortVariables& w, const AfterPass& afterPass) {
    if (how.method == Method::Selection)
        selectionSort(v, how.order, i, w, afterPass);
    else
        bubbleSort(v, how.order, i, w, afterPass);
}

void describeInnerIndex(Variables& v, const SortVariables& w) { v("j", w.j); }

void describeExtremeSoFar(Variables& v, const SortVariables& w, Order order) {
    if (order == Order::Ascending)
        v("menor", w.extreme)("posición del menor", w.at);
    else
        v("mayor", w.extreme)("posición del mayor", w.at);
}

void describeSortVariables(Variables& v, const SortVariables& w, Sorting how) {
    if (how.method == Method::Bubble) {
        v("bandera", w.swapFlag)("j", w.j)("auxiliar", w.temporary);
        return;
    }
    describeInnerIndex(v, w);
    describeExtremeSoFar(v, w, how.order);
}

}  // namespace ej::vectors
