#pragma once

#include "exercises/vectors/vector_window.h"

namespace ej::vectors {

// A series of N numbers of any kind, stored, sorted once complete and shown sorted.
template <int N>
struct SortedVectorState {
    SortedSeries series{static_cast<float>(N)};
};

template <int N>
class SortedVector : public VectorWindow<SortedVectorState<N>> {
public:
    SortedVector(WindowDesign design, const NumberFormat& format, Sorting how)
        : VectorWindow<SortedVectorState<N>>(std::move(design), format, anyValue), how_(how) {}

private:
    void finish(SortedVectorState<N>& s) override { this->sortByPasses(s, how_); }
    void describe(const SortedVectorState<N>& s, Variables& v) const override {
        s.series.describe(v);
        describeSortVariables(v, s.series.sorting, how_);
    }

    Sorting how_;
};

}  // namespace ej::vectors
