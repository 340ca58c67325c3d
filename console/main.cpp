// ejercicios2005-algoritmo ARCHIVO.psc: runs an algorithm at the console, reading its
// values from standard input.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/algorithm/console.h"

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "Uso: ejercicios2005-algoritmo ARCHIVO.psc\n"
                     "Ejecuta el algoritmo: cada Leer toma una línea de la entrada estándar.\n";
        return argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") ? 0 : 64;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << argv[1] << ": no se puede abrir el archivo\n";
        return 66;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    ej::algorithm::ConsoleOptions options;
    options.prompt = isatty(STDIN_FILENO) != 0;
    return ej::algorithm::runConsole(argv[1], ej::algorithm::asUtf8(bytes.str()), std::cin, std::cout, std::cerr, options);
}
