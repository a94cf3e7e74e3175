// Helpers of the Go-server link tests: a connection that records what is
// written, and the server's move lines as it writes them.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "net/NngsProtocol.h"

namespace vorn::test {

// Records every write; open until closed.
class TRecordingNngsTransport : public TNngsTransport {
public:
    bool Write(const std::string& bytes) override
    {
        if (!open)
            return false;
        writes.push_back(bytes);
        return true;
    }
    bool IsOpen() const override { return open; }
    void Connect(const std::string& host, int port) override { connectedTo = host + ":" + std::to_string(port); }
    void Close() override { open = false; }
    // Everything written since the last call, joined, then forgotten.
    std::string Take()
    {
        std::string all;
        for (const std::string& w : writes)
            all += w;
        writes.clear();
        return all;
    }
    bool open = true;
    std::vector<std::string> writes;
    std::string connectedTo;
};

// The header of game g and its move line "%3d(%c): move", then the prompt.
inline std::string NngsMoveLines(int g, int n, char colour, const std::string& move)
{
    char line[64];
    std::snprintf(line, sizeof line, "15 %3d(%c): ", n, colour);
    return "15 Game " + std::to_string(g) + " I: bob (0 2400 -1) vs me (0 2400 -1)\r\n" + line + move + "\r\n1 6\r\n";
}

} // namespace vorn::test
