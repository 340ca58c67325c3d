#include "engine/recording_view.h"

#include <stdexcept>

namespace ej {

RecordingView::RecordingView(const WindowDesign& design) : defaultButton(design.defaultButton) {
    for (const auto& c : design.controls) controls_[c.name] = {c.caption, true};
}

RecordingView::Control& RecordingView::at(std::string_view name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("no control " + std::string(name));
    return it->second;
}

const RecordingView::Control& RecordingView::at(std::string_view name) const {
    return const_cast<RecordingView*>(this)->at(name);
}

}  // namespace ej
