#include "engine/solution/check.h"

#include <cmath>
#include <optional>
#include <random>

#include "engine/algorithm/compiler.h"
#include "engine/conversions.h"
#include "engine/recording_view.h"
#include "engine/solution/student_run.h"
#include "engine/trial_series.h"

namespace ej::solution {

namespace {

constexpr int kMaxPresses = 90;     // a series longer than any window's
constexpr int kMaxShrinkReplays = 300;
constexpr int kMaxStoppedReplays = 6;

// A window and the student's algorithm beside it, on headless controls.
class Bench {
public:
    Bench(const WindowMaker& make, std::shared_ptr<const algorithm::Program> program, const CheckOptions& options)
        : window_(make(options.format)), student_(std::move(program), *window_, options.budget) {
        window_->follow(&student_);
    }
    ~Bench() {
        window_->follow(nullptr);
        window_->attach(nullptr);
    }
    Bench(const Bench&) = delete;

    // A fresh series, as when the window is opened from the menu.
    void open() {
        window_->attach(nullptr);
        view_.emplace(window_->design());
        window_->attach(&*view_);
        window_->activated();
    }
    void type(const std::string& text) { window_->type(text); }
    bool complete() const { return !view_->enabled(window_->inputBox()); }
    bool refused() const { return !view_->text(window_->messageLabel()).empty(); }
    const std::optional<Difference>& difference() const { return student_.difference(); }
    const ExerciseWindow& window() const { return *window_; }
    const StudentRun& student() const { return student_; }

    // Types the texts until they differ or the window completes.
    void play(const std::vector<std::string>& typed) {
        open();
        for (const auto& text : typed) {
            if (difference() || complete()) break;
            type(text);
        }
    }

private:
    std::unique_ptr<ExerciseWindow> window_;
    StudentRun student_;
    std::optional<RecordingView> view_;
};

// A series' text as a student of this locale types it: "2,5" where the decimal point
// is a comma; a large value made plain where the check leaves those out.
std::string typedAs(std::string text, const CheckOptions& options, std::mt19937& random) {
    const bool number = text.find_first_not_of("0123456789.-+eE") == std::string::npos;
    if (number && options.format.decimal != ".")
        for (std::size_t at; (at = text.find('.')) != std::string::npos;) text.replace(at, 1, options.format.decimal);
    if (!isNumeric(text, options.format)) return text;
    const double value = readValue(text, options.format);
    constexpr double kSingleMost = 3.4028234663852886e38;  // past it, refused before any rule
    if (std::fabs(value) < options.plainFrom || std::fabs(value) > kSingleMost) return text;
    const std::string plain = std::to_string(1 + random() % 20);
    return value < 0 ? "-" + plain : plain;
}

// How plain a typed text reads, the plainest first: 1, -1, 2, 0, -2, 3…; none for what
// is not a whole number of a few digits (a fraction, 16777217, "-0", "abc").
std::optional<long> plainness(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos ||
        (digits.size() > 1 && digits[0] == '0') || (negative && digits == "0"))
        return std::nullopt;
    const long n = std::stol(digits);
    return n == 0 ? 9 : 4 * n + (negative ? 2 : 0);
}
bool plainer(const std::string& text, const std::string& than) {
    const auto rank = plainness(text), other = plainness(than);
    return rank && (!other || *rank < *other);
}

// The shortest and plainest series found by leaving out one press at a time, then
// putting small whole numbers in place of the others, over again while that helps: a
// student reads "1; 2; 3", not forty values past 2^24.
Difference shrunk(Bench& bench, Difference found) {
    // A stopped run may be an endless loop, which spends its whole budget at each try.
    const bool stopped = found.algorithm.find("se detuvo") != std::string::npos;
    const int most = stopped ? kMaxStoppedReplays : kMaxShrinkReplays;
    int replays = 0;
    const auto tryInstead = [&](const std::vector<std::string>& typed) {
        ++replays;
        bench.play(typed);
        if (!bench.difference() || bench.difference()->typed.empty()) return false;
        found = *bench.difference();
        return true;
    };
    // Each round leaves the series shorter or with fewer texts that are not plain.
    for (bool changed = true; changed && replays < most;) {
        changed = false;
        for (std::size_t leave = 0; leave < found.typed.size() && replays < most;) {
            std::vector<std::string> fewer = found.typed;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(leave));
            if (tryInstead(fewer))
                changed = true;
            else
                ++leave;
        }
        for (std::size_t at = 0; at < found.typed.size() && replays < most; ++at) {
            const std::string was = found.typed[at];
            const std::string sign = !was.empty() && was[0] == '-' && was != "-0" ? "-" : "";
            for (const std::string& instead : {sign + std::to_string(at + 1), sign + "1", sign + "2", std::string("0")}) {
                if (!plainer(instead, was)) continue;
                std::vector<std::string> typed = found.typed;
                typed[at] = instead;
                if (tryInstead(typed)) {
                    changed = true;
                    break;
                }
            }
        }
    }
    return found;
}

}  // namespace

std::string Verdict::text() const {
    if (!errors.empty()) return errors.front().located();
    if (difference) return difference->text();
    return "Tu algoritmo hace lo mismo que la ventana en las " + std::to_string(seriesPlayed) + " series probadas";
}

Verdict check(const WindowMaker& window, std::string_view source, const CheckOptions& options) {
    algorithm::Compiled compiled = algorithm::compile(source);
    if (!compiled.ok()) {
        Verdict v;
        v.errors = std::move(compiled.errors);
        return v;
    }
    return check(window, std::move(compiled.program), options);
}

Verdict check(const WindowMaker& window, std::shared_ptr<const algorithm::Program> program, const CheckOptions& options) {
    Bench bench(window, std::move(program), options);
    std::vector<TrialSeries> series = teacherSeries();
    for (int i = 0; i < options.randomSeries; ++i) series.push_back(randomSeries());
    Verdict verdict;
    for (std::size_t i = 0; i < series.size(); ++i) {
        std::mt19937 random(options.seed + static_cast<unsigned>(i));
        Progress progress;
        bench.open();
        ++verdict.seriesPlayed;
        while (!bench.difference() && !bench.complete() && progress.presses < kMaxPresses) {
            const std::string text = typedAs(series[i].next(progress, random), options, random);
            bench.type(text);
            progress.took(text, bench.refused());
        }
        if (bench.difference()) {
            verdict.difference = shrunk(bench, *bench.difference());
            verdict.seriesName = series[i].name;
            return verdict;
        }
    }
    return verdict;
}

Replayed replay(const WindowMaker& window, std::shared_ptr<const algorithm::Program> program,
                const std::vector<std::string>& typed, const CheckOptions& options) {
    Bench bench(window, std::move(program), options);
    bench.play(typed);
    return {bench.window().trace(), bench.student().trace(), bench.difference()};
}

}  // namespace ej::solution
