#include "GnuGo.h"

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pty.h>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vorn::test {

bool GnuGo::Available()
{
    return std::system("PATH=\"$PATH:/usr/games\" command -v gnugo >/dev/null 2>&1") == 0;
}

GnuGo::~GnuGo()
{
    if (pid_ > 0) {
        const std::string quit = "quit\n";
        (void)!write(toChild_, quit.data(), quit.size());
        close(toChild_);
        close(fromChild_);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
}

bool GnuGo::Start(int size, const std::string& extraArgs)
{
    size_ = size;
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        return false;
    signal(SIGPIPE, SIG_IGN);
    pid_ = fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[1]);
        close(out[0]);
        const std::string cmd = "PATH=\"$PATH:/usr/games\" exec gnugo --mode gtp --boardsize " + std::to_string(size) + " " + extraArgs;
        execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
    std::string answer;
    return TryCommand("name", answer);
}

std::string GnuGo::ReadResponse()
{
    for (;;) {
        const auto end = buffer_.find("\n\n");
        if (end != std::string::npos) {
            std::string r = buffer_.substr(0, end);
            buffer_.erase(0, end + 2);
            return r;
        }
        char chunk[4096];
        const ssize_t n = read(fromChild_, chunk, sizeof chunk);
        if (n <= 0)
            throw std::runtime_error("gnugo closed its output");
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

bool GnuGo::TryCommand(const std::string& command, std::string& answer)
{
    const std::string line = command + "\n";
    if (write(toChild_, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        throw std::runtime_error("cannot write to gnugo");
    std::string r = ReadResponse();
    const bool ok = !r.empty() && r[0] == '=';
    answer = r.size() > 2 ? r.substr(2) : std::string();
    while (!answer.empty() && std::isspace(static_cast<unsigned char>(answer.back())))
        answer.pop_back();
    return ok;
}

std::string GnuGo::Command(const std::string& command)
{
    std::string answer;
    if (!TryCommand(command, answer))
        throw std::runtime_error("gnugo refused \"" + command + "\": " + answer);
    return answer;
}

std::string GnuGo::Vertex(Point p) const
{
    if (p.x == 0)
        return "pass";
    const char letters[] = "ABCDEFGHJKLMNOPQRST";
    return std::string(1, letters[p.x - 1]) + std::to_string(size_ + 1 - p.y);
}

Point GnuGo::FromVertex(const std::string& v) const
{
    if (v.empty() || v == "pass" || v == "PASS")
        return Point();
    const char letters[] = "ABCDEFGHJKLMNOPQRST";
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(v[0])));
    int x = 0;
    for (int i = 0; i < 19; ++i)
        if (letters[i] == c)
            x = i + 1;
    const int row = std::atoi(v.c_str() + 1);
    return Point(x, size_ + 1 - row);
}

PtyPair::PtyPair()
{
    char path[256] = {};
    if (openpty(&master, &slave, path, nullptr, nullptr) != 0) {
        master = slave = -1;
        return;
    }
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);
    name = path;
    for (int fd : {master, slave}) {
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}

PtyPair::~PtyPair()
{
    CloseSlave();
    if (master >= 0)
        close(master);
}

void PtyPair::CloseSlave()
{
    if (slave >= 0)
        close(slave);
    slave = -1;
}

GnuGoGmp::~GnuGoGmp() { Kill(); }

bool GnuGoGmp::Start(int fd, const std::string& args)
{
    signal(SIGPIPE, SIG_IGN);
    pid_ = fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {
        dup2(fd, 0);
        dup2(fd, 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, 2);
        const std::string cmd = "PATH=\"$PATH:/usr/games\" exec gnugo --mode gmp " + args;
        execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

bool GnuGoGmp::Wait(int ms)
{
    if (pid_ <= 0)
        return true;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return true;
        }
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void GnuGoGmp::Kill()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

} // namespace vorn::test
