// THyokaF: the evaluation window (評価), a modeless side window that shows,
// on request, the engine's evaluation of the board of the current level and
// its terms for each colour.  Each report is thirteen lines appended to the
// window's memo, so successive positions can be compared until the memo is
// cleared.  The window's captions are Japanese in every language; its place
// is kept in section FormHyoka of VORN.INI.
#pragma once

#include <string>
#include <vector>

#include "shell/SideWindow.h"

namespace vorn {

// The thirteen lines of one report: the total from Black's side, then each
// colour's area (with the adjustment around weak groups), dead stones, weak
// groups, capturing races and reinforcements.  Evaluates the current level's
// analysis as it stands; the board is not analysed again.
std::vector<std::string> HyokaReport();

class THyokaF : public TSideForm {
public:
    // Appends one report to the memo.
    void mnuHyokaClick();
    // Empties the memo.
    void mnuClearClick() { Memo.clear(); }

    // The memo's lines.
    std::vector<std::string> Memo;

    static constexpr const char* kCaption = "評価";
    static constexpr const char* kHyokaCaption = "評価";
    static constexpr const char* kClearCaption = "クリア";
    static constexpr TSideGeometry kDefault{0, 0, 233, 200};
};

} // namespace vorn
