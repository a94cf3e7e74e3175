#include "engine/shapes/Kankei13.h"

#include "board/Basic.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// One row of the side patterns: the attacker's stone, the owner's answer P
// across the diagonal, the corner Q behind P, and the check point S one
// step past `via`, continuing from `from`.
struct TSideRow {
    int at, p, q, from, via;
};

constexpr TSideRow kSideRows[] = {
    {2, 9, 12, 5, 4},
    {7, 9, 12, 10, 14},
    {8, 6, 3, 5, 1},
    {13, 6, 3, 10, 11},
};

} // namespace

void Kankei13Utu(Point a, Point b)
{
    const TShape s(13, a, b);
    if (!s.Valid() || !s.Gate())
        return;
    if (s.FirstOpp({6, 9}) >= 0)
        Kankei13KataUtu(s);
    else if (s.FirstOpp({2, 7, 8, 13}) >= 0)
        Kankei13SideUtu(s);
    else if (s.FirstOpp({3, 12}) >= 0)
        Kankei13KadoUtu(s);
}

void Kankei13KataUtu(const TShape& s)
{
    const bool at6 = s.c(6) == s.Opp();
    if (!at6 && s.c(9) != s.Opp())
        return;
    const int p = at6 ? 9 : 6, q = at6 ? 12 : 3;
    if (s.c(q) == s.Own())
        return;
    AddKohoHyoka(s.R(p));
}

void Kankei13SideUtu(const TShape& s)
{
    const int own = s.Own(), opp = s.Opp();
    const TSideRow* row = s.FirstOppRow(kSideRows, &TSideRow::at);
    if (row == nullptr)
        return;
    if (IroOf(StepBeyond(s.R(row->from), s.R(row->via))) == opp || s.c(row->q) == own)
        return;
    const Point p = s.R(row->p);
    const int e1 = UtuHyoka(own, p);
    const int e2 = UtuHyoka(opp, s.R(5));
    const int e3 = UtuHyoka(opp, s.R(10));
    // The owner's one answer keeps the larger value.
    s.Add(p, s.R(5), e1 + e2);
    s.Add(p, s.R(10), e1 + e3);
}

void Kankei13KadoUtu(const TShape& s)
{
    const int own = s.Own(), opp = s.Opp();
    if (s.FirstOpp({3, 12}) < 0)
        return;
    const Point p = s.R(s.c(3) == opp ? 6 : 9);
    const int e1 = UtuHyoka(own, p);
    const int e2 = UtuHyoka(opp, s.R(5));
    const int e3 = UtuHyoka(opp, s.R(10));
    const Point t = e2 < e3 ? s.R(10) : s.R(5);
    s.Add(p, t, e1 + (e2 < e3 ? e3 : e2));
}

} // namespace vorn
