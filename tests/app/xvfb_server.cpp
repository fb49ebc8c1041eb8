// Starting and stopping a private Xvfb server.
#include "xvfb_server.h"

#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace spirolan::test {

XvfbServer::XvfbServer() {
    const std::string program =
        QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
    installed_ = !program.empty();
    if (!installed_) {
        error_ = "Xvfb is not on the PATH";
        return;
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        error_ = "no pipe for -displayfd";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The write end must survive exec under its own number; the server's chatter goes nowhere.
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words = {program,       "-displayfd", "3",   "-screen", "0",
                                      "1024x768x24", "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int spawned =
        posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(pipe[0]);
        error_ = "Xvfb could not be started";
        return;
    }
    // Xvfb writes the display number and a newline once it accepts connections.
    std::string number;
    pollfd readable{pipe[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && ::poll(&readable, 1, 20000) > 0) {
        char buffer[16];
        const ssize_t count = ::read(pipe[0], buffer, sizeof(buffer));
        if (count <= 0) {
            break;
        }
        number.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipe[0]);
    if (number.find('\n') == std::string::npos) {
        error_ = "Xvfb did not report a display number within 20 s";
        return;
    }
    display_ = ":" + number.substr(0, number.find('\n'));
}

XvfbServer::~XvfbServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

} // namespace spirolan::test
