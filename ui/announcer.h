#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace ui {

// What a window tells a student who listens rather than looks: a refusal's message, the
// results, a desk check or the help opened or closed. A screen reader reads the control
// that has the focus and leaves alone text that changes elsewhere (the message label, the
// result boxes); what a window says there reaches it as a notification, which screen
// readers present the moment it shows. It is never drawn: it has no size, and a sighted
// student sees nothing of it.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* window);
    // The window's own, if it has one.
    static Announcer* of(const QWidget& window);

    // Says text now, after what was said before.
    void say(const QString& text);
    // What it says last, until the next time: its accessible name.
    const QString& said() const { return said_; }

    // Collects what the window says during one press, in order, and says it all once the
    // press is over: after the focus has settled, so that the screen reader presents the
    // focused control first and what the window said after it, never cut short. A text
    // box the press moves the focus to is named first: a screen reader learns of its
    // caret before its focus and then takes it for the box it was already in.
    class Press {
    public:
        explicit Press(Announcer& announcer);
        ~Press();
        Press(const Press&) = delete;
        Press& operator=(const Press&) = delete;

    private:
        Announcer& announcer_;
        QPointer<QWidget> focused_;
    };
    // During a press, kept for its end; otherwise said at once.
    void tell(const QString& text);

private:
    QString said_;
    QStringList pending_;
    bool pressing_ = false;
};

}  // namespace ui
