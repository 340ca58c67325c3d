// What the desk check adds to a press: the same presses with the window's trace window
// open and closed, on the offscreen platform. Each press is timed with everything it
// makes Qt do before the next one (the table's new row, its scrolling and painting, and
// the algorithm beside it marking the event).
#include <QApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include "engine/exercise_window.h"
#include "shell/program.h"
#include "ui/application.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

// An exercise window open beside the menu, its trace window open or not.
class OpenWindow {
public:
    OpenWindow(const std::string& name, bool traced) : traced_(traced) {
        program_.start();
        exercise_ = static_cast<ej::ExerciseWindow*>(program_.window(name));
        open();
    }

    bool complete() const { return !entry_->isEnabled(); }

    void press(const char* text) {
        input_->setText(QString::fromLatin1(text));
        entry_->click();
        QApplication::processEvents();
    }

    // Closes the window and opens it afresh, its trace window too.
    void reopen() {
        form_->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
    }

private:
    void open() {
        desktop_.show(*exercise_);
        QApplication::processEvents();
        form_ = desktop_.widgetOf(*exercise_);
        input_ = static_cast<QLineEdit*>(form_->control(QString::fromStdString(exercise_->inputBox())));
        entry_ = static_cast<QPushButton*>(form_->control(QString::fromStdString(exercise_->entryButton())));
        if (traced_) form_->toggleTrace();
        QApplication::processEvents();
    }

    bool traced_;
    ui::QtDesktop desktop_{nullptr};
    ej::Program program_{desktop_, {",", "."}};
    ej::ExerciseWindow* exercise_ = nullptr;
    ui::FormWidget* form_ = nullptr;
    QLineEdit* input_ = nullptr;
    QPushButton* entry_ = nullptr;
};

// Accepted values into frmej01's series of ten; a completed series starts again, untimed.
void PressOfASeries(benchmark::State& state) {
    OpenWindow window("frmej01", state.range(0) != 0);
    for (auto _ : state) {
        window.press("7");
        if (window.complete()) {
            state.PauseTiming();
            window.reopen();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(PressOfASeries)->ArgName("trace_open")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Odd and even values in turn into frmej24: each press runs other lines of its algorithm
// than the press before, so the algorithm's marks are painted anew every time.
void PressOfChangingMarks(benchmark::State& state) {
    OpenWindow window("frmej24", state.range(0) != 0);
    bool odd = false;
    for (auto _ : state) {
        window.press((odd = !odd) ? "7" : "8");
        if (window.complete()) {
            state.PauseTiming();
            window.reopen();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(PressOfChangingMarks)->ArgName("trace_open")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Refused presses once the trace holds its 10,000 rows: each new row drops the oldest.
void PressAtTheRowCap(benchmark::State& state) {
    OpenWindow window("frmej01", state.range(0) != 0);
    for (std::size_t i = 0; i < ej::Trace::kMaxRows; ++i) window.press("x");
    for (auto _ : state) window.press("x");
}
BENCHMARK(PressAtTheRowCap)->ArgName("trace_open")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The table alone, for a window that keeps eight variables and changes them all at every
// row: a row recorded and shown, in a trace window as tall as the tallest exercise window.
void RowOfAWideTrace(benchmark::State& state) {
    QWidget exercise;
    exercise.resize(360, 480);
    exercise.show();
    ej::Trace trace;
    ui::TraceWindow window(trace, "Ejercicio 00", &exercise);
    window.showBeside({});
    const ej::NumberFormat format{",", "."};
    float value = 0;
    for (auto _ : state) {
        ej::Variables v(format);
        for (const char* name : {"contador", "valor", "suma", "promedio", "mayor", "orden del mayor", "menor",
                                 "orden del menor"})
            v(name, ej::Single(value += 0.5f));
        if (trace.names().empty()) trace.useNames(v.names());
        trace.record("12,5", "aceptado", v.texts());
        QApplication::processEvents();
    }
}
BENCHMARK(RowOfAWideTrace)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::prepareApplication();
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));  // the platform's notice per window shown
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
