#include "board/Hooks.h"

#include "board/Goban.h"

namespace vorn {

namespace {
TShellHooks g_silent;
TShellHooks* g_hooks = &g_silent;
} // namespace

TShellHooks& Shell() { return *g_hooks; }

void SetShellHooks(TShellHooks* hooks) { g_hooks = hooks ? hooks : &g_silent; }

bool TShellHooks::BanUtu(int x, int y, int noAnalyze)
{
    (void)noAnalyze;
    return GobanLv[0]->Utu(x, y) == 0;
}

void TShellHooks::HaitiIsi(int colour, int x, int y)
{
    if (x < 1 || y < 1 || x > BoardSize || y > BoardSize || colour < 0 || colour > 2)
        return;
    GobanLv[0]->Tejun.AddHaiti(x, y, colour, HaitiBan[x][y]);
    HaitiBan[x][y] = static_cast<unsigned char>(colour);
    GobanLv[0]->SetIro(x, y, colour);
}

TKifuHeader TShellHooks::GameInfoFields()
{
    TKifuHeader h;
    h.GameName = KifuGameName;
    h.Date = KifuDate;
    h.Place = KifuPlace;
    h.Komi = KifuKomi;
    h.Result = KifuResult;
    h.BlackPlayer = KifuBlackPlayer;
    h.WhitePlayer = KifuWhitePlayer;
    h.BlackKyu = KifuBlackKyu;
    h.WhiteKyu = KifuWhiteKyu;
    h.BlackTime = KifuBlackTime;
    h.WhiteTime = KifuWhiteTime;
    return h;
}

std::string KifuGameName;
std::string KifuDate;
std::string KifuPlace;
std::string KifuKomi;
std::string KifuResult;
std::string KifuBlackPlayer;
std::string KifuWhitePlayer;
std::string KifuBlackKyu;
std::string KifuWhiteKyu;
std::string KifuBlackTime;
std::string KifuWhiteTime;
Grid<unsigned char, 1, 19> HaitiBan{};

std::array<std::string*, 11> KifuGameStrings()
{
    return {&KifuGameName,    &KifuDate,     &KifuPlace,    &KifuKomi,      &KifuResult,   &KifuBlackPlayer,
            &KifuWhitePlayer, &KifuBlackKyu, &KifuWhiteKyu, &KifuBlackTime, &KifuWhiteTime};
}
std::string ExeDir = "./";
unsigned char KifuRecOn = 0;
std::string KifuRecName = "./bug.ig1";
unsigned char NoLastMark = 0;
unsigned char GameInfoLock = 0;
int GameInfoMode = 0;
std::string UserName;

unsigned char GameOver = 0;
int Language = lgJapanese;
Arr<int, 1, 2> PlayerKind{};
unsigned char HintMode = 0;
Point LastTe{};
Arr<int, 1, 2> Jikan{};
float Komi = 0.0f;
unsigned char RenzokuMode = 0;
unsigned char DevMode = 0;
unsigned char DspSakiyomi = 0;
unsigned char LogMode = 0;

int YomiWide = 3;
int YomiDeep = 6;
int YomiTime = 40;
unsigned char SakiyomiMode = 1;
unsigned char YomiSikatuMode = 1;
unsigned char VsComputerMode = 0;

void HooksReset()
{
    g_hooks = &g_silent;
    GameOver = 0;
    Language = lgJapanese;
    PlayerKind.Fill(pkHuman);
    HintMode = 0;
    LastTe = Point{};
    Jikan.Fill(0);
    Komi = 0.0f;
    RenzokuMode = 0;
    DevMode = 0;
    DspSakiyomi = 0;
    LogMode = 0;
    YomiWide = 3;
    YomiDeep = 6;
    YomiTime = 40;
    SakiyomiMode = 1;
    YomiSikatuMode = 1;
    VsComputerMode = 0;
    for (std::string* t : KifuGameStrings())
        t->clear();
    FillGrid<unsigned char, 1, 19>(HaitiBan, 0);
    ExeDir = "./";
    KifuRecOn = 0;
    KifuRecName = "./bug.ig1";
    NoLastMark = 0;
    GameInfoLock = 0;
    GameInfoMode = 0;
    UserName.clear();
}

} // namespace vorn
