// TGameKeep: the game as it stands, kept so that an operation that fails
// half-way can leave it as it found it: board 0's stones and move record,
// the board size and handicap, the setup stones and the record header.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/Array.h"
#include "board/Tejun.h"

namespace vorn {

class TGameKeep {
public:
    // Takes the game as it stands now.
    TGameKeep();
    // Board 0 or its record differ from what was kept.
    bool Changed() const;
    // Puts the kept game back on board 0 at level 0 (chains rebuilt, nothing
    // analysed).
    void Restore() const;

private:
    int size_;
    int handicap_;
    Grid<std::uint8_t, 0, 20> ban_;
    TTejun tejun_;
    Grid<unsigned char, 1, 19> haiti_;
    std::array<std::string, 11> header_;
};

} // namespace vorn
