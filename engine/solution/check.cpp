#include "engine/solution/check.h"

#include <random>

#include "engine/algorithm/compiler.h"
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
    Bench(const WindowMaker& make, std::shared_ptr<const algorithm::Program> program, const NumberFormat& format)
        : window_(make(format)), student_(std::move(program), *window_) {
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

// Whether a text is as plain as a typed value gets: a whole number of two digits or less.
bool plain(const std::string& text) {
    return !text.empty() && text.size() <= 3 && text.find_first_not_of("-0123456789") == std::string::npos;
}

// The shortest and plainest series found by leaving out one press at a time, then
// putting small whole numbers in place of the others, while a difference still shows:
// a student reads "1; 2; 3", not forty values past 2^24.
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
    for (std::size_t leave = 0; leave < found.typed.size() && replays < most;) {
        std::vector<std::string> shorter = found.typed;
        shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(leave));
        if (!tryInstead(shorter)) ++leave;
    }
    for (std::size_t at = 0; at < found.typed.size() && replays < most; ++at) {
        if (plain(found.typed[at])) continue;
        for (const std::string& instead : {std::to_string(at + 1), std::string("1"), std::string("2")}) {
            std::vector<std::string> plainer = found.typed;
            plainer[at] = instead;
            if (tryInstead(plainer)) break;
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
    Bench bench(window, std::move(program), options.format);
    std::vector<TrialSeries> series = teacherSeries();
    for (int i = 0; i < options.randomSeries; ++i) series.push_back(randomSeries());
    Verdict verdict;
    for (std::size_t i = 0; i < series.size(); ++i) {
        std::mt19937 random(options.seed + static_cast<unsigned>(i));
        Progress progress;
        bench.open();
        ++verdict.seriesPlayed;
        while (!bench.difference() && !bench.complete() && progress.presses < kMaxPresses) {
            const std::string text = series[i].next(progress, random);
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
                const std::vector<std::string>& typed, const NumberFormat& format) {
    Bench bench(window, std::move(program), format);
    bench.play(typed);
    return {bench.window().trace(), bench.student().trace(), bench.difference()};
}

}  // namespace ej::solution
