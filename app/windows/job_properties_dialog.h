// SPDX-License-Identifier: GPL-3.0-or-later
// JobPropertiesDialog: the job's part number and note, kept in its job document.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace spirolan {

/// "Job Properties": the part number (`txtPart`, one line) and a note of several lines
/// (`txtNotes`), pre-filled as given. OK (`Command1`) hands both to `accepted` and closes;
/// Cancel (`Command2`) closes and changes nothing.
class JobPropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    using Accepted = std::function<void(std::string part, std::string notes)>;
    JobPropertiesDialog(const std::string& part, const std::string& notes, Accepted accepted,
                        QWidget* parent = nullptr);

private:
    QLineEdit* part_;
    QPlainTextEdit* notes_;
    Accepted accepted_;
};

/// Creates the dialog fresh over `parent` and shows it modal; it deletes itself on closing.
JobPropertiesDialog* OpenJobProperties(const std::string& part, const std::string& notes,
                                       JobPropertiesDialog::Accepted accepted, QWidget* parent);

} // namespace spirolan
