#pragma once

#include <functional>
#include <string>

#include "engine/window.h"

namespace ej {

// The menu: one button per exercise window and "Salir". It keeps no state.
class Frm2005 final : public Window {
public:
    // openExercise shows the named exercise window, when the program has it.
    Frm2005(Desktop& desktop, std::function<void(const std::string&)> openExercise);

    const WindowDesign& design() const override;
    void clicked(std::string_view button) override;

private:
    Desktop& desktop_;
    std::function<void(const std::string&)> openExercise_;
};

// The menu's design, also read by the geometry test.
const WindowDesign& frm2005Design();

}  // namespace ej
