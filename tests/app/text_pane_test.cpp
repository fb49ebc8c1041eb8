// Text pane: line index, selection by pointer and keys, copy, hostile texts, long texts.
#include "text_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

struct LineCase {
    const char* name;
    std::string text;
    std::size_t lines;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

const LineCase kLineCases[] = {
    {"Empty", "", 1},
    {"CrLfLines", "CAM4\r\nU\r\nEND\r\n", 4},
    {"NoFinalBreak", "a\r\nb", 2},
    {"LineFeedsOnly", "\n\n\n", 4},
    {"LoneCarriageReturns", "a\rb\rc", 1},
    {"NulBytes", std::string("a\0b\r\n\0", 6), 2},
    {"LongLine", std::string(100000, 'x'), 1},
};

class LineIndexTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineIndexTest, CountsLinesAndPaints) {
    TextPane pane;
    pane.resize(200, 150);
    pane.SetText(GetParam().text);
    EXPECT_EQ(pane.LineCount(), GetParam().lines);
    EXPECT_EQ(pane.Text(), GetParam().text);
    EXPECT_EQ(pane.IsEmpty(), GetParam().text.empty());
    EXPECT_FALSE(pane.grab().isNull());
    pane.SelectAll();
    EXPECT_EQ(pane.SelectedText(), GetParam().text);
    EXPECT_FALSE(pane.grab().isNull());
}

INSTANTIATE_TEST_SUITE_P(Texts, LineIndexTest, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

class TextPaneTest : public testing::Test {
protected:
    void SetUp() override {
        pane_.resize(300, 200);
        pane_.show();
        pane_.SetText("CAM4\r\nU\r\n 12345\r\nEND\r\n");
        QApplication::processEvents();
    }
    // The viewport point in the middle of `line`, `column` characters in.
    QPoint At(int line, int column) const {
        const int width = pane_.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        return {3 + width * column, 3 + pane_.fontMetrics().lineSpacing() * line +
                                        pane_.fontMetrics().lineSpacing() / 2};
    }
    TextPane pane_;
};

TEST_F(TextPaneTest, DragSelectsAndCtrlCCopiesTheBytesAsHeld) {
    QWidget* view = pane_.viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, At(0, 2));
    QTest::mouseMove(view, At(2, 3));
    QTest::mouseRelease(view, Qt::LeftButton, {}, At(2, 3));
    EXPECT_EQ(pane_.SelectedText(), "M4\r\nU\r\n 12");
    QTest::keyClick(&pane_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("M4\r\nU\r\n 12"));

    // Shift extends from the same anchor; beyond a line's end selects to its end.
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, At(1, 40));
    EXPECT_EQ(pane_.SelectedText(), "M4\r\nU");
}

TEST_F(TextPaneTest, SelectAllKeyAndCopyWithoutSelection) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    pane_.Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QTest::keyClick(&pane_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&pane_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(pane_.Text()));
}

TEST_F(TextPaneTest, NewTextClearsTheSelectionAndGoesToTheTop) {
    std::string lines;
    for (int i = 0; i < 1000; ++i) {
        lines += std::to_string(i) + "\r\n";
    }
    pane_.SetText(lines);
    QTest::keyClick(&pane_, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(pane_.verticalScrollBar()->value(), pane_.verticalScrollBar()->maximum());
    EXPECT_GT(pane_.verticalScrollBar()->maximum(), 900);
    QTest::mouseClick(pane_.viewport(), Qt::LeftButton, {}, At(0, 0));
    QTest::mouseClick(pane_.viewport(), Qt::LeftButton, Qt::ShiftModifier, At(0, 3));
    EXPECT_FALSE(pane_.SelectedText().empty());
    pane_.SetText("x");
    EXPECT_TRUE(pane_.SelectedText().empty());
    EXPECT_EQ(pane_.verticalScrollBar()->value(), 0);
}

} // namespace
} // namespace spirolan
