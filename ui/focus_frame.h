#pragma once

class QEvent;
class QFrame;

namespace ui {

// The desk check's table and algorithm show which of them has the keyboard focus by
// their frame: two pixels wide, a thin line while the focus is elsewhere and a thick one
// of the focus colour (listing_style.h) while it is there.
void frameForFocus(QFrame& part);
// After the part's own handling of `event`: paints the frame over the one the style drew,
// and asks for it again as the focus comes or goes.
void followFocus(QFrame& part, const QEvent& event);

}  // namespace ui
