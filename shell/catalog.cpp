#include "shell/catalog.h"

namespace ej {

namespace {
std::map<std::string, WindowFactory>& entries() {
    static std::map<std::string, WindowFactory> all;
    return all;
}
}  // namespace

const std::map<std::string, WindowFactory>& catalog() { return entries(); }

CatalogEntry::CatalogEntry(const std::string& window, WindowFactory factory) {
    entries().emplace(window, std::move(factory));
}

}  // namespace ej
