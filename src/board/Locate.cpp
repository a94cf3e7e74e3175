#include "board/Locate.h"

#include "board/Goban.h"

namespace vorn {

int CompareY(Point a, Point b)
{
    if (b.y == a.y)
        return 0;
    return b.y < a.y ? 1 : 3;
}

int CompareX(Point a, Point b)
{
    if (b.x == a.x)
        return 0;
    return b.x > a.x ? 2 : 4;
}

// ---------------------------------------------------------------------------
// TLocate

void TLocate::Init(int x, int y, int colour)
{
    X = static_cast<std::int8_t>(x);
    Y = static_cast<std::int8_t>(y);
    Iro = static_cast<std::uint8_t>(colour);
    KankeiSu = 0;
    for (auto& d : Direction)
        d.Fill(0);
}

void TLocate::AddKankei(int index, int kind, int value)
{
    AddKankeiIro(index, kind, value, CurGoban().GetIro(X + KankeiOffsetX[index], Y + KankeiOffsetY[index]));
}

int TLocate::GunNoAt(Point p)
{
    // The group builder numbers every chain with its group, as it does the
    // group map.
    const TRen* r = CurGoban().RenList.RenAtPt(p);
    return r != nullptr ? r->GetGunNo() : 0;
}

bool TLocate::DeadAt(int i) const
{
    const TGoban& b = CurGoban();
    const Point p = GetKankeiPoint(i);
    return b.OnBoardPt(p) && b.IsDeathPt(p) != 0;
}

Point TLocate::GetNearest(int colour) const
{
    int best = 0;
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour && (best == 0 || Kind[i] < Kind[best]))
            best = i;
    return best == 0 ? Point() : GetKankeiPoint(best);
}

bool TLocate::HasKind(int kind, int colour) const
{
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour && Kind[i] == kind)
            return true;
    return false;
}

bool TLocate::HasKankeiLE(int kind, int colour) const
{
    return CountKankeiLE(kind, colour) > 0;
}

bool TLocate::HasKankeiLELive(int kind, int colour) const
{
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour && Kind[i] <= kind && !DeadAt(i))
            return true;
    return false;
}

bool TLocate::HasKindLE(int kind) const
{
    for (int i = 1; i <= KankeiSu; ++i)
        if (Kind[i] <= kind)
            return true;
    return false;
}

int TLocate::CountKankeiLE(int kind, int colour) const
{
    int n = 0;
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour && Kind[i] <= kind)
            ++n;
    return n;
}

int TLocate::CountIro(int colour) const
{
    int n = 0;
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour)
            ++n;
    return n;
}

int TLocate::CountIroLive(int colour) const
{
    int n = 0;
    for (int i = 1; i <= KankeiSu; ++i)
        if (PointIro[i] == colour && !DeadAt(i))
            ++n;
    return n;
}

int TLocate::HasLiveGun(int gunNo, int colour) const
{
    const TGoban& b = CurGoban();
    for (int i = 1; i <= KankeiSu; ++i) {
        const Point p = GetKankeiPoint(i);
        if (b.GetIroPt(p) != colour)
            continue;
        const int g = GunNoAt(p);
        if (g == 0 || g == gunNo)
            continue;
        if (const TGun* gun = b.GunList.GetGun(g); gun != nullptr && gun->GetMe() >= 4)
            return 1;
    }
    return 0;
}

void TLocate::MakeDirection()
{
    if (Iro != kAki)
        return;
    for (auto& d : Direction)
        d.Fill(0);
    const Point here(X, Y);
    for (int i = 1; i <= KankeiSu; ++i) {
        const int k = PointIro[i];
        // Only stones mark directions (an empty point relates to no empty point).
        if (k != kKuro && k != kSiro)
            continue;
        const Point p = GetKankeiPoint(i);
        const int dy = CompareY(here, p);
        if (dy != 0) {
            Direction[k][dy] = 1;
        } else {
            Direction[k][1] = 1;
            Direction[k][3] = 1;
        }
        const int dx = CompareX(here, p);
        if (dx != 0) {
            Direction[k][dx] = 1;
        } else {
            Direction[k][2] = 1;
            Direction[k][4] = 1;
        }
    }
}

// ---------------------------------------------------------------------------
// The relation records of a board

void TGoban::SetKankei(int x, int y, int index, int kind, int value)
{
    if (KankeiOff == 1)
        return;
    Locate[x][y].AddKankei(index, kind, value);
}

void TGoban::SetLocateIro()
{
    for (int x = 1; x <= kMaxBoard; ++x)
        for (int y = 1; y <= kMaxBoard; ++y)
            Locate[x][y].Init(x, y, GetIro(x, y));
}

TLocate& TGoban::GetLocate(int x, int y) { return Locate[x][y]; }
const TLocate& TGoban::GetLocate(int x, int y) const { return Locate[x][y]; }
TLocate& TGoban::GetLocatePt(Point p) { return Locate[p.x][p.y]; }
const TLocate& TGoban::GetLocatePt(Point p) const { return Locate[p.x][p.y]; }

int TGoban::LocateCall(int x, int y, Arr<Point, 1, kMaxKankei>& points, Arr<int, 1, kMaxKankei>& values) const
{
    return Locate[x][y].GetPointsValues(points, values);
}

} // namespace vorn
