// SPDX-License-Identifier: GPL-3.0-or-later
// The Groove Profile window: the job's groove to scale beside the main window, with a read-out.
#pragma once

#include "app/widgets/graph_surface_widget.h"
#include "core/cam_job.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace spirolan {

/// A window of its own (not modal) that draws one lead pitch of the job's groove with equal
/// millimetres on both axes and reads out Z and XS under the pointer. Its place is read from the
/// settings file when it opens and written there when it closes ("ProfileLeft", "ProfileTop",
/// "ProfileWidth", "ProfileHeight", in pixels).
class GrooveProfileWindow final : public QWidget {
    Q_OBJECT
public:
    explicit GrooveProfileWindow(QString settingsPath, QWidget* parent = nullptr);

    /// Shows the groove of `job` from now on (a copy: the job may change without a new groove).
    void Follow(const CamJob& job);
    /// Writes the window's place to the settings file.
    void SavePlace() const;

    GraphSurfaceWidget& Surface() { return *surface_; }
    const QLabel& Readout() const { return *readout_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();

    CamJob job_;
    QString settingsPath_;
    GraphSurfaceWidget* surface_;
    QLabel* readout_;
};

} // namespace spirolan
