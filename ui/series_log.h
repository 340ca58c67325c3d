#pragma once

#include <vector>

#include "engine/exercise_window.h"

namespace ui {

// Follows an exercise window from its opening and keeps the presses of its series under
// way, so that a student's algorithm started in the middle of a series takes it from its
// start, as if it had been there all along; it passes every reset and press on to that
// algorithm.
class SeriesLog final : public ej::PressFollower {
public:
    void restarted() override;
    void pressed(const ej::WindowPress& press) override;
    // From now on `follower` (null for none) follows the window: it starts with the series
    // under way, a reset and its presses so far.
    void pass(ej::PressFollower* follower);
    // `follower` no longer follows, if it did.
    void forget(const ej::PressFollower* follower);

private:
    std::vector<ej::WindowPress> presses_;
    ej::PressFollower* follower_ = nullptr;
};

}  // namespace ui
