// SPDX-License-Identifier: GPL-3.0-or-later
// TextPane: a read-only view of a long CAF text that paints only the lines in sight.
#pragma once

#include <QAbstractScrollArea>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace spirolan {

/// A read-only text box for the cam texts, fast for a Mode-B text of a million lines: taking a
/// new text costs one scan for its line starts, and painting draws only the visible lines. The
/// text is kept byte for byte as given (lines end with CR LF or LF; each byte shows as its
/// Latin-1 character). The user can select with the pointer (Shift extends), select all
/// (Ctrl+A) and copy (Ctrl+C, or the context menu); a copy is the selected bytes as held.
class TextPane final : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextPane(QWidget* parent = nullptr);

    /// Replaces the text and clears the selection; the view goes back to the first line.
    void SetText(std::string text);
    const std::string& Text() const { return text_; }
    bool IsEmpty() const { return text_.empty(); }

    /// Lines as shown: one more than the line breaks (an empty last line after a final CR LF).
    std::size_t LineCount() const { return lineStarts_.size(); }

    /// Selects the bytes from `from` to `to` (either order, held within the text).
    void Select(std::size_t from, std::size_t to);
    void SelectAll();
    std::string SelectedText() const;
    /// Puts the selected text on the clipboard; nothing happens without a selection.
    void Copy() const;

    /// Called on every pointer move or button press over the pane.
    std::function<void()> onMouseActivity;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Byte range of a line's characters, its line break left out.
    std::size_t LineBegin(std::size_t line) const { return lineStarts_[line]; }
    std::size_t LineEnd(std::size_t line) const;
    std::size_t OffsetAt(QPointF position) const;
    int LineHeight() const;
    std::size_t VisibleLines() const;
    void UpdateScrollBars();

    std::string text_;
    std::vector<std::size_t> lineStarts_{0};
    std::size_t longestLine_ = 0;
    std::size_t anchor_ = 0;
    std::size_t cursor_ = 0;
    bool selecting_ = false;
};

} // namespace spirolan
