#include "board/Yomi.h"

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

namespace {

// The move just played on board b: its stone, then its captures leave.
void ShowPlayed(const TGoban& b, int colour, Point p)
{
    Shell().ThinkIsiDraw(colour, p);
    for (int i = 1; i <= b.Tejun.ToruCount(); ++i)
        Shell().ThinkIsiErase(b.Tejun.ToruIsi(i));
}

// The move about to be taken back: its stone leaves, its captures return in
// the colour of the side that moves after it.  Take-backs run in the guards'
// destructors, also while an error unwinds a reading: a display that fails
// here must not stop them (the error display repaints the board anyway).
void ShowTakenBack(const TGoban& b)
{
    const Point p = b.Tejun.CurTe();
    if (b.Tejun.Current() == 0 || p.x == 0)
        return;
    try {
        Shell().ThinkIsiErase(p);
        const int back = b.Tejun.NextColor();
        for (int i = 1; i <= b.Tejun.ToruCount(); ++i)
            Shell().ThinkIsiDraw(back, b.Tejun.ToruIsi(i));
    } catch (...) {
    }
}

} // namespace

bool YomiPush()
{
    if (Level >= kMaxLevel)
        return false;
    ++Level;
    GobanLv[Level]->CopyBan(*GobanLv[Level - 1]);
    return true;
}

bool YomiUtu(int c, Point p)
{
    const bool opened = Level == 0 && YomiPush();
    TGoban& b = CurGoban();
    bool passed = false;
    if (b.Tejun.NextColor() != c) {
        passed = b.Pass();
        if (!passed) {
            if (opened)
                --Level;
            return false;
        }
    }
    if (b.Utu(p.x, p.y) != kUtuOk) {
        if (passed)
            b.Matta();
        if (opened)
            --Level;
        return false;
    }
    ShowPlayed(b, c, p);
    return true;
}

bool YomiUtuSame(int c, Point p)
{
    (void)c;
    TGoban& b = CurGoban();
    if (b.Utu(p.x, p.y) != kUtuOk)
        return false;
    // The stone shown is the one played: the side to move, whatever c says.
    ShowPlayed(b, b.Tejun.CurColor(), p);
    return true;
}

bool YomiUtuRebuild(int c, Point p)
{
    if (!YomiUtu(c, p))
        return false;
    CurGoban().RenList.Rebuild();
    return true;
}

bool YomiPushUtu(int c, Point p)
{
    const bool opened = YomiPush();
    if (YomiUtu(c, p))
        return true;
    if (opened)
        --Level;
    return false;
}

void YomiModosu()
{
    if (Level == 0) {
        Level = 0;
        return;
    }
    TGoban& b = CurGoban();
    const bool wasEmpty = b.Tejun.Current() == 0;
    ShowTakenBack(b);
    b.Matta();
    if (b.Tejun.Current() > 0 && b.Tejun.CurTe().x == 0)
        b.Matta();
    if ((wasEmpty || b.Tejun.Current() == 0) && SichoYomiFlag == 0)
        --Level;
}

void YomiModosuSame()
{
    TGoban& b = CurGoban();
    if (b.Tejun.Current() == 0)
        return;
    ShowTakenBack(b);
    b.Matta();
}

} // namespace vorn
