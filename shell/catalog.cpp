#include "shell/catalog.h"

namespace ej {

namespace {
std::map<std::string, WindowFactory>& entries() {
    static std::map<std::string, WindowFactory> all;
    return all;
}
}  // namespace

const std::map<std::string, WindowFactory>& catalog() { return entries(); }

std::unique_ptr<ExerciseWindow> exerciseWindow(const std::string& window, const NumberFormat& format) {
    const auto entry = entries().find(window);
    if (entry == entries().end()) return nullptr;
    std::unique_ptr<Window> w = entry->second(format);
    if (!dynamic_cast<ExerciseWindow*>(w.get())) return nullptr;
    return std::unique_ptr<ExerciseWindow>(static_cast<ExerciseWindow*>(w.release()));
}

CatalogEntry::CatalogEntry(const std::string& window, WindowFactory factory) {
    entries().emplace(window, std::move(factory));
}

}  // namespace ej
