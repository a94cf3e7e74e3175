// TJiInfo: the region information window (地情報) of the developer views.  It
// lists one region of the game board: its size, owner, group, eye value,
// false-eye verdict and counts, border value, seki, its vital points, and
// its points each followed by the marks the analysis left on it (legend
// beside the lists; "3,4*@" is a false eye holding a stone).  Captions are
// Japanese in every language.
#pragma once

#include <string>
#include <vector>

#include "board/Point.h"
#include "shell/SideWindow.h"

namespace vorn {

class TJi;

// Point i of the region with its marks: at most one of "*" (false eye),
// "+" (possibly false) and "x" (no eye), then "@" (stone), "%" (border),
// "&" (three empty sides), then "p" or "q" (dividing point, or possibly).
std::string JiPointText(const TJi& ji, int i);
// A false-eye verdict as the window writes it: "Yes", "Kamo", "No",
// "NotMe", "--" for none.
std::string KakemeText(int verdict);

class TJiInfo : public TSideForm {
public:
    // Fills the fields for region n of board 0 (the game board); nothing
    // happens when board 0 has no region n.
    void ShowJi(int n);

    // The controls in the window's order, the legend last.
    std::vector<TInfoControl> Controls();

    std::string edtJiNo, edtJisu, edtIsiIro, edtGunNo, edtMe, edtKakeme, edtKakemeSu, edtKakemeKamoSu, edtBorder,
        edtSeki;
    std::vector<std::string> lstYoso, lstPartLocate;

    static constexpr const char* kCaption = "地情報";
    static constexpr TSideGeometry kDesign{250, 145, 205, 258};
};

} // namespace vorn
