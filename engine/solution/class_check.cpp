#include "engine/solution/class_check.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "engine/algorithm/console.h"

namespace ej::solution {

namespace {

enum Status { kAgrees = 0, kDiffers = 1, kUnreadable = 66 };

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

int checkFiles(const WindowMaker& window, const std::vector<std::string>& files, const CheckOptions& options,
               std::ostream& out, std::ostream& err) {
    int status = kAgrees;
    std::size_t agree = 0, differ = 0, wrong = 0;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            err << file << ": no se puede abrir el archivo\n";
            status = kUnreadable;
            continue;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const Verdict verdict = check(window, algorithm::asUtf8(bytes.str()), options);
        if (verdict.agrees()) {
            ++agree;
            out << file << ": coincide\n";
            continue;
        }
        status = std::max(status, static_cast<int>(kDiffers));
        if (!verdict.errors.empty()) {
            ++wrong;
            const auto& first = verdict.errors.front();
            out << file << ':' << first.span.begin.line << ':' << first.span.begin.column << ": error: " << first.message;
            if (verdict.errors.size() > 1) out << " (y " << plural(verdict.errors.size() - 1, "error más", "errores más") << ")";
            out << '\n';
            continue;
        }
        ++differ;
        out << file << ": difiere: " << verdict.difference->text() << '\n';
    }
    if (files.size() > 1)
        out << plural(files.size(), "archivo", "archivos") << ": " << plural(agree, "coincide", "coinciden") << ", "
            << plural(differ, "difiere", "difieren") << ", " << wrong << " con errores\n";
    return status;
}

}  // namespace ej::solution
