// Helpers of the record tests: a scratch directory, a shell that records
// its messages and writes the running record as the main window does, and a
// snapshot of the whole game to tell whether a load changed it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Util.h"
#include "board/Hooks.h"
#include "records/Kifu.h"

namespace vorn::test {

// A shell for the readers: moves go to board 0 and, while the running record
// is on, into it (as the main window's move entry does); messages are kept.
class TRecordingShell : public TShellHooks {
public:
    bool BanUtu(int x, int y, int noAnalyze) override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
    int banUtuCalls = 0;
};

class RecordsTest : public VornTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // A path in the scratch directory.
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    void WriteText(const std::string& name, const std::string& bytes) const;
    std::string ReadText(const std::string& name) const;
    // Plays moves on board 0 through the shell, (0, 0) a pass.
    void Play(const std::vector<Point>& moves);
    // Plays count random legal moves, a pass instead where passAt(i) holds.
    void PlayRandom(int count, const std::function<bool(int)>& passAt = nullptr);
    // Loads a record the way the main window does; false when refused.
    bool Load(const std::string& name) { return KifuLoadHeader(Path(name)) && KifuLoad(Path(name)); }
    bool LoadText(const std::string& name, const std::string& bytes)
    {
        WriteText(name, bytes);
        return Load(name);
    }
    TRecordingShell shell;

private:
    std::string dir_;
};

// Everything a load may change: size, handicap (the board's and the file's),
// stones, the record with its comments and marks, setup stones and the game
// strings.
std::string GameSnapshot();
// The moves of board 0's record as "B(4,4) W(pass) ...".
std::string MoveList();

} // namespace vorn::test
