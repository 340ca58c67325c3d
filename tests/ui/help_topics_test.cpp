// The help's exercises by topic: each topic names its exercises by their numbers, and a
// click on a number, or Enter on it in F6's visit, opens that exercise window.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "shell/topics.h"
#include "tests/ui/windows_on_screen.h"
#include "ui/help_window.h"

namespace {

// Where the link to `window` is drawn in the page, in its viewport's coordinates.
QPoint linkTo(QTextBrowser* page, const QString& window) {
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorHref() == window) {
                QTextCursor at(page->document());
                at.setPosition(fragment.fragment().position() + 1);
                page->setTextCursor(at);
                page->ensureCursorVisible();
                return page->cursorRect(at).center();
            }
    return {-1, -1};
}

}  // namespace

TEST(HelpTopics, EachTopicNamesItsExercisesAndEachOpensItsWindow) {
    test::Running p;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto* page = p.desktop.helpWindow()->findChild<QTextBrowser*>();
    const QString text = page->toPlainText();
    EXPECT_TRUE(text.contains("Ejercicios por tema"));
    ASSERT_FALSE(ej::topics().empty());
    for (const ej::Topic& topic : ej::topics()) {
        SCOPED_TRACE(topic.name);
        ASSERT_FALSE(topic.windows.empty());
        QStringList numbers;
        for (const std::string& window : topic.windows) numbers << QString::fromStdString(window.substr(5));
        QString name = QString::fromStdString(topic.name);
        name[0] = name[0].toUpper();
        EXPECT_TRUE(text.contains(name + "\nEjercicio " + numbers.join(", ") + "\n")) << text.toStdString();
    }
    // A click on the first exercise "de vectores" opens it, activated; the help stays.
    const std::string vectors = ej::topics()[6].windows.front();
    const QPoint at = linkTo(page, QString::fromStdString(vectors));
    ASSERT_GE(at.x(), 0);
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    ui::FormWidget* opened = p.desktop.widgetOf(*p.program.window(vectors));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), opened);
    ASSERT_NE(p.desktop.helpWindow(), nullptr);
    // From the keyboard: F6 into the help, Tab to the first link, Enter.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);  // no desk check nor solution open before it
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), page);
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
    QApplication::processEvents();
    const std::string first = ej::topics().front().windows.front();
    ASSERT_NE(p.desktop.widgetOf(*p.program.window(first)), nullptr);
    EXPECT_EQ(QApplication::activeWindow(), p.desktop.widgetOf(*p.program.window(first)));
}
