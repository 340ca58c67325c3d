#include "engine/algorithm/sources.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace ej::algorithm {

namespace {

struct Folder {
    std::string path;
    std::map<std::string, std::string, std::less<>> read;  // kept: callers hold views into them
};

Folder& folder() {
    static Folder f;
    return f;
}

}  // namespace

void readSourcesFrom(std::string path) {
    folder().path = std::move(path);
    folder().read.clear();
}

std::string_view source(std::string_view window) {
    Folder& f = folder();
    if (f.path.empty() || window.empty()) return builtInSource(window);
    if (const auto known = f.read.find(window); known != f.read.end()) return known->second;
    std::error_code error;
    for (const auto& family : std::filesystem::directory_iterator(f.path, error)) {
        std::ifstream file(family.path() / (std::string(window) + ".psc"), std::ios::binary);
        if (!file) continue;
        std::ostringstream text;
        text << file.rdbuf();
        return f.read.emplace(std::string(window), text.str()).first->second;
    }
    return builtInSource(window);
}

}  // namespace ej::algorithm
