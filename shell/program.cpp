#include "shell/program.h"

#include "shell/catalog.h"

namespace ej {

Program::Program(Desktop& desktop, NumberFormat format)
    : desktop_(desktop),
      format_(std::move(format)),
      menu_(desktop, [this](const std::string& name) { openExercise(name); }) {}

void Program::start() { desktop_.show(menu_); }

Window* Program::window(const std::string& name) {
    if (name == menu_.design().name) return &menu_;
    if (auto it = exercises_.find(name); it != exercises_.end()) return it->second.get();
    const auto& known = catalog();
    auto factory = known.find(name);
    if (factory == known.end()) return nullptr;
    return exercises_.emplace(name, factory->second(format_)).first->second.get();
}

Window* Program::find(const std::string& name) const {
    if (name == menu_.design().name) return const_cast<Frm2005*>(&menu_);
    auto it = exercises_.find(name);
    return it == exercises_.end() ? nullptr : it->second.get();
}

void Program::openExercise(const std::string& name) {
    // A button whose exercise is not built opens nothing.
    if (Window* w = window(name)) desktop_.show(*w);
}

}  // namespace ej
