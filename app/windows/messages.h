// SPDX-License-Identifier: GPL-3.0-or-later
// The program's modal message boxes: one OK button, a caption and an icon.
#pragma once

#include <QMessageBox>
#include <QString>

#include <string_view>

namespace spirolan {

/// The application title, the caption of messages that have none of their own.
inline const QString kAppTitle = QStringLiteral("Spirolan");

/// A text of the libraries' tables (captions, messages) as a QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// Shows `text` in a modal box with `caption`, `icon` and one OK button, and returns when it is
/// dismissed. QMessageBox::Warning is the exclamation icon of refusals. A non-empty `informative`
/// text stands under `text`, saying more about it.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, const QString& informative = {});

} // namespace spirolan
