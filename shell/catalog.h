#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/exercise_window.h"
#include "engine/number_format.h"
#include "engine/window.h"

namespace ej {

// The exercise windows built into the program, by window name. Each exercise unit
// enters itself with a static CatalogEntry, so adding a window touches no other file.
using WindowFactory = std::function<std::unique_ptr<Window>(const NumberFormat&)>;

const std::map<std::string, WindowFactory>& catalog();

// A fresh exercise window by name ("frmej05"); null for a name that is not one.
std::unique_ptr<ExerciseWindow> exerciseWindow(const std::string& window, const NumberFormat& format);

struct CatalogEntry {
    CatalogEntry(const std::string& window, WindowFactory factory);
};

// Enters a window class constructible from a NumberFormat.
template <class W>
struct Registered : CatalogEntry {
    explicit Registered(const std::string& window)
        : CatalogEntry(window, [](const NumberFormat& f) { return std::make_unique<W>(f); }) {}
};

}  // namespace ej
