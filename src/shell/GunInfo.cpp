#include "shell/GunInfo.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Kiri.h"
#include "engine/Semeai.h"
#include "engine/Sikatu.h"
#include "shell/MainCtl.h"
#include "shell/RenInfo.h"
#include "shell/Utikata.h"

namespace vorn {

namespace {

const TGun* GunOf(const TGoban& b, int n) { return n >= 1 && n <= kMaxGun ? b.GunList.GetGun(n) : nullptr; }

std::string Flag(int v) { return v != 0 ? "1" : "0"; }

template <class F>
std::vector<std::string> Lines(int n, F item)
{
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(n > 0 ? n : 0));
    for (int i = 1; i <= n; ++i)
        out.push_back(item(i));
    return out;
}

} // namespace

std::string GunPointText(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

void TGunInfo::ShowGun(int n)
{
    const TGun* g = GunOf(CurGoban(), n);
    if (g == nullptr)
        return;
    using std::to_string;
    edtGunNo = to_string(n);
    edtRenSu = to_string(g->GetRenSu());
    edtIsiSu = to_string(g->GetIsiSu());
    edtIsiIro = IroText(g->GetIsiIro());
    edtJisu = to_string(g->GetJisu());
    edtKokyu = to_string(g->GetKokyuSu());
    edtMe = to_string(g->GetMe());
    edtDeath = g->GetDeath() != 0 ? "死" : "生";
    edtDeathLevel = to_string(g->GetDeathLevel());
    edtSmai = to_string(g->GetSmai());
    edtDame = to_string(g->GetDame()) + "=" + to_string(g->GetDameInSu()) + "+" + to_string(g->GetDameOutSu());
    edtKati = to_string(g->GetKati());
    edtLost = Flag(g->GetLost());
    edtWin = Flag(g->GetWin());
    edtSeki = Flag(g->GetSeki());
    edtDeath1 = g->GetDeath1() != 0 ? "死" : "-";
    auto number = [](int v) { return to_string(v); };
    lstRen = Lines(g->GetRenSu(), [&](int i) { return number(g->GetRen(i)); });
    lstJi = Lines(g->GetJisu(), [&](int i) { return number(g->GetJi(i)); });
    lstYoso = Lines(g->GetIsiSu(), [&](int i) { return GunPointText(g->GetYoso(i)); });
    lstFrom = Lines(g->GetFromSu(), [&](int i) {
        return GunPointText(g->GetFromB(i)) + "-" + GunPointText(g->GetFromA(i)) + "=" + number(g->GetFromValue(i));
    });
    lstMgun = Lines(g->GetMgunSu(), [&](int i) { return number(g->GetMgun(i)); });
    lstDameIn = Lines(g->GetDameInSu(), [&](int i) { return GunPointText(g->GetDameIn(i)); });
    lstDameOut = Lines(g->GetDameOutSu(), [&](int i) { return GunPointText(g->GetDameOut(i)); });
    lstSemeai = Lines(g->GetSemeaiSu(), [&](int i) { return number(g->GetSemeai(i)); });
    lstLink = Lines(g->GetLinkSu(), [&](int i) { return number(g->GetLink(i)); });
}

const TGun* TGunInfo::ShownGun(bool analyze)
{
    int n = 0;
    if (!ParseDlgInteger(edtGunNo, n))
        return nullptr;
    if (analyze)
        GobanLv[0]->Analyze();
    return GunOf(*GobanLv[0], n);
}

void TGunInfo::SikatuDraw(bool kill)
{
    const TGun* g = ShownGun(true);
    if (g == nullptr)
        return;
    SetSikatuTarget(*g);
    Point moves[kMaxSikatuList];
    const int k = kill ? SikatuKorosu(*g, moves) : SikatuIkiru(*g, moves);
    // The reading analysed the look-ahead boards: the program-wide maps go
    // back to the game board's.
    GobanLv[0]->Analyze();
    for (int i = 0; i < k; ++i)
        main_.Ban.IrhTextOut(std::to_string(i + 1), moves[i], 0);
    main_.RepaintNeeded = 1;
    main_.Ban.Canvas().Show(false);
}

void TGunInfo::btnKorosuClick() { SikatuDraw(true); }

void TGunInfo::Button1Click() { SikatuDraw(false); }

void TGunInfo::btnToruTjnClick()
{
    const TGun* g = ShownGun(true);
    if (g == nullptr)
        return;
    const int attacker = Aite(g->GetIsiIro());
    AtariMake();
    Point list[kMaxToruTejun];
    const int k = ToruTejun(*g, list, kMaxToruTejun - 1);
    for (int i = 0; i < k; ++i)
        main_.Ban.NumberedIsiDraw(attacker, i + 1, list[i]);
    main_.RepaintNeeded = 1;
    main_.Ban.Canvas().Show(false);
}

void TGunInfo::btnKohoClick()
{
    const TGun* g = ShownGun(false);
    if (g == nullptr)
        return;
    g->KohoTe();
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (KohoTeMap[x][y] == 1)
                main_.Ban.IrhTextOut("X", Point(x, y), 1);
    main_.RepaintNeeded = 1;
    main_.Ban.Canvas().Show(false);
}

std::vector<TInfoControl> TGunInfo::Controls()
{
    using C = TInfoControl;
    return {
        {"edtGunNo", C::kEdit, "群番", &edtGunNo},
        {"edtRenSu", C::kEdit, "連の数", &edtRenSu},
        {"edtIsiSu", C::kEdit, "石の数", &edtIsiSu},
        {"edtIsiIro", C::kEdit, "石の色", &edtIsiIro},
        {"edtJisu", C::kEdit, "地の数", &edtJisu},
        {"edtKokyu", C::kEdit, "自由度", &edtKokyu},
        {"edtMe", C::kEdit, "眼の数", &edtMe},
        {"edtDeath", C::kEdit, "生死", &edtDeath},
        {"edtDeathLevel", C::kEdit, "死確率", &edtDeathLevel},
        {"edtSmai", C::kEdit, "攻合", &edtSmai},
        {"edtDame", C::kEdit, "ダメ数", &edtDame},
        {"edtKati", C::kEdit, "価値", &edtKati},
        {"edtLost", C::kEdit, "攻合負", &edtLost},
        {"edtWin", C::kEdit, "攻合勝", &edtWin},
        {"edtSeki", C::kEdit, "セキ", &edtSeki},
        {"edtDeath1", C::kEdit, "死1", &edtDeath1},
        {"lstRen", C::kList, "連", nullptr, &lstRen},
        {"lstJi", C::kList, "地", nullptr, &lstJi},
        {"lstYoso", C::kList, "要素", nullptr, &lstYoso},
        {"lstFrom", C::kList, "群から", nullptr, &lstFrom},
        {"lstMgun", C::kList, "回群", nullptr, &lstMgun},
        {"lstDameIn", C::kList, "内ダメ", nullptr, &lstDameIn},
        {"lstDameOut", C::kList, "外ダメ", nullptr, &lstDameOut},
        {"lstSemeai", C::kList, "攻合", nullptr, &lstSemeai},
        {"lstLink", C::kList, "群結合", nullptr, &lstLink},
        {"btnToruTjn", C::kButton, "", &btnToruTjn, nullptr, [this] { btnToruTjnClick(); }},
        {"btnKoho", C::kButton, "", &btnKoho, nullptr, [this] { btnKohoClick(); }},
        {"btnSikatu", C::kButton, "", &btnSikatu, nullptr, [this] { btnKorosuClick(); }},
        {"Button1", C::kButton, "", &Button1, nullptr, [this] { Button1Click(); }},
    };
}

} // namespace vorn
