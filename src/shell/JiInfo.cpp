#include "shell/JiInfo.h"

#include "board/Goban.h"
#include "board/Jisho.h"
#include "shell/GunInfo.h"

namespace vorn {

std::string JiPointText(const TJi& ji, int i)
{
    std::string text = GunPointText(ji.GetYoso(i));
    switch (ji.GetKind(i)) {
    case kKakemeYes: text += '*'; break;
    case kKakemeKamo: text += '+'; break;
    case kKakemeNotMe: text += 'x'; break;
    default: break;
    }
    if (ji.GetIsiMark(i) != 0)
        text += '@';
    if (ji.GetBorderMark(i) != 0)
        text += '%';
    if (ji.GetKuu3Mark(i) != 0)
        text += '&';
    if (ji.GetBunkatuMark(i) == kBunkatuP)
        text += 'p';
    else if (ji.GetBunkatuMark(i) == kBunkatuQ)
        text += 'q';
    return text;
}

std::string KakemeText(int verdict)
{
    switch (verdict) {
    case kKakemeYes: return "Yes";
    case kKakemeKamo: return "Kamo";
    case kKakemeNo: return "No";
    case kKakemeNotMe: return "NotMe";
    default: return "--";
    }
}

void TJiInfo::ShowJi(int n)
{
    const TJi* ji = n >= 1 && n <= kMaxJi ? GobanLv[0]->JiList.GetJi(n) : nullptr;
    if (ji == nullptr)
        return;
    using std::to_string;
    edtJiNo = to_string(n);
    edtJisu = to_string(ji->GetJisu());
    // A region of neither colour (in seki) leaves the owner as it was.
    if (ji->GetJiIro() == kKuro || ji->GetJiIro() == kSiro)
        edtIsiIro = ji->GetJiIro() == kKuro ? "黒" : "白";
    edtGunNo = to_string(ji->GetGunNo());
    edtMe = to_string(ji->GetMe());
    edtKakeme = KakemeText(ji->GetKakeme());
    edtKakemeSu = to_string(ji->GetKakemeSu());
    edtKakemeKamoSu = to_string(ji->GetKakemeKamoSu());
    edtBorder = to_string(ji->GetBorder());
    edtSeki = ji->GetSeki() != 0 ? "ｾｷ" : "";
    lstYoso.clear();
    for (int i = 1; i <= ji->GetJisu(); ++i)
        lstYoso.push_back(JiPointText(*ji, i));
    lstPartLocate.clear();
    for (int i = 1; i <= ji->GetPartLocateSu() && i <= kMaxPartLocate; ++i)
        lstPartLocate.push_back(GunPointText(ji->GetPartLocate(i)));
}

std::vector<TInfoControl> TJiInfo::Controls()
{
    using C = TInfoControl;
    return {
        {"edtJiNo", C::kEdit, "地番号", &edtJiNo},
        {"edtJisu", C::kEdit, "地の数", &edtJisu},
        {"edtIsiIro", C::kEdit, "地の色", &edtIsiIro},
        {"edtGunNo", C::kEdit, "群番号", &edtGunNo},
        {"edtMe", C::kEdit, "眼の数", &edtMe},
        {"edtKakeme", C::kEdit, "欠目", &edtKakeme},
        {"edtKakemeSu", C::kEdit, "数", &edtKakemeSu},
        {"edtKakemeKamoSu", C::kEdit, "", &edtKakemeKamoSu},
        {"edtBorder", C::kEdit, "境界線", &edtBorder},
        {"edtSeki", C::kEdit, "セキ", &edtSeki},
        {"lstYoso", C::kList, "要素", nullptr, &lstYoso},
        {"lstPartLocate", C::kList, "分割", nullptr, &lstPartLocate},
        {"lblLegend1", C::kLabel, "*欠目"},
        {"lblLegend2", C::kLabel, "+欠目ｶﾓ"},
        {"lblLegend3", C::kLabel, "@石"},
        {"lblLegend4", C::kLabel, "%境界"},
        {"lblLegend5", C::kLabel, "&空3"},
        {"lblLegend6", C::kLabel, "p分割"},
        {"lblLegend7", C::kLabel, "q分割?"},
    };
}

} // namespace vorn
