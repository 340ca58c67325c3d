#include "shell/frm2005.h"

#include <array>
#include <string_view>

#include "shell/catalog.h"

namespace ej {

namespace {

// The grid of exercise buttons: seven columns, rows of their own top and height.
constexpr std::array<int, 7> kColumnLeft{240, 1560, 2880, 4200, 5520, 6840, 8160};
constexpr int kButtonWidth = 1095;

struct Row {
    int top, height;
    std::array<std::string_view, 7> exercises;
};

constexpr std::array<Row, 10> kRows{{
    {120, 375, {"01", "02", "03", "04", "05", "06", "07"}},
    {600, 315, {"08", "09", "10", "11", "12", "13", "14"}},
    {1080, 435, {"15", "16", "17", "18", "1801", "19", "20"}},
    {1680, 315, {"21", "22", "23", "24", "25", "26", "27"}},
    {2160, 315, {"28", "29", "30", "31", "32", "33", "34"}},
    {2640, 315, {"35", "36", "37", "38", "39", "40", "41"}},
    {3120, 315, {"42", "43", "44", "45", "46", "47", "48"}},
    {3600, 315, {"49", "50", "51", "52", "53", "54", "55"}},
    {4080, 315, {"56", "57", "58", "59", "60", "61", "62"}},
    {4560, 315, {"63", "64", "65", "66", "67", "68", "69"}},
}};

// Keyboard order, by exercise number; "Salir" is fourth.
constexpr std::array<std::string_view, 71> kTabOrder{
    "01", "02", "03", "salir", "04", "05", "06", "07", "08", "09", "10", "11", "13", "14", "12",
    "15", "16", "17", "18", "1801", "19", "21", "20", "25", "22", "23", "24", "26", "28", "29",
    "33", "35", "36", "27", "32", "34", "31", "30", "41", "37", "40", "39", "38", "42", "43",
    "44", "45", "49", "50", "51", "52", "46", "47", "48", "53", "54", "55", "63", "58", "62",
    "61", "59", "64", "56", "57", "60", "65", "66", "69", "68", "67"};

int tabIndexOf(std::string_view key) {
    for (std::size_t i = 0; i < kTabOrder.size(); ++i)
        if (kTabOrder[i] == key) return static_cast<int>(i);
    return kNoTab;
}

// What an exercise asks, as its window states it at the top: the caption of its
// statement label, lblejNN01 (frmej1801 names its controls as frmej18 does; frmej08's
// keeps the designer's Label1). Empty when the exercise is not built into the program.
std::string statementOf(const std::string& nn) {
    const auto factory = catalog().find("frmej" + nn);
    if (factory == catalog().end()) return {};
    const std::unique_ptr<Window> exercise = factory->second({",", "."});
    const WindowDesign& d = exercise->design();
    const ControlDesign* statement = d.find("lblej" + nn.substr(0, 2) + "01");
    if (!statement) statement = d.find("Label1");
    return statement ? statement->caption : std::string();
}

WindowDesign buildDesign() {
    WindowDesign d{"frm2005", "Ejercicios 2005", 9480, 5955, {}, ""};
    for (const Row& row : kRows)
        for (std::size_t col = 0; col < row.exercises.size(); ++col) {
            const std::string nn(row.exercises[col]);
            d.controls.push_back(button("cmdej" + nn, "Ejercicio " + nn,
                                        {kColumnLeft[col], row.top, kButtonWidth, row.height},
                                        tabIndexOf(nn)));
            d.controls.back().description = statementOf(nn);
        }
    d.controls.push_back(button("cmdsalir", "Salir", {7800, 5160, 1455, 615}, tabIndexOf("salir")));
    return d;
}

}  // namespace

const WindowDesign& frm2005Design() {
    static const WindowDesign design = buildDesign();
    return design;
}

Frm2005::Frm2005(Desktop& desktop, std::function<void(const std::string&)> openExercise)
    : desktop_(desktop), openExercise_(std::move(openExercise)) {}

const WindowDesign& Frm2005::design() const { return frm2005Design(); }

void Frm2005::clicked(std::string_view button) {
    if (button == "cmdsalir") return desktop_.endProgram();
    if (button.substr(0, 5) == "cmdej") openExercise_("frmej" + std::string(button.substr(5)));
}

}  // namespace ej
