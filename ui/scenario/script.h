#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scenario {

// One command of a scenario file. Words are kept as written; TEXT arguments unescaped.
struct Command {
    int line = 0;
    std::string verb;  // locale, press, type, enter, key, menu, click, activate, away, close, solution, expect
    std::vector<std::string> words;  // the words after the verb
    std::vector<bool> quoted;        // which of them were double-quoted
};

struct Script {
    std::vector<Command> commands;
    std::string decimal = ",", thousands = ".";
    // The first line that is not a command, if any, with what is wrong with it.
    std::optional<std::pair<int, std::string>> error;
};

Script parse(const std::string& utf8);

bool isWindowName(const std::string& word);
bool isZoomKey(const std::string& word);  // Ctrl++, Ctrl+- or Ctrl+0

}  // namespace scenario
