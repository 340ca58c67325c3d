#include "ui/series_log.h"

namespace ui {

void SeriesLog::restarted() {
    presses_.clear();
    if (follower_) follower_->restarted();
}

void SeriesLog::pressed(const ej::WindowPress& press) {
    presses_.push_back(press);
    if (follower_) follower_->pressed(press);
}

void SeriesLog::pass(ej::PressFollower* follower) {
    follower_ = follower;
    if (!follower_) return;
    follower_->restarted();
    for (const ej::WindowPress& press : presses_) follower_->pressed(press);
}

void SeriesLog::forget(const ej::PressFollower* follower) {
    if (follower_ == follower) follower_ = nullptr;
}

}  // namespace ui
