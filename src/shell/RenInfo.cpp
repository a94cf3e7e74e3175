#include "shell/RenInfo.h"

#include "board/Goban.h"
#include "shell/MainCtl.h"
#include "shell/Utikata.h"

namespace vorn {

std::string RenPointText(Point p) { return std::to_string(p.x) + "-" + std::to_string(p.y); }

std::string IroText(int colour) { return colour == kKuro ? "黒" : colour == kSiro ? "白" : "空"; }

void TRenInfo::ShowRen(int n)
{
    TRen* r = CurGoban().RenList.Items(n);
    if (r == nullptr)
        return;
    edtRenNo = std::to_string(n);
    edtIsiSu = std::to_string(r->IsiCount());
    edtIsiIro = IroText(r->GetIro());
    edtKuu = std::to_string(r->Count(0));
    edtKuro = std::to_string(r->Count(1));
    edtSiro = std::to_string(r->Count(2));
    edtHen = std::to_string(r->Count(3));
    edtGunNo = std::to_string(r->GetGunNo());
    lstYoso.clear();
    for (int i = 1; i <= r->IsiCount(); ++i)
        lstYoso.push_back(RenPointText(r->GetIsi(i)));
    lstMren.clear();
    for (int i = 1; i <= r->MrenCount(); ++i)
        lstMren.push_back(std::to_string(r->Mren(i)));
    lstGren.clear();
    for (int i = 1; i <= r->GrenCount(); ++i)
        lstGren.push_back(std::to_string(r->Gren(i)));
    lstRkuu.clear();
    for (int i = 1; i <= r->Kuu(); ++i)
        lstRkuu.push_back(RenPointText(r->GetKuu(i)));
    // Reading the status reads the ladder of a chain of stones not read yet.
    btnSicho = std::to_string(r->GetIro() != kAki ? r->GetSicho() : r->SichoStatus());
    edtDeath = r->GetDeath() ? "1" : "0";
}

void TRenInfo::btnSichoClick()
{
    int n = 0;
    if (!ParseDlgInteger(edtRenNo, n))
        return;
    TRen* r = GobanLv[0]->RenList.Items(n);
    if (r == nullptr || r->GetIro() == kAki)
        return;
    // With two liberties the sequence starts with the attacker's move.
    int colour = r->Kuu() == 2 ? Aite(r->GetIro()) : r->GetIro();
    lstSicho.clear();
    TBanDraw& ban = main_.Ban;
    for (int i = 1; i <= r->SichoCount(); ++i) {
        const Point p = r->SichoTe(i);
        ban.NumberedIsiDraw(colour, i, p);
        colour = Aite(colour);
        lstSicho.push_back(RenPointText(p));
    }
    main_.RepaintNeeded = 1;
    ban.Canvas().Show(false);
}

std::vector<TInfoControl> TRenInfo::Controls()
{
    using C = TInfoControl;
    return {
        {"edtRenNo", C::kEdit, "連番号", &edtRenNo},
        {"edtIsiSu", C::kEdit, "石の数", &edtIsiSu},
        {"edtIsiIro", C::kEdit, "石の色", &edtIsiIro},
        {"edtKuu", C::kEdit, "回空数", &edtKuu},
        {"edtKuro", C::kEdit, "回黒数", &edtKuro},
        {"edtSiro", C::kEdit, "回白数", &edtSiro},
        {"edtHen", C::kEdit, "回辺数", &edtHen},
        {"edtGunNo", C::kEdit, "群番号", &edtGunNo},
        {"edtDeath", C::kEdit, "連の死", &edtDeath},
        {"lstYoso", C::kList, "要素", nullptr, &lstYoso},
        {"lstMren", C::kList, "回連", nullptr, &lstMren},
        {"lstGren", C::kList, "群連", nullptr, &lstGren},
        {"lstRkuu", C::kList, "回空", nullptr, &lstRkuu},
        {"btnSicho", C::kButton, "ｼﾁｮｳ", &btnSicho, nullptr, [this] { btnSichoClick(); }},
        {"lstSicho", C::kList, "", nullptr, &lstSicho},
    };
}

} // namespace vorn
