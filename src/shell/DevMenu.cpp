#include "shell/DevMenu.h"

#include <unordered_map>

#include "board/Goban.h"
#include "board/Kiri.h"
#include "engine/Nozoki.h"
#include "shell/MainCtl.h"

namespace vorn {

namespace {

// The window switches, in the order the windows open at start-up.
const char* const kWindows[] = {"mnuRen", "mnuLocate", "mnuGun", "mnuJi", "mnuHyoka"};

bool IsWindow(const std::string& name)
{
    for (const char* w : kWindows)
        if (name == w)
            return true;
    return false;
}

} // namespace

bool TDevMenu::Click(const std::string& name)
{
    if (IsWindow(name)) {
        WindowToggle(name);
        return true;
    }
    using Handler = void (TDevMenu::*)();
    static const std::unordered_map<std::string, Handler> handlers = {
        {"mnuKankei", &TDevMenu::mnuKankeiClick}, {"mnuToru", &TDevMenu::mnuToruClick},
        {"mnuUtenai", &TDevMenu::mnuUtenaiClick}, {"mnuUtuTrr", &TDevMenu::mnuUtuTrrClick},
        {"mnuNozoki", &TDevMenu::mnuNozokiClick}, {"mnuKiri", &TDevMenu::mnuKiriClick},
        {"mnuAtari", &TDevMenu::mnuAtariClick},   {"mnuKiri2", &TDevMenu::mnuKiri2Click},
        {"mnuHoko", &TDevMenu::mnuHokoClick},
    };
    const auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(it->second))();
    return true;
}

void TDevMenu::FormShow()
{
    TMainCtl& m = main_;
    m.view_.CommentWindowShow(m.Checked("mnuComment"));
    for (const char* w : kWindows)
        if (m.Checked(w))
            m.view_.DevWindowShow(w, true);
}

void TDevMenu::WindowToggle(const std::string& name)
{
    TMainCtl& m = main_;
    m.view_.DevWindowShow(name, !m.Checked(name));
    m.SwitchToggle(name);
}

void TDevMenu::mnuKankeiClick()
{
    TMainCtl& m = main_;
    m.SwitchToggle("mnuKankei");
    if (m.Checked("mnuKankei")) {
        m.KankeiPaint(false);
        m.Ban.Canvas().Show(false);
    }
}

namespace {

// Marks every empty point of board 0 for both colours with the number that
// value(c, x, y) gives, where it is not 0: Black's in black in the cell's
// left half, White's in white in its right half.
template <class Value>
void EmptyPointsMark(TBanDraw& d, bool zeroText, Value value)
{
    const TGoban& b = *GobanLv[0];
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (b.GetIro(x, y) != kAki)
                continue;
            for (int c = kKuro; c <= kSiro; ++c)
                if (const int v = value(c, x, y); v != 0)
                    d.CornerTextOut(zeroText ? "0" : std::to_string(v), Point(x, y), (c - 1) * d.BanHalf,
                                    c == kKuro ? clBlack : clWhite);
        }
    d.Canvas().Show(false);
}

} // namespace

void TDevMenu::TenMarkPaint(int mode)
{
    const TGoban& b = *GobanLv[0];
    // The tables hold 1 where the colour can (or cannot) play; the mark is "0".
    EmptyPointsMark(main_.Ban, true, [&](int c, int x, int y) {
        const int v = mode == tmToruTen ? b.IsToruTen(c, x, y)
                      : mode == tmKinsi ? b.IsKinsi(c, x, y)
                                        : b.IsSelfAtari(c, x, y);
        return v == 1 ? 1 : 0;
    });
}

void TDevMenu::MapPaint(int mode)
{
    EmptyPointsMark(main_.Ban, false, [mode](int c, int x, int y) {
        switch (mode) {
        case mpNozoki: return static_cast<int>(NozokiMap[c][x][y]);
        case mpKiri: return KiriMap[c][x][y] == 1 ? 1 : 0;
        case mpAtari: return AtariMap[c][x][y] == 1 ? 1 : 0;
        case mpKiri2: return Kiri2Map[c][x][y] == 1 ? 1 : 0;
        default: return 0;
        }
    });
}

void TDevMenu::mnuNozokiClick()
{
    NozokiCheck();
    MapPaint(mpNozoki);
}

void TDevMenu::mnuKiriClick()
{
    KiriMake();
    MapPaint(mpKiri);
}

void TDevMenu::mnuAtariClick()
{
    AtariMake();
    MapPaint(mpAtari);
}

void TDevMenu::mnuKiri2Click()
{
    Kiri2Make();
    MapPaint(mpKiri2);
}

void TDevMenu::mnuHokoClick()
{
    TGoban& b = *GobanLv[0];
    for (int y = 4; y <= BoardSize - 3; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            b.GetLocate(x, y).MakeDirection();
    main_.view_.LocateShowDirection();
}

} // namespace vorn
