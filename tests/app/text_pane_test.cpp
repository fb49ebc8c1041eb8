// Text pane: line index, selection by pointer and keys, copy, hostile texts.
#include "text_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

TEST(TextPaneTest, CountsLinesOfEveryKindOfTextAndPaintsThem) {
    const std::pair<std::string, std::size_t> texts[] = {
        {"", 1},
        {"CAM4\r\nU\r\nEND\r\n", 4},
        {"a\r\nb", 2},
        {"\n\n\n", 4},
        {"a\rb\rc", 1},
        {std::string("a\0b\r\n\0", 6), 2},
        {std::string(100000, 'x'), 1},
    };
    for (const auto& [text, lines] : texts) {
        TextPane pane;
        pane.resize(200, 150);
        pane.SetText(text);
        EXPECT_EQ(pane.LineCount(), lines) << text.size();
        EXPECT_EQ(pane.IsEmpty(), text.empty());
        pane.SelectAll();
        EXPECT_EQ(pane.SelectedText(), text);
        EXPECT_FALSE(pane.grab().isNull());
    }
}

class TextPaneSelectionTest : public testing::Test {
protected:
    void SetUp() override {
        pane_.resize(300, 200);
        pane_.show();
        pane_.SetText("CAM4\r\nU\r\n 12345\r\nEND\r\n");
        QApplication::processEvents();
    }
    // The viewport point in the middle of `line`, `column` characters in.
    QPoint At(int line, int column) const {
        const QFontMetrics metrics = pane_.fontMetrics();
        return {3 + metrics.horizontalAdvance(QLatin1Char('0')) * column,
                3 + metrics.lineSpacing() * line + metrics.lineSpacing() / 2};
    }
    TextPane pane_;
};

TEST_F(TextPaneSelectionTest, DragSelectsAndCtrlCCopiesTheBytesAsHeld) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(&pane_, Qt::Key_C, Qt::ControlModifier); // nothing selected: nothing copied
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QWidget* view = pane_.viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, At(0, 2));
    QTest::mouseMove(view, At(2, 3));
    QTest::mouseRelease(view, Qt::LeftButton, {}, At(2, 3));
    QTest::keyClick(&pane_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("M4\r\nU\r\n 12"));
    // Shift extends from the same anchor; beyond a line's end selects to its end.
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, At(1, 40));
    EXPECT_EQ(pane_.SelectedText(), "M4\r\nU");
    QTest::keyClick(&pane_, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(pane_.SelectedText(), pane_.Text());
}

} // namespace
} // namespace spirolan
