// SPDX-License-Identifier: GPL-3.0-or-later
// The fast read-only text pane: a line index, painting of the visible lines, selection and copy.
#include "app/widgets/text_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace spirolan {

namespace {

constexpr int kMargin = 3;

QString Latin1(const std::string& text, std::size_t begin, std::size_t end) {
    return QString::fromLatin1(text.data() + begin, static_cast<qsizetype>(end - begin));
}

} // namespace

TextPane::TextPane(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    UpdateScrollBars();
}

void TextPane::SetText(std::string text) {
    text_ = std::move(text);
    lineStarts_.clear();
    lineStarts_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1);
    lineStarts_.push_back(0);
    const char* const base = text_.data();
    const std::size_t size = text_.size();
    std::size_t start = 0;
    longestLine_ = 0;
    while (start < size) {
        const void* found = std::memchr(base + start, '\n', size - start);
        if (found == nullptr) {
            break;
        }
        const std::size_t next =
            static_cast<std::size_t>(static_cast<const char*>(found) - base) + 1;
        longestLine_ = std::max(longestLine_, next - start);
        lineStarts_.push_back(next);
        start = next;
    }
    longestLine_ = std::max(longestLine_, size - start);
    anchor_ = 0;
    cursor_ = 0;
    selecting_ = false;
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

std::size_t TextPane::LineEnd(std::size_t line) const {
    std::size_t end = line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : text_.size();
    const std::size_t begin = lineStarts_[line];
    if (end > begin && text_[end - 1] == '\n') {
        --end;
    }
    if (end > begin && text_[end - 1] == '\r') {
        --end;
    }
    return end;
}

void TextPane::Select(std::size_t from, std::size_t to) {
    anchor_ = std::min(from, text_.size());
    cursor_ = std::min(to, text_.size());
    viewport()->update();
}

void TextPane::SelectAll() {
    Select(0, text_.size());
}

std::string TextPane::SelectedText() const {
    const auto [begin, end] = std::minmax(anchor_, cursor_);
    return text_.substr(begin, end - begin);
}

void TextPane::Copy() const {
    if (anchor_ != cursor_) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(SelectedText()));
    }
}

int TextPane::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

std::size_t TextPane::VisibleLines() const {
    return static_cast<std::size_t>(std::max(1, (viewport()->height() - kMargin) / LineHeight()));
}

void TextPane::UpdateScrollBars() {
    const std::size_t visible = VisibleLines();
    const std::size_t lines = lineStarts_.size();
    const auto maxLine = static_cast<int>(std::min<std::size_t>(
        lines > visible ? lines - visible : 0, static_cast<std::size_t>(INT_MAX)));
    verticalScrollBar()->setRange(0, maxLine);
    verticalScrollBar()->setPageStep(static_cast<int>(visible));
    verticalScrollBar()->setSingleStep(1);

    const double charWidth = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
    const double contentWidth =
        std::min(static_cast<double>(longestLine_) * charWidth + 2 * kMargin, 1e9);
    horizontalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(contentWidth) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(charWidth)));
}

void TextPane::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const QFontMetricsF metrics(font());
    const int lineHeight = LineHeight();
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    const std::size_t last = std::min(lineStarts_.size(), first + VisibleLines() + 2);
    const double x = kMargin - horizontalScrollBar()->value();
    const auto [selBegin, selEnd] = std::minmax(anchor_, cursor_);
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Text));

    for (std::size_t line = first; line < last; ++line) {
        const int top = kMargin + static_cast<int>(line - first) * lineHeight;
        const std::size_t begin = LineBegin(line);
        const std::size_t end = LineEnd(line);
        const QString shown = Latin1(text_, begin, end);
        const QPointF baseline(x, top + metrics.ascent());
        painter.drawText(baseline, shown);

        const std::size_t breakEnd =
            line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : text_.size();
        if (selBegin >= selEnd || selEnd <= begin || selBegin >= std::max(breakEnd, begin + 1)) {
            continue;
        }
        const auto from = static_cast<qsizetype>(std::max(selBegin, begin) - begin);
        const auto to = static_cast<qsizetype>(std::min(selEnd, end) - begin);
        const double left = x + metrics.horizontalAdvance(shown.left(from));
        double right = x + metrics.horizontalAdvance(shown.left(std::max(from, to)));
        if (selEnd > end) {
            right += metrics.horizontalAdvance(QLatin1Char(' ')); // the selected line break
        }
        const QRectF band(left, top, right - left, lineHeight);
        painter.fillRect(band, colours.color(QPalette::Highlight));
        painter.save();
        painter.setClipRect(band);
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(baseline, shown);
        painter.restore();
    }
}

std::size_t TextPane::OffsetAt(QPointF position) const {
    const double row = std::floor((position.y() - kMargin) / LineHeight());
    const double line = std::clamp(verticalScrollBar()->value() + row, 0.0,
                                   static_cast<double>(lineStarts_.size() - 1));
    const auto index = static_cast<std::size_t>(line);
    const std::size_t begin = LineBegin(index);
    const std::size_t end = LineEnd(index);
    const QFontMetricsF metrics(font());
    const double target = position.x() - kMargin + horizontalScrollBar()->value();
    double reached = 0;
    for (std::size_t at = begin; at < end; ++at) {
        const double advance = metrics.horizontalAdvance(QLatin1Char(text_[at]));
        if (target < reached + advance / 2) {
            return at;
        }
        reached += advance;
    }
    return end;
}

void TextPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TextPane::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateScrollBars();
    }
}

void TextPane::mousePressEvent(QMouseEvent* event) {
    if (onMouseActivity) {
        onMouseActivity();
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    cursor_ = OffsetAt(event->position());
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        anchor_ = cursor_;
    }
    selecting_ = true;
    viewport()->update();
}

void TextPane::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseActivity) {
        onMouseActivity();
    }
    if (!selecting_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    // Dragging past the top or bottom edge scrolls a line at a time.
    if (event->position().y() < 0) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else if (event->position().y() > viewport()->height()) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    cursor_ = OffsetAt(event->position());
    viewport()->update();
}

void TextPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !selecting_) {
        return;
    }
    selecting_ = false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (anchor_ != cursor_ && clipboard->supportsSelection()) {
        clipboard->setText(QString::fromLatin1(SelectedText()), QClipboard::Selection);
    }
}

void TextPane::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        Copy();
    } else if (event == QKeySequence::SelectAll) {
        SelectAll();
    } else if (event == QKeySequence::MoveToStartOfDocument) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event == QKeySequence::MoveToEndOfDocument) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TextPane::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), this, &TextPane::Copy);
    copy->setEnabled(anchor_ != cursor_);
    menu.addAction(tr("Select All"), this, &TextPane::SelectAll);
    menu.exec(event->globalPos());
}

} // namespace spirolan
