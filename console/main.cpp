// ejercicios2005-algoritmo ARCHIVO.psc: runs an algorithm at the console, reading its
// values from standard input.
// ejercicios2005-algoritmo --comprobar NN ARCHIVO.psc [ARCHIVO…] [--series K] [--semilla S]:
// checks each file against exercise NN's window, one line per file.
#include <unistd.h>

#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/algorithm/console.h"
#include "engine/solution/class_check.h"
#include "shell/catalog.h"
#include "shell/exercise_check.h"

namespace {

constexpr int kUsage = 64;

const char* const kUsageText =
    "Uso: ejercicios2005-algoritmo ARCHIVO.psc\n"
    "       Ejecuta el algoritmo: cada Leer toma una línea de la entrada estándar.\n"
    "     ejercicios2005-algoritmo --comprobar NN ARCHIVO.psc [ARCHIVO…] [--series K] [--semilla S]\n"
    "       Comprueba cada archivo contra la ventana del ejercicio NN con las series del\n"
    "       docente y K series al azar (100 si no se indica): una línea por archivo.\n";

bool number(const std::string& text, long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

int usage() {
    std::cerr << kUsageText;
    return kUsage;
}

int compare(int argc, char** argv) {
    std::vector<std::string> files;
    std::string window;
    long series = -1, seed = -1;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        if (arg == "--series" || arg == "--semilla") {
            if (i + 1 >= argc || !number(argv[i + 1], value) || value > 100000) return usage();
            ++i;
            (arg == "--series" ? series : seed) = value;
        } else if (window.empty()) {
            if (!number(arg, value)) return usage();
            window = "frmej" + std::string(arg.size() < 2 ? "0" : "") + arg;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) return usage();
    ej::solution::CheckOptions options = ej::checkOptions(window);
    if (series >= 0) options.randomSeries = static_cast<int>(series);
    if (seed >= 0) options.seed = static_cast<unsigned>(seed);
    if (!ej::exerciseWindow(window, options.format)) {
        std::cerr << "No hay un ejercicio " << window.substr(5) << ": los ejercicios van del 01 al 69 (y el 1801)\n";
        return kUsage;
    }
    return ej::solution::checkFiles(ej::windowMaker(window), files, options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--comprobar") return compare(argc, argv);
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << kUsageText;
        return argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") ? 0 : kUsage;
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
