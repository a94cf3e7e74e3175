#include "GnuGo.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <fcntl.h>
#include <pty.h>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "board/Diagram.h"

namespace vorn::test {

namespace {

enum class EMode { kLive, kReplay, kRecord };

bool Installed()
{
    static const bool installed
        = std::system("PATH=\"$PATH:/usr/games\" command -v gnugo >/dev/null 2>&1") == 0;
    return installed;
}

EMode Mode()
{
    const char* m = std::getenv("VORN_GNUGO");
    const std::string mode = m == nullptr ? "" : m;
    if (mode == "replay")
        return EMode::kReplay;
    if (mode == "record")
        return EMode::kRecord;
    if (mode == "live")
        return EMode::kLive;
    return Installed() ? EMode::kLive : EMode::kReplay;
}

// Commands whose plain "=" is not kept: they only set up what the answers
// that follow depend on.
bool Silent(const std::string& command)
{
    return command.rfind("play ", 0) == 0 || command.rfind("boardsize ", 0) == 0 || command == "clear_board"
           || command.rfind("komi ", 0) == 0;
}

// File names in commands are kept without their directory: a test writes
// its files to a fresh directory on every run.
std::string Key(const std::string& command)
{
    for (const char* verb : {"loadsgf ", "printsgf "}) {
        const std::string v = verb;
        if (command.rfind(v, 0) == 0) {
            std::istringstream words(command.substr(v.size()));
            std::string file, rest, word;
            words >> file;
            while (words >> word)
                rest += " " + word;
            return v + std::filesystem::path(file).filename().string() + rest;
        }
    }
    return command;
}

std::string Escape(const std::string& s)
{
    std::string out;
    for (char ch : s) {
        if (ch == '\\')
            out += "\\\\";
        else if (ch == '\n')
            out += "\\n";
        else if (ch == '\t')
            out += "\\t";
        else
            out += ch;
    }
    return out;
}

std::string Unescape(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char n = s[++i];
        out += n == 'n' ? '\n' : n == 't' ? '\t' : n;
    }
    return out;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

std::string SourceDir()
{
    if (const char* src = std::getenv("VORN_SOURCE_DIR"); src != nullptr && *src != '\0')
        return src;
    return std::filesystem::path(__FILE__).parent_path().parent_path().string();
}

// The transcript of the running test: read for a replay, written for a
// recording.  One per test, its sessions one after another.
class TTranscript {
public:
    static TTranscript& Of()
    {
        static TTranscript t;
        t.Open();
        return t;
    }

    static std::string PathOf(const std::string& test)
    {
        std::string name = test;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '.' && ch != '_')
                ch = '_';
        return SourceDir() + "/tests/problems/gnugo/" + name + ".gtp";
    }

    static std::string RunningTest()
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return info == nullptr ? std::string("none") : std::string(info->test_suite_name()) + "." + info->name();
    }

    // Replay: the next exchange, which must be for this key.
    bool Next(const std::string& key, std::string& answer)
    {
        while (next_ < lines_.size() && (lines_[next_].empty() || lines_[next_][0] == '#'))
            ++next_;
        const std::string where = path_ + ":" + std::to_string(next_ + 1);
        if (next_ >= lines_.size())
            throw std::runtime_error("GNU Go's recorded answers " + where + " end before \"" + key
                                     + "\": our side has changed its course (with gnugo installed, "
                                       "VORN_GNUGO=record records them anew)");
        const std::string& line = lines_[next_++];
        const std::size_t tab = line.find('\t');
        const std::string recorded = line.substr(0, tab);
        if (recorded != key)
            throw std::runtime_error("GNU Go's recorded answers " + where + " expect \"" + recorded
                                     + "\", the test asked \"" + key
                                     + "\": our side has changed its course (with gnugo installed, "
                                       "VORN_GNUGO=record records them anew)");
        if (tab == std::string::npos || tab + 1 >= line.size()) {
            answer.clear();
            return true;
        }
        answer = Unescape(line.substr(tab + 2));
        return line[tab + 1] == '=';
    }

    // Record: one exchange.
    void Write(const std::string& key, bool ok, const std::string& answer)
    {
        if (quiet_ > 0)
            return;
        out_ << key;
        if (!answer.empty() || key.rfind("start ", 0) != 0)
            out_ << '\t' << (ok ? '=' : '?') << Escape(answer);
        out_ << '\n';
        out_.flush();
    }

    bool Exists() const { return !lines_.empty(); }
    int quiet_ = 0; // inside a derived answer: its commands are not kept

private:
    void Open()
    {
        const std::string test = RunningTest();
        if (test == test_)
            return;
        test_ = test;
        path_ = PathOf(test);
        next_ = 0;
        lines_.clear();
        out_.close();
        if (Mode() == EMode::kRecord) {
            std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
            out_.open(path_, std::ios::binary | std::ios::trunc);
            out_ << "# GNU Go's answers to " << test << ", recorded by the test with VORN_GNUGO=record\n";
            return;
        }
        std::ifstream in(path_, std::ios::binary);
        for (std::string line; std::getline(in, line);)
            lines_.push_back(line);
    }

    std::string test_;
    std::string path_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::ofstream out_;
};

} // namespace

bool GnuGo::Available()
{
    if (Mode() != EMode::kReplay)
        return Installed();
    return TTranscript::Of().Exists();
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
    const std::string key = "start " + std::to_string(size) + (extraArgs.empty() ? "" : " " + extraArgs);
    if (Mode() == EMode::kReplay) {
        std::string answer;
        return TTranscript::Of().Next(key, answer);
    }
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
    if (!LiveCommand("name", answer))
        return false;
    if (Mode() == EMode::kRecord)
        TTranscript::Of().Write(key, true, "");
    return true;
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

bool GnuGo::LiveCommand(const std::string& command, std::string& answer)
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

bool GnuGo::TryCommand(const std::string& command, std::string& answer)
{
    const bool printsgf = command.rfind("printsgf ", 0) == 0;
    const std::string file = printsgf ? command.substr(9) : std::string();
    if (Mode() == EMode::kReplay) {
        if (Silent(command)) {
            answer.clear();
            return true;
        }
        const bool ok = TTranscript::Of().Next(Key(command), answer);
        // The file that GNU Go printed is kept as the answer.
        if (printsgf && ok) {
            WriteFile(file, answer);
            answer.clear();
        }
        return ok;
    }
    const bool ok = LiveCommand(command, answer);
    if (Mode() == EMode::kRecord && !(ok && answer.empty() && Silent(command)))
        TTranscript::Of().Write(Key(command), ok, printsgf && ok ? ReadFile(file) : answer);
    return ok;
}

std::string GnuGo::Command(const std::string& command)
{
    std::string answer;
    if (!TryCommand(command, answer))
        throw std::runtime_error("gnugo refused \"" + command + "\": " + answer);
    return answer;
}

std::string GnuGo::Derived(const std::string& label, const std::function<std::string()>& ask)
{
    const std::string key = "derived " + label;
    if (Mode() == EMode::kReplay) {
        std::string answer;
        TTranscript::Of().Next(key, answer);
        return answer;
    }
    TTranscript& t = TTranscript::Of();
    ++t.quiet_;
    std::string answer;
    try {
        answer = ask();
    } catch (...) {
        --t.quiet_;
        throw;
    }
    --t.quiet_;
    if (Mode() == EMode::kRecord)
        t.Write(key, true, answer);
    return answer;
}

bool GnuGo::WriteGame(const std::string& args, const std::string& file)
{
    const std::string key = "game " + args;
    if (Mode() == EMode::kReplay) {
        std::string text;
        return TTranscript::Of().Next(key, text) && WriteFile(file, text);
    }
    const std::string cmd = "PATH=\"$PATH:/usr/games\" gnugo " + args + " -o " + file + " </dev/null >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0)
        return false;
    if (Mode() == EMode::kRecord)
        TTranscript::Of().Write(key, true, ReadFile(file));
    return true;
}

std::string GnuGo::Vertex(Point p) const { return GtpVertex(p, size_); }

Point GnuGo::FromVertex(const std::string& v) const
{
    Point p;
    return ParseGtpVertex(v, p, size_) ? p : Point();
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
