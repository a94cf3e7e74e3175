#include "board/Hooks.h"

namespace vorn {

namespace {
TShellHooks g_silent;
TShellHooks* g_hooks = &g_silent;
} // namespace

TShellHooks& Shell() { return *g_hooks; }

void SetShellHooks(TShellHooks* hooks) { g_hooks = hooks ? hooks : &g_silent; }

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
}

} // namespace vorn
