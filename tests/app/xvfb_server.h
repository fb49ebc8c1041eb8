// A private Xvfb server for the tests that need a real X display.
#pragma once

#include <string>
#include <sys/types.h>

namespace spirolan::test {

/// Starts Xvfb on a free display number (Xvfb picks it and reports it through -displayfd) and
/// stops it again when destroyed.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    /// Whether the Xvfb program is on the PATH at all.
    bool Installed() const { return installed_; }
    /// The display name (":N"), or empty when the server did not come up; then `Error()` says why.
    const std::string& Display() const { return display_; }
    const std::string& Error() const { return error_; }

private:
    bool installed_ = false;
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};

} // namespace spirolan::test
