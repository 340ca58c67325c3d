#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <vector>

#include "engine/design.h"

class QKeyEvent;

namespace ui {

// How large the program draws its windows, for a projector as well as a desk: one
// zoom for the whole run, which every window follows. The designs never know it.
// Its keys work in every window of the program: Ctrl++ (or Ctrl+= and the keypad's
// +) enlarges, Ctrl+- reduces, Ctrl+0 restores.
class Zoom final : public QObject {
public:
    Zoom();

    static constexpr std::array<int, 7> kPercentSteps{100, 125, 150, 175, 200, 250, 300};
    static constexpr int kTwipsPerPixel = 15;  // at 100 %

    int percent() const { return kPercentSteps[step_]; }
    // Twips to pixels at this zoom, to the nearest pixel for either sign.
    int px(int twips) const;
    QRect toPixels(const ej::Twips& t) const { return {px(t.left), px(t.top), px(t.width), px(t.height)}; }
    // The application's font at this zoom.
    QFont font() const;

    void setPercent(int percent);  // one of the steps
    // What the zoom keys do, also chosen from a window's context menu: a step up, a
    // step down (neither past the ends) and back to 100 %.
    void enlarge();
    void reduce();
    void restore();

    // Runs apply with this zoom now, and again after every change, for as long as
    // window lives: how a window, whatever its kind, takes the zoom and follows it.
    void follow(QObject* window, std::function<void(const Zoom&)> apply);

protected:
    // Sees every key before the control that has the focus, which would otherwise
    // take some of them (a text box types the keypad's +).
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool stepFor(const QKeyEvent& key);
    void setStep(std::size_t step);

    std::size_t step_ = 0;
    std::vector<std::pair<QPointer<QObject>, std::function<void(const Zoom&)>>> followers_;
};

}  // namespace ui
