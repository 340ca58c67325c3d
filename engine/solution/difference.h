#pragma once

// Where a student's algorithm first does something the exercise window does not, said
// in Spanish: the series typed so far, the press, what the window did and what the
// algorithm did.
#include <string>
#include <vector>

namespace ej::solution {

struct Difference {
    std::vector<std::string> typed;  // the texts typed, the differing press last; none: before the first
    std::string window;     // "la ventana lo rechazó («El valor -4 no es lo pedido»)"
    std::string algorithm;  // "tu algoritmo lo tomó sin escribir ningún aviso"
    int line = 0;           // the line of the algorithm it points at, or 0

    // "Con 5; -4, en el ingreso 2 (-4) la ventana lo rechazó (…); tu algoritmo …."
    std::string text() const;
};

// A typed text as a student reads it in a sentence: the empty box is "(vacío)".
std::string shownTyped(const std::string& typed);

}  // namespace ej::solution
