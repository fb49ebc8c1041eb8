// SPDX-License-Identifier: GPL-3.0-or-later
// Text pane: line index, selection by pointer and keys, copy, hostile texts.
#include "app/widgets/text_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

TEST(TextPaneTest, CountsLinesOfEveryKindOfTextAndPaintsThem) {
    const std::pair<std::string, std::size_t> texts[] = {
        {"", 1}, {"a\r\nb\r\n", 3}, {"\n\r\n\r", 3}, {std::string("a\0b\r\n\0", 6), 2}};
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

// Down to the line the pane's lower edge cuts: the dark text reaches its last line band.
TEST(TextPaneTest, PaintsEveryLineInSight) {
    TextPane pane;
    pane.resize(300, 200);
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += "8888 8888\r\n";
    }
    pane.SetText(text);
    const QImage image = pane.viewport()->grab().toImage();
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            lowest = qGray(image.pixel(x, y)) < 128 ? y : lowest;
        }
    }
    EXPECT_GT(lowest, image.height() - pane.fontMetrics().lineSpacing());
}

TEST(TextPaneTest, DragSelectsAndCtrlCCopiesTheBytesAsHeld) {
    TextPane pane;
    pane.resize(300, 200);
    pane.show();
    pane.SetText("CAM4\r\nU\r\n 12345\r\nEND\r\n");
    QApplication::processEvents();
    // The viewport point in the middle of `line`, `column` characters in.
    const QFontMetrics metrics = pane.fontMetrics();
    const auto at = [&metrics](int line, int column) {
        return QPoint(3 + metrics.horizontalAdvance(QLatin1Char('0')) * column,
                      3 + metrics.lineSpacing() * line + metrics.lineSpacing() / 2);
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier); // nothing selected: nothing copied
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, at(0, 2));
    QTest::mouseMove(pane.viewport(), at(2, 3));
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, at(2, 3));
    QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("M4\r\nU\r\n 12"));
    // Shift extends from the same anchor; beyond a line's end selects to its end.
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(1, 40));
    EXPECT_EQ(pane.SelectedText(), "M4\r\nU");
    QTest::keyClick(&pane, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(pane.SelectedText(), pane.Text());
}

} // namespace
} // namespace spirolan
