// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic of the shape generators: every failure of a computation becomes one flag.
#pragma once

#include "core/cam_job.h"

#include <cmath>

namespace spirolan {

/// Collects the failures of one generation: a division by zero, the square root of a negative
/// number (or of no number), a result that is not finite (overflow). Failures are detected by
/// explicit tests, never by floating-point exception flags. After the first failure the values
/// returned are meaningless; callers test Failed() before they store anything.
class ShapeGuard {
public:
    /// `value`, marking a failure when it is infinite or not a number.
    double Finite(double value) {
        if (!std::isfinite(value)) {
            failed_ = true;
        }
        return value;
    }

    /// `dividend` / `divisor`; a divisor of 0 is a failure (and returns 0 without dividing).
    double Divide(double dividend, double divisor) {
        if (divisor == 0) {
            failed_ = true;
            return 0;
        }
        return Finite(dividend / divisor);
    }

    /// Square root; a negative argument or one that is not a number is a failure (returns 0).
    double Sqrt(double value) {
        if (!(value >= 0)) {
            failed_ = true;
            return 0;
        }
        return Finite(std::sqrt(value));
    }

    /// Stores `value` into `field` unless a failure has happened; returns false after a failure.
    bool Store(OptionalNumber& field, double value) {
        if (failed_) {
            return false;
        }
        field = value;
        return true;
    }

    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

} // namespace spirolan
