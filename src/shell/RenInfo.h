// TRenInfo: the chain information window (連情報) of the developer views.
// It lists everything the model holds about one chain of the current level's
// board: its stones, neighbours of each kind, group, dead mark, the adjacent
// and linked chains, the liberties and the ladder status; its ladder button
// draws the chain's stored ladder sequence on the main board (board 0) as an
// overlay that the next repaint removes.  Points are written "column-row"
// (4-16).  Captions are Japanese in every language.
#pragma once

#include <string>
#include <vector>

#include "board/Point.h"
#include "shell/SideWindow.h"

namespace vorn {

class TMainCtl;

// A point of the chain window's lists: "4-16".
std::string RenPointText(Point p);
// The colour word of the information windows: "空", "黒" or "白".
std::string IroText(int colour);

class TRenInfo : public TSideForm {
public:
    explicit TRenInfo(TMainCtl& main) : main_(main) {}
    TRenInfo(const TRenInfo&) = delete;
    TRenInfo& operator=(const TRenInfo&) = delete;

    // Fills the fields for chain n of the current level's board; nothing
    // happens when there is no chain n.
    void ShowRen(int n);
    // Draws the stored ladder sequence of the chain numbered in edtRenNo on
    // board 0, starting with the chain's colour when it is in atari and with
    // the attacker's when it has two liberties; the colours alternate.
    // Nothing when board 0 has no chain of that number.
    void btnSichoClick();

    // The controls in the window's order.
    std::vector<TInfoControl> Controls();

    std::string edtRenNo, edtIsiSu, edtIsiIro, edtKuu, edtKuro, edtSiro, edtHen, edtGunNo, edtDeath;
    std::vector<std::string> lstYoso, lstMren, lstGren, lstRkuu;
    // The ladder button's caption is the chain's ladder status.
    std::string btnSicho;
    std::vector<std::string> lstSicho;

    static constexpr const char* kCaption = "連情報";
    static constexpr TSideGeometry kDesign{475, 98, 341, 254};

private:
    TMainCtl& main_;
};

} // namespace vorn
