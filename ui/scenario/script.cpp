#include "ui/scenario/script.h"

#include <sstream>

namespace scenario {

namespace {

// Splits a line into words separated by single blanks; a word may be a double-quoted
// text with \", \\, \t (a tab) and \n (a line break) escapes. Returns false when the
// line does not split cleanly.
bool split(const std::string& line, Command& c) {
    std::size_t i = 0;
    while (i < line.size()) {
        std::string word;
        bool isQuoted = false;
        if (line[i] == '"') {
            isQuoted = true;
            ++i;
            for (;; ++i) {
                if (i >= line.size()) return false;
                if (line[i] == '"') break;
                if (line[i] == '\\') {
                    const char escaped = i + 1 < line.size() ? line[i + 1] : '\0';
                    if (escaped != '"' && escaped != '\\' && escaped != 't' && escaped != 'n') return false;
                    ++i;
                    word += escaped == 't' ? '\t' : escaped == 'n' ? '\n' : escaped;
                    continue;
                }
                word += line[i];
            }
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ') {
                if (line[i] == '"') return false;
                word += line[i++];
            }
            if (word.empty()) return false;
        }
        c.words.push_back(word);
        c.quoted.push_back(isQuoted);
        if (i < line.size()) {
            if (line[i] != ' ' || i + 1 == line.size()) return false;
            ++i;
        }
    }
    return !c.words.empty();
}

bool isYesNo(const std::string& w) { return w == "yes" || w == "no"; }

// A position or size in pixels: an integer, negative for a control that starts left
// of or above the client area.
bool isPixels(const std::string& w) {
    const std::size_t sign = !w.empty() && w[0] == '-' ? 1 : 0;
    return w.size() > sign && w.find_first_not_of("0123456789", sign) == std::string::npos;
}

// A row number or a count of rows, as digits.
bool isCount(const std::string& w) {
    return !w.empty() && w.size() < 9 && w.find_first_not_of("0123456789") == std::string::npos;
}

// expect trace WINDOW open yes|no, rows N, columns "H1" "H2" …, cell ROW "HEADER" "TEXT".
std::string checkTrace(const Command& c) {
    const auto& w = c.words;
    const auto n = w.size();
    const bool head = n >= 3 && !c.quoted[1] && isWindowName(w[1]) && !c.quoted[2];
    auto texts = [&](std::size_t from) {
        for (std::size_t i = from; i < n; ++i)
            if (!c.quoted[i]) return false;
        return n > from;
    };
    if (head && w[2] == "open") return n == 4 && !c.quoted[3] && isYesNo(w[3]) ? "" : "expect trace WINDOW open yes|no";
    if (head && w[2] == "rows") return n == 4 && !c.quoted[3] && isCount(w[3]) ? "" : "expect trace WINDOW rows N";
    if (head && w[2] == "columns") return texts(3) ? "" : "expect trace WINDOW columns HEADER...";
    if (head && w[2] == "cell") {
        const bool row = n == 6 && !c.quoted[3] && isCount(w[3]) && std::stoi(w[3]) > 0;
        return row && texts(4) ? "" : "expect trace WINDOW cell ROW HEADER TEXT";
    }
    return "expect trace WINDOW open|rows|columns|cell ...";
}

// expect algorithm WINDOW waiting LINE|fin|ninguna, ran LINE..., marked LINE...,
// note LINE TEXT, line LINE TEXT.
std::string checkAlgorithm(const Command& c) {
    const auto& w = c.words;
    const auto n = w.size();
    const bool head = n >= 3 && !c.quoted[1] && isWindowName(w[1]) && !c.quoted[2];
    auto line = [&](std::size_t i) { return i < n && !c.quoted[i] && isCount(w[i]) && std::stoi(w[i]) > 0; };
    auto lines = [&](std::size_t from) {
        for (std::size_t i = from; i < n; ++i)
            if (!line(i)) return false;
        return true;
    };
    if (head && w[2] == "waiting")
        return n == 4 && (line(3) || (!c.quoted[3] && (w[3] == "fin" || w[3] == "ninguna")))
                   ? ""
                   : "expect algorithm WINDOW waiting LINE|fin|ninguna";
    if (head && (w[2] == "ran" || w[2] == "marked")) return lines(3) ? "" : "expect algorithm WINDOW " + w[2] + " LINE...";
    if (head && (w[2] == "note" || w[2] == "line"))
        return n == 5 && line(3) && c.quoted[4] ? "" : "expect algorithm WINDOW " + w[2] + " LINE TEXT";
    return "expect algorithm WINDOW waiting|ran|marked|note|line ...";
}

// solution WINDOW open|check, text TEXT, load PATH.
std::string checkSolution(const Command& c) {
    const auto& w = c.words;
    const auto n = w.size();
    const bool head = n >= 2 && !c.quoted[0] && isWindowName(w[0]) && !c.quoted[1];
    if (head && n == 2 && (w[1] == "open" || w[1] == "check")) return "";
    if (head && n == 3 && (w[1] == "text" || w[1] == "load") && c.quoted[2]) return "";
    return "solution WINDOW open|check|text TEXT|load PATH";
}

// expect solution WINDOW open yes|no, verdict TEXT, difference TEXT, error LINE|ninguno,
// rows N.
std::string checkSolutionExpectation(const Command& c) {
    const auto& w = c.words;
    const auto n = w.size();
    const bool head = n == 4 && !c.quoted[1] && isWindowName(w[1]) && !c.quoted[2];
    if (head && w[2] == "open" && !c.quoted[3] && isYesNo(w[3])) return "";
    if (head && (w[2] == "verdict" || w[2] == "difference") && c.quoted[3]) return "";
    if (head && w[2] == "error" && !c.quoted[3] && (w[3] == "ninguno" || (isCount(w[3]) && std::stoi(w[3]) > 0)))
        return "";
    if (head && w[2] == "rows" && !c.quoted[3] && isCount(w[3])) return "";
    return "expect solution WINDOW open yes|no|verdict TEXT|difference TEXT|error LINE|rows N";
}

// Checks the shape of a command; returns what is wrong, or empty.
std::string check(const Command& c) {
    const auto& w = c.words;
    const auto n = w.size();
    auto text = [&](std::size_t i) { return i < n && c.quoted[i]; };
    auto plain = [&](std::size_t i) { return i < n && !c.quoted[i]; };
    auto window = [&](std::size_t i) { return plain(i) && isWindowName(w[i]); };
    auto control = [&](std::size_t i) { return plain(i) && !w[i].empty(); };
    auto pixels = [&](std::size_t i) { return plain(i) && isPixels(w[i]); };

    if (c.verb == "locale") return n == 2 && text(0) && text(1) ? "" : "locale \"D\" \"T\"";
    if (c.verb == "press") return n == 2 && window(0) && control(1) ? "" : "press WINDOW CONTROL";
    if (c.verb == "type") return n == 3 && window(0) && control(1) && text(2) ? "" : "type WINDOW CONTROL TEXT";
    if (c.verb == "key" && n == 2 && plain(1) && isZoomKey(w[1])) return window(0) ? "" : "key WINDOW KEY";
    if (c.verb == "enter") {
        bool texts = n >= 3;
        for (std::size_t i = 2; i < n; ++i) texts = texts && text(i);
        return texts && window(0) && control(1) ? "" : "enter WINDOW CONTROL TEXT...";
    }
    if (c.verb == "key")
        return n == 2 && window(0) && plain(1) &&
                       (w[1] == "Enter" || w[1] == "Space" || w[1] == "Tab" || w[1] == "Escape" || w[1] == "F1" ||
                        w[1] == "F2" || w[1] == "F3")
                   ? ""
                   : "key WINDOW Enter|Space|Tab|Escape|F1|F2|F3";
    if (c.verb == "menu") return n == 2 && window(0) && text(1) ? "" : "menu WINDOW ENTRY";
    if (c.verb == "click") {
        const bool trace = n == 4 && plain(0) && w[0] == "trace" && window(1) && plain(2);
        if (trace && w[2] == "row" && plain(3) && isCount(w[3]) && std::stoi(w[3]) > 0) return "";
        return trace && w[2] == "header" && text(3) ? "" : "click trace WINDOW row N|header NAME";
    }
    if (c.verb == "solution") return checkSolution(c);
    if (c.verb == "activate" || c.verb == "close") return n == 1 && window(0) ? "" : c.verb + " WINDOW";
    if (c.verb == "away") return n == 0 ? "" : "away";
    if (c.verb == "expect") {
        if (n == 1 && plain(0) && w[0] == "program") return "expect program running|ended";
        if (n == 2 && plain(0) && w[0] == "program") return w[1] == "running" || w[1] == "ended" ? "" : "expect program running|ended";
        if (plain(0) && w[0] == "trace") return checkTrace(c);
        if (plain(0) && w[0] == "algorithm") return checkAlgorithm(c);
        if (plain(0) && w[0] == "solution") return checkSolutionExpectation(c);
        if (plain(0) && w[0] == "ayuda")
            return n == 3 && plain(1) && w[1] == "open" && plain(2) && isYesNo(w[2]) ? "" : "expect ayuda open yes|no";
        if (!window(0)) return "expect WINDOW ...";
        if (n == 3 && plain(1) && (w[1] == "open" || w[1] == "active")) return isYesNo(w[2]) ? "" : "yes or no";
        if (n == 3 && plain(1) && w[1] == "caption") return text(2) ? "" : "expect WINDOW caption TEXT";
        if (n >= 2 && plain(1) && w[1] == "texts") {
            bool pairs = n >= 4 && n % 2 == 0;
            for (std::size_t i = 2; pairs && i < n; i += 2) pairs = control(i) && text(i + 1);
            return pairs ? "" : "expect WINDOW texts CONTROL TEXT...";
        }
        if (n == 4 && control(1) && plain(2)) {
            if (w[2] == "text") return text(3) ? "" : "expect WINDOW CONTROL text TEXT";
            if (w[2] == "enabled" || w[2] == "default" || w[2] == "focus") return plain(3) && isYesNo(w[3]) ? "" : "yes or no";
        }
        if (n == 4 && control(1) && plain(2) && w[2] == "tooltip") return text(3) ? "" : "expect WINDOW CONTROL tooltip TEXT";
        if (n == 7 && control(1) && plain(2) && w[2] == "geometry")
            return pixels(3) && pixels(4) && pixels(5) && pixels(6) ? "" : "expect WINDOW CONTROL geometry L T W H";
        return "expect WINDOW CONTROL text|enabled|default|focus VALUE";
    }
    return "a command";
}

}  // namespace

bool isZoomKey(const std::string& word) { return word == "Ctrl++" || word == "Ctrl+-" || word == "Ctrl+0"; }

bool isWindowName(const std::string& word) {
    if (word == "frm2005" || word == "frmej1801") return true;
    if (word.size() != 7 || word.rfind("frmej", 0) != 0) return false;
    const char a = word[5], b = word[6];
    if (a < '0' || a > '9' || b < '0' || b > '9') return false;
    const int nn = (a - '0') * 10 + (b - '0');
    return nn >= 1 && nn <= 69;
}

Script parse(const std::string& utf8) {
    Script script;
    std::istringstream in(utf8);
    std::string line;
    int number = 0;
    bool commandSeen = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        Command c;
        c.line = number;
        std::string problem;
        if (!split(line, c) || c.quoted[0]) {
            problem = "words separated by single blanks";
        } else {
            c.verb = c.words[0];
            c.words.erase(c.words.begin());
            c.quoted.erase(c.quoted.begin());
            problem = check(c);
            if (problem.empty() && c.verb == "locale" && commandSeen) problem = "locale before any other command";
        }
        if (!problem.empty()) {
            script.error = {number, "expected " + problem + ", got " + line};
            return script;
        }
        if (c.verb == "locale") {
            script.decimal = c.words[0];
            script.thousands = c.words[1];
        } else {
            script.commands.push_back(std::move(c));
        }
        commandSeen = true;
    }
    return script;
}

}  // namespace scenario
