#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/algorithm/run.h"
#include "engine/number_format.h"
#include "engine/single.h"

namespace ej {

// The variables of an exercise state as a student writes them in a desk check: a short
// name and the text of its value, in the order the exercise declares them. A state
// declares them in one chain: v("contador", count)("valor", value)("suma", sum).
class Variables {
public:
    explicit Variables(const NumberFormat& format) : format_(&format) {}

    Variables& operator()(std::string_view name, Single value);
    Variables& operator()(std::string_view name, Counter16 value);
    Variables& operator()(std::string_view name, std::string text);
    // Anything with a text in the user's number format, such as a vector.
    template <class T>
        requires requires(const T& t, const NumberFormat& f) { { t.text(f) } -> std::convertible_to<std::string>; }
    Variables& operator()(std::string_view name, const T& value) {
        return (*this)(name, std::string(value.text(*format_)));
    }

    const NumberFormat& format() const { return *format_; }
    const std::vector<std::string>& names() const { return names_; }
    const std::vector<std::string>& texts() const { return texts_; }

private:
    const NumberFormat* format_;
    std::vector<std::string> names_;
    std::vector<std::string> texts_;
};

// Two words as one name, "suma" and "pares" giving "suma pares". Written out of line by
// appending: GCC 12 at -O3 takes the insert that "text" + std::string inlines for an
// overlapping copy (a false -Wrestrict).
std::string words(std::string_view first, std::string_view second);

// What the window's algorithm did in one event of the desk check: a stretch of one of
// its events (the rows of a press's completion loop share the press's event).
struct AlgorithmPart {
    std::shared_ptr<const algorithm::Event> event;
    std::size_t stretch = 0;

    const algorithm::Stretch* lines() const {
        return event && stretch < event->stretches.size() ? &event->stretches[stretch] : nullptr;
    }
};

// Which elements of a vector's text differ from those of the row before, element by
// element (a swap of a sort marks its pair); every element when the count differs.
std::vector<bool> changedElements(std::string_view before, std::string_view after);

// One event of an exercise window: a press, a pass of a completion loop or a reset.
struct TraceRow {
    long number = 0;                 // "N°": the event's number, from 1
    std::string entered;             // "Ingresado": the input box's text at the press
    std::string result;              // "Resultado"
    std::vector<std::string> values;  // each variable's text after the event
    std::vector<bool> changed;        // which of them differ from the row before
    AlgorithmPart algorithm;          // empty for a window without one
};

// The desk check of one exercise window: a row per event, oldest first. It keeps the
// newest kMaxRows rows; older ones are dropped and counted.
class Trace {
public:
    static constexpr std::size_t kMaxRows = 10000;
    static inline const std::vector<std::string> kFixedHeaders{"N°", "Ingresado", "Resultado"};

    explicit Trace(std::size_t maxRows = kMaxRows) : maxRows_(maxRows) {}

    // The fixed headers, then one per variable.
    std::vector<std::string> headers() const;
    const std::deque<TraceRow>& rows() const { return rows_; }
    std::size_t dropped() const { return dropped_; }
    // The first line shown when rows were dropped; empty when none were.
    std::string droppedNote() const;
    // Whether the variables' texts differ from those of the newest row.
    bool differs(const std::vector<std::string>& values) const;

    // The variables' texts after the event, in the order of the names.
    void record(std::string entered, std::string result, std::vector<std::string> values, AlgorithmPart algorithm = {});
    // The variables' names, as the window's algorithm declares them or as its state
    // lists them.
    void useNames(std::vector<std::string> names) { names_ = std::move(names); }
    const std::vector<std::string>& names() const { return names_; }
    // Forgets every row; event numbers start again from 1.
    void clear();

    // The whole table, headers first, one line per row, cells separated by tabs.
    std::string tabSeparated() const;

    // Told after every change of the rows (a record or a clear); empty for none.
    void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

private:
    void changed() const {
        if (observer_) observer_();
    }

    std::size_t maxRows_;
    std::vector<std::string> names_;
    std::deque<TraceRow> rows_;
    std::size_t dropped_ = 0;
    long events_ = 0;
    std::function<void()> observer_;
};

}  // namespace ej
