#include "shell/topics.h"

#include <functional>

#include "shell/catalog.h"

namespace ej {

namespace {

bool has(const std::string& text, const char* words) { return text.find(words) != std::string::npos; }

// What a statement asks for, in its own words. "Enteros y positivos" is what a window
// admits, not a class of its values; "mayor a 5 y menor a 15", a bound, not an extreme.
struct Rule {
    const char* topic;
    std::function<bool(const std::string&)> asks;
};

const Rule kRules[] = {
    {"sumas y promedios", [](const std::string& s) { return has(s, "suma") || has(s, "promedio"); }},
    {"mayor y menor", [](const std::string& s) { return has(s, "el mayor") || has(s, "el menor"); }},
    {"positivos y negativos",
     [](const std::string& s) {
         std::string classes = s;
         for (std::size_t at; (at = classes.find("enteros y positivos")) != std::string::npos;) classes.erase(at, 19);
         return has(classes, "positivos") || has(classes, "negativos");
     }},
    {"pares e impares", [](const std::string& s) { return has(s, " pares") || has(s, "impares"); }},
    {"series que terminan en 0", [](const std::string& s) { return has(s, "finalice con el número 0"); }},
    {"factorial", [](const std::string& s) { return has(s, "factorial"); }},
    {"vectores", [](const std::string& s) { return has(s, "vector"); }},
    {"ordenamiento", [](const std::string& s) { return has(s, "Ordenar"); }},
    {"cambio", [](const std::string& s) { return has(s, "corte"); }},
};

std::vector<Topic> readTopics() {
    std::vector<Topic> out;
    for (const Rule& rule : kRules) out.push_back({rule.topic, {}});
    for (const auto& entry : catalog()) {
        const auto window = exerciseWindow(entry.first, {});
        if (!window) continue;
        const ControlDesign* statement = window->design().find(window->statementLabel());
        if (!statement) continue;
        for (std::size_t i = 0; i < std::size(kRules); ++i)
            if (kRules[i].asks(statement->caption)) out[i].windows.push_back(entry.first);
    }
    return out;
}

}  // namespace

const std::vector<Topic>& topics() {
    static const std::vector<Topic> all = readTopics();
    return all;
}

}  // namespace ej
