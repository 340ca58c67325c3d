// Keys as a student types them, to the widget that has the keyboard focus or to a given
// one. Qt stops the whole test program on an assertion when a key goes to no widget (the
// focus gone with the activation to another window): these make the test fail instead,
// saying which key found nobody to take it.
#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace test {

[[nodiscard]] inline testing::AssertionResult pressOn(QWidget* target, Qt::Key key,
                                                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!target)
        return testing::AssertionFailure()
               << "no widget to take " << QKeySequence(key | modifiers).toString().toStdString();
    QTest::keyClick(target, key, modifiers);
    return testing::AssertionSuccess();
}

[[nodiscard]] inline testing::AssertionResult typeOn(QWidget* target, const QString& text) {
    if (!target) return testing::AssertionFailure() << "no widget to take \"" << text.toStdString() << "\"";
    QTest::keyClicks(target, text);
    return testing::AssertionSuccess();
}

// Where the keyboard's focus is.
[[nodiscard]] inline testing::AssertionResult press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return pressOn(QApplication::focusWidget(), key, modifiers);
}
[[nodiscard]] inline testing::AssertionResult type(const QString& text) {
    return typeOn(QApplication::focusWidget(), text);
}

}  // namespace test
