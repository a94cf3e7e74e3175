#include "engine/Reading.h"

#include "board/Basic.h"
#include "board/Define.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Ren.h"
#include "board/Sicho.h"
#include "board/Yomi.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn {

TYomiKeep::TYomiKeep() : level_(Level), moves_(CurGoban().Tejun.Current()) {}

TYomiKeep::~TYomiKeep() { Restore(); }

void TYomiKeep::Restore()
{
    // Bounded: a take-back that could not drop a level must not loop.
    for (int guard = 0; guard < (kMaxLevel + 1) * (kMaxTe + 1); ++guard) {
        if (Level > level_ || (Level == level_ && Level > 0 && CurGoban().Tejun.Current() > moves_))
            YomiModosu();
        else
            return;
    }
}

bool ToruPlay(int c, Point p) { return CurGoban().OnBoardPt(p) && YomiUtu(c, p); }

bool ToruPushPlay(int c, Point p)
{
    // At the top level a push would play on the current board itself.
    return CurGoban().OnBoardPt(p) && Level < kMaxLevel && YomiPushUtu(c, p);
}

void ToruRenMake()
{
    if (Level > 0)
        CurGoban().RenMake();
}

TRen* ToruRenAt(Point p) { return CurGoban().RenList.RenAtPt(p); }

bool ToruSicho(Point p, Point* first)
{
    if (SichoCheck(p) != 1)
        return false;
    if (first != nullptr) {
        TRen* r = ToruRenAt(p);
        *first = r == nullptr ? Point() : r->SichoTe(1);
    }
    return true;
}

int EmptyNeighbours(Point p) { return NeighboursOf(p, kAki); }

int NeighboursOf(Point p, int c)
{
    TIroCounts n;
    CountNeighbour(p, n);
    return c >= kAki && c <= kHen ? n[c] : 0;
}

const TGun* GunAt(Point p)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(p) || (b.GetIroPt(p) != kKuro && b.GetIroPt(p) != kSiro))
        return nullptr;
    return b.GunList.GetGunAt(p);
}

bool InYomiArea(Point p)
{
    if (InSakiyomi != 1)
        return true;
    return CurGoban().OnBoardPt(p) && YomiArea[p.x][p.y] == 1;
}

void YomiUnwind()
{
    // A reader that keeps its levels (the ladder reader) could stop the
    // take-back from dropping levels: bound the loop.
    for (int guard = 0; Level > 0 && guard < (kMaxLevel + 1) * (kMaxTe + 1); ++guard)
        YomiModosu();
    Level = 0;
}

TYomiTrial::~TYomiTrial() { BackAll(); }

bool TYomiTrial::Record(bool ok)
{
    if (count_ < kMaxMoves)
        stood_[count_++] = ok;
    else if (ok)
        YomiModosu(); // no room to remember it: it must not stay behind
    return ok && count_ <= kMaxMoves;
}

bool TYomiTrial::Play(int c, Point p) { return Record(ToruPlay(c, p)); }

bool TYomiTrial::PushPlay(int c, Point p) { return Record(ToruPushPlay(c, p)); }

void TYomiTrial::Back()
{
    if (count_ == 0)
        return;
    if (stood_[--count_])
        YomiModosu();
}

void TYomiTrial::BackTo(int n)
{
    while (count_ > n && count_ > 0)
        Back();
}

int TYomiTrial::Stood() const
{
    int n = 0;
    for (int i = 0; i < count_; ++i)
        n += stood_[i] ? 1 : 0;
    return n;
}

bool TYomiSame::Play(int c, Point p)
{
    if (count_ >= kMaxMoves || Level != level_ || !CurGoban().OnBoardPt(p))
        return false;
    const int before = CurGoban().Tejun.Current();
    if (!YomiUtuSame(c, p))
        return false;
    before_[count_++] = before;
    return true;
}

void TYomiSame::Back()
{
    if (count_ == 0)
        return;
    // A reader that left levels open above the tree's own: close them first,
    // so the take-back below acts on the board the move was played on.
    for (int guard = 0; Level > level_ && guard < (kMaxLevel + 1) * (kMaxTe + 1); ++guard)
        YomiModosu();
    const int before = before_[--count_];
    // Below the guard's level the move's board is no longer the current one.
    if (Level != level_)
        return;
    for (int guard = 0; CurGoban().Tejun.Current() > before && guard <= kMaxTe; ++guard)
        YomiModosuSame();
}

void TYomiSame::BackAll()
{
    while (count_ > 0)
        Back();
}

void AddKohoSide(int attacker, Point attackerPt, Point ownerPt, int value, int bonus)
{
    const Point p = JibunIro == attacker ? attackerPt : ownerPt;
    if (p.x != 0)
        AddKoho(p, value, bonus);
}

} // namespace vorn
