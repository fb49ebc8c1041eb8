// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic of the shape generators: every failure of a computation becomes one flag.
#pragma once

#include "core/cam_job.h"
#include "core/failure_causes.h"

#include <cmath>

namespace spirolan {

/// Collects the failures of one generation: a division by zero, the square root of a negative
/// number (or of no number), a result that is not finite (overflow). Failures are detected by
/// explicit tests, never by floating-point exception flags. After the first failure the values
/// returned are meaningless; callers test Failed() before they store anything. The first
/// failure's site is kept for its cause.
class ShapeGuard {
public:
    /// `value`, marking a failure when it is infinite or not a number.
    double Finite(double value) {
        if (!std::isfinite(value)) {
            Fail(FailureSite::Overflow);
        }
        return value;
    }

    /// `dividend` / `divisor`; a divisor of 0 is a failure at `site` (and returns 0 without
    /// dividing).
    double Divide(double dividend, double divisor, FailureSite site) {
        if (divisor == 0) {
            Fail(site);
            return 0;
        }
        return Finite(dividend / divisor);
    }

    /// Square root; a negative argument or one that is not a number is a failure at `site`
    /// (returns 0).
    double Sqrt(double value, FailureSite site) {
        if (!(value >= 0)) {
            Fail(site);
            return 0;
        }
        return Finite(std::sqrt(value));
    }

    /// Stores `value` into `field` unless a failure has happened; returns false after a failure.
    bool Store(OptionalNumber& field, double value) {
        if (Failed()) {
            return false;
        }
        field = value;
        return true;
    }

    bool Failed() const { return site_ != FailureSite::None; }
    FailureSite Site() const { return site_; }

private:
    void Fail(FailureSite site) {
        if (site_ == FailureSite::None) {
            site_ = site;
        }
    }

    FailureSite site_ = FailureSite::None;
};

} // namespace spirolan
