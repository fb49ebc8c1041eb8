// SPDX-License-Identifier: GPL-3.0-or-later
// The program's modal message boxes: one OK button, a caption and an icon.
#pragma once

#include <QMessageBox>
#include <QString>

#include <string>
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

/// The one form of a file command that failed: what failed, the file's name and the reason, as
/// in `Cannot open the job "a.spjob": the file is empty.` `action` is "open the job", `path` the
/// file (its name is shown), `reason` a clause (the file writer's, which starts with `path`,
/// without it); a system's reason such as "No space left on device" is written in lower case and
/// one full stop ends the message.
QString CannotMessage(const QString& action, const QString& path, QString reason);

} // namespace spirolan
