#include "exercises/vectors/sorting.h"

namespace ej::vectors {

namespace {

// Whether a must stand before b: strictly, so equal values stay where they are.
bool before(Single a, Single b, Order order) { return order == Order::Ascending ? a < b : a > b; }

}  // namespace

void selectionSort(Vector& v, Order order) {
    const Single n = v.last();
    for (Single i = 1.0f; i <= n - 1.0f; i += 1.0f) {
        Single extreme = v[i];
        Single at = i;
        for (Single j = i + 1.0f; j <= n; j += 1.0f)
            if (before(v[j], extreme, order)) {
                extreme = v[j];
                at = j;
            }
        v[at] = v[i];
        v[i] = extreme;
    }
}

void bubbleSort(Vector& v, Order order, Single& swapFlag) {
    const Single n = v.last();
    while (swapFlag != Single(0.0f)) {
        swapFlag = 0.0f;
        for (Single i = 1.0f; i <= n - 1.0f; i += 1.0f) {
            const Single j = i + 1.0f;
            if (before(v[j], v[i], order)) {
                const Single temporary = v[i];
                v[i] = v[j];
                v[j] = temporary;
                swapFlag = 1.0f;
            }
        }
    }
}

void sort(Vector& v, Sorting how, Single& swapFlag) {
    if (how.method == Method::Selection)
        selectionSort(v, how.order);
    else
        bubbleSort(v, how.order, swapFlag);
}

}  // namespace ej::vectors
