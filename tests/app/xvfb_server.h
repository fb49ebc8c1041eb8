// A private Xvfb server for the tests that need a real X display.
#pragma once

#include <QProcess>

#include <string>

namespace spirolan::test {

/// Starts Xvfb on a free display number (Xvfb picks it and reports it through -displayfd) and
/// stops it again when destroyed.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();

    /// The display name (":N"), or empty when the server did not come up; then `Error()` says why.
    const std::string& Display() const { return display_; }
    const std::string& Error() const { return error_; }

private:
    QProcess process_;
    std::string display_;
    std::string error_;
};

} // namespace spirolan::test
