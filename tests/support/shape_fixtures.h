// SPDX-License-Identifier: GPL-3.0-or-later
// Shared inputs and text probes of the shape generator tests.
#pragma once

#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"

#include <string>

namespace spirolan::testing_support {

/// Shape 1 reference groove: Nose-R 0.2, PITCH 3.6, WIDTH 0.5, diameters 10 / 8.8, angles 60,
/// R 0.3 / 0.4 / 0.4 / 0.3, one lead, Start XS 0, External.
Shape1Input ReferenceGroove();

/// Shape 2 reference: Nose-R 0.2, PITCH 2, diameters 10 / 9, R 0.3 / 0.6, one lead, External.
Shape2Input ReferenceBall();

/// Shape 3 reference: Nose-R 0.2, PITCH 3.6, WIDTH 1, diameters 10 / 8.8, Angle 1 60, R 0.4 / 1,
/// one lead, External.
Shape3Input ReferenceShape3();

/// Data line `index` (C = index degrees) of a Mode-A text, without its CR LF.
std::string DataLine(const std::string& modeAText, int index);

/// The job left by the reference groove's OK with spindle speed 1000.
CamJob ReferenceGrooveJob();

/// The job left by the reference groove with Nose-R 0.5 and R 2 = R 3 = 0.2: concave corners
/// smaller than the nose, made all the same, the cut leaving the typed groove.
CamJob GougingGrooveJob();

/// Number of CR LF ended lines of a text.
int LineCount(const std::string& text);

} // namespace spirolan::testing_support
