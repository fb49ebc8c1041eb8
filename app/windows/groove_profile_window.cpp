// SPDX-License-Identifier: GPL-3.0-or-later
// The Groove Profile window.
#include "app/windows/groove_profile_window.h"

#include "app/shell/settings_store.h"
#include "graphics/graph_style.h"
#include "graphics/groove_profile.h"
#include "graphics/pointer_readout.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace spirolan {
namespace {

constexpr std::array<const char*, 4> kPlaceKeys{"ProfileLeft", "ProfileTop", "ProfileWidth",
                                                "ProfileHeight"};

// The stored place, when all four keys hold whole numbers and the size is usable.
std::optional<QRect> StoredPlace(const QString& settingsPath) {
    std::array<int, 4> values{};
    for (size_t i = 0; i < kPlaceKeys.size(); ++i) {
        const std::optional<std::string> text = ReadSetting(settingsPath, kPlaceKeys[i]);
        bool ok = false;
        values[i] = text ? QString::fromStdString(*text).toInt(&ok) : 0;
        if (!ok) {
            return std::nullopt;
        }
    }
    if (values[2] < 100 || values[3] < 100) {
        return std::nullopt;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

} // namespace

GrooveProfileWindow::GrooveProfileWindow(QString settingsPath, QWidget* parent)
    : QWidget(parent, Qt::Window), settingsPath_(std::move(settingsPath)),
      surface_(new GraphSurfaceWidget(9, QColor(192, 192, 192), this)), readout_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Groove Profile"));
    setObjectName(QStringLiteral("GrooveProfile"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(surface_, 1);
    layout->addWidget(readout_);
    surface_->setMouseTracking(true);
    surface_->onPointerMove = [this](float x, float y) {
        const PointerReadout readout = GrooveProfileReadout(x, y);
        readout_->setText(QString::fromStdString(readout.Line1 + "  " + readout.Line2 + " mm"));
    };
    if (const std::optional<QRect> place = StoredPlace(settingsPath_)) {
        setGeometry(*place);
    } else {
        resize(900, 420);
    }
}

void GrooveProfileWindow::Follow(const CamJob& job) {
    job_ = job;
    Redraw();
}

void GrooveProfileWindow::Redraw() {
    DrawGrooveProfile(job_, *surface_, surface_->width(), surface_->height(), kScreenStyle);
}

void GrooveProfileWindow::SavePlace() const {
    const QRect place = geometry();
    const std::array<int, 4> values{place.x(), place.y(), place.width(), place.height()};
    for (size_t i = 0; i < kPlaceKeys.size(); ++i) {
        WriteSetting(settingsPath_, kPlaceKeys[i], std::to_string(values[i]));
    }
}

void GrooveProfileWindow::closeEvent(QCloseEvent* event) {
    SavePlace();
    event->accept();
}

void GrooveProfileWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Redraw();
}

} // namespace spirolan
