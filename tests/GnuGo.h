// GNU Go as an independent reference, driven over its text protocol.
//
// Where gnugo is installed the tests ask it live.  Its answers are also kept
// as data, one transcript per test under tests/problems/gnugo/, so that the
// same tests check the same answers where it is not: the test then runs
// against the transcript, which must see the very commands it recorded (a
// different command means our side has changed its course, and fails the
// test).  VORN_GNUGO chooses: "live", "replay", or "record" (live, and the
// transcripts written anew); without it, live when gnugo runs, else replay.
#pragma once

#include <functional>
#include <string>

#include "board/Point.h"

namespace vorn::test {

class GnuGo {
public:
    GnuGo() = default;
    ~GnuGo();
    GnuGo(const GnuGo&) = delete;
    GnuGo& operator=(const GnuGo&) = delete;

    // Starts "gnugo --mode gtp" on a board of the given size; false when the
    // program cannot be started.
    bool Start(int size, const std::string& extraArgs = "");
    // Sends one command; answers the response text after "= " (throws on "? ").
    std::string Command(const std::string& command);
    // Same, but answers false instead of throwing on an error response.
    bool TryCommand(const std::string& command, std::string& answer);
    // An answer that the test puts together from many commands (a whole
    // board's liberties): asked live, kept in the transcript as one answer
    // under the label, and replayed without asking.
    std::string Derived(const std::string& label, const std::function<std::string()>& ask);

    // Our point as a protocol vertex ("D4"); a pass for (0, 0).
    std::string Vertex(Point p) const;
    Point FromVertex(const std::string& v) const;

    // GNU Go can answer the running test: live, or from its transcript.
    static bool Available();
    // GNU Go plays a whole game by itself ("gnugo <args> -o file"); replayed,
    // the recorded file is written.  False when that fails.
    static bool WriteGame(const std::string& args, const std::string& file);

private:
    int size_ = 19;
    int pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffer_;
    std::string ReadResponse();
    bool LiveCommand(const std::string& command, std::string& answer);
};

// A pseudo-terminal pair made for a test: the program opens the slave side
// by its name, a peer talks on the master side.  Both start in raw mode.
struct PtyPair {
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;
    void CloseSlave();
    int master = -1;
    int slave = -1;
    std::string name;  // the slave's path
};

// GNU Go in Go Modem Protocol mode with its standard input and output on a
// descriptor (the master side of a pseudo-terminal).
class GnuGoGmp {
public:
    GnuGoGmp() = default;
    ~GnuGoGmp();
    GnuGoGmp(const GnuGoGmp&) = delete;
    GnuGoGmp& operator=(const GnuGoGmp&) = delete;
    // Starts "gnugo --mode gmp" with the arguments; false when it cannot.
    bool Start(int fd, const std::string& args);
    // Waits up to ms for it to end; true when it has.
    bool Wait(int ms);
    // Ends it at once.
    void Kill();

private:
    int pid_ = -1;
};

} // namespace vorn::test
