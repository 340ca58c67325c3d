#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "engine/algorithm/program.h"
#include "engine/exercise_window.h"

class QLabel;

namespace ej::solution {
class StudentRun;
}

namespace ui {

class SeriesLog;
class TraceModel;
class TraceTable;

// A student's algorithm run beside its exercise window, press by press, from the start
// of the series under way (the window's SeriesLog): its desk check, a row per press,
// and above it the first press where the two differ, that row tinted, or that they do
// not differ so far. A click on a row chooses the row whose lines the text shows.
class LiveDeskCheck final : public QWidget, private ej::PressFollower {
public:
    LiveDeskCheck(const ej::ExerciseWindow& exercise, SeriesLog& log, QWidget* parent);
    ~LiveDeskCheck() override;

    // The algorithm of the text as it stands now: the first starts following the series
    // under way, a later one takes it again from its start.
    void follow(std::shared_ptr<const ej::algorithm::Program> program);
    // The text has changed since: the table goes on with the last algorithm that compiled,
    // and says so, while the text no longer shows its lines.
    void markStale();
    // No longer follows the window: its own window closes.
    void stop();
    void takeFont(const QFont& font);

    // After every change while the text is the algorithm's: the lines (from 1) that the row
    // clicked, or else the newest, ran, and the line of the first difference, 0 for none.
    std::function<void(const std::vector<int>& ran, int differenceLine)> onLines;
    // A first difference not told before, as a sentence.
    std::function<void(const QString& difference)> onDifference;

    // Null until an algorithm first compiles.
    const TraceModel* table() const { return model_; }
    // The first difference of the series under way; empty for none.
    QString difference() const;

private:
    // ej::PressFollower: the exercise window's series, through its log.
    void restarted() override;
    void pressed(const ej::WindowPress& press) override;

    void refresh();
    std::vector<int> linesRan() const;

    const ej::ExerciseWindow& exercise_;
    SeriesLog& log_;
    QLabel* said_;
    QLabel* heading_;
    TraceTable* table_;
    TraceModel* model_ = nullptr;
    std::unique_ptr<ej::solution::StudentRun> run_;
    bool current_ = false;   // the run's algorithm is the text as it stands
    int chosenRow_ = -1;     // the event row clicked; -1: the newest
    QString told_;           // the difference told last
};

}  // namespace ui
