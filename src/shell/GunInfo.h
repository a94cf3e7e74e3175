// TGunInfo: the group information window (群情報) of the developer views.
// It lists everything the model holds about one group of the current
// level's board (its chains, stones, regions, relation entries, breathing
// points, eyes, status, liberties, neighbours, races and links), and its
// four buttons run engine routines on the game board's group of the shown
// number and draw their answers on the main board as an overlay: the moves
// that kill it, the moves that make it live, the attacker's capture
// sequence and the group's candidate area.  Points are written
// "column,row" (5,3).  Captions are Japanese in every language.
#pragma once

#include <string>
#include <vector>

#include "board/Point.h"
#include "shell/SideWindow.h"

namespace vorn {

class TGun;
class TMainCtl;

// A point of the group and region windows' lists: "5,3".
std::string GunPointText(Point p);

class TGunInfo : public TSideForm {
public:
    explicit TGunInfo(TMainCtl& main) : main_(main) {}
    TGunInfo(const TGunInfo&) = delete;
    TGunInfo& operator=(const TGunInfo&) = delete;

    // Fills every field for group n of the current level's board; nothing
    // happens when there is no group n.
    void ShowGun(int n);

    // The buttons, on board 0's group numbered in edtGunNo (nothing when
    // there is none).  Kill and live analyse board 0 again first and number
    // the moves found in red, without stones.
    void btnKorosuClick();
    void Button1Click();
    // The attacker fills the group's liberties: stones of the attacker's
    // colour numbered in order (the colour does not alternate).
    void btnToruTjnClick();
    // "X" in aqua on the group's candidate area, from the analysis as it
    // stands.
    void btnKohoClick();

    // The controls in the window's order.
    std::vector<TInfoControl> Controls();

    std::string edtGunNo, edtRenSu, edtIsiSu, edtIsiIro, edtJisu, edtKokyu, edtMe, edtDeath, edtDeathLevel,
        edtSmai, edtDame, edtKati, edtLost, edtWin, edtSeki, edtDeath1;
    std::vector<std::string> lstRen, lstJi, lstYoso, lstFrom, lstMgun, lstDameIn, lstDameOut, lstSemeai, lstLink;
    std::string btnToruTjn = "取手順", btnKoho = "候補範", btnSikatu = "殺す", Button1 = "生きる";

    static constexpr const char* kCaption = "群情報";
    static constexpr TSideGeometry kDesign{247, 386, 390, 309};
    // The longest capture sequence drawn.
    static constexpr int kMaxToruTejun = 30;

private:
    // Board 0's group numbered in edtGunNo, analysed again first when asked;
    // nullptr when there is none.
    const TGun* ShownGun(bool analyze);
    // The kill or live moves of the group, numbered in red.
    void SikatuDraw(bool kill);

    TMainCtl& main_;
};

} // namespace vorn
