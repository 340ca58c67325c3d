#pragma once

#include <map>
#include <memory>
#include <string>

#include "engine/number_format.h"
#include "shell/frm2005.h"

namespace ej {

// The program's windows: the menu, and each exercise window once, created on first use
// and kept until the program ends.
class Program {
public:
    Program(Desktop& desktop, NumberFormat format);

    void start();  // shows the menu
    Frm2005& menu() { return menu_; }
    // The named window if the program has it (the menu or a built exercise), else null.
    // An exercise window is created the first time it is asked for.
    Window* window(const std::string& name);
    // The named window if it exists already; never creates one.
    Window* find(const std::string& name) const;

private:
    void openExercise(const std::string& name);

    Desktop& desktop_;
    NumberFormat format_;
    Frm2005 menu_;
    std::map<std::string, std::unique_ptr<Window>> exercises_;
};

}  // namespace ej
