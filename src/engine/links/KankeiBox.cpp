#include "engine/links/KankeiBox.h"

#include <cstdlib>
#include <utility>

#include "board/Between.h"
#include "board/Goban.h"
#include "board/Locate.h"
#include "board/Ren.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/Think.h"

namespace vorn {

namespace {

template <class T, int Hi>
void SwapCells(Arr<T, 0, Hi>& a, int i, int j)
{
    std::swap(a[i], a[j]);
}

// Box rows k and m exchange points and colours.
void SwapRows(TKankeiBox& box, int k, int m)
{
    for (int j = 0; j <= 2; ++j) {
        SwapCells(box.Pt, 3 * k + j, 3 * m + j);
        SwapCells(box.Iro, 3 * k + j, 3 * m + j);
    }
}

// The owner is the colour of the stone at [1]; without one there is no
// owner, and no cell matches either side.
void SetOwner(TKankeiBox& box)
{
    const int c = box.Iro[1];
    box.Own = IsStone(c) ? c : -1;
    box.Opp = IsStone(c) ? c ^ 3 : -1;
}

} // namespace

int TKankeiBox::Cell(int i) const
{
    if (i < 0 || i > High)
        RangeError(i, 0, High);
    return i;
}

int TKankeiBox::StripCell(int i) const
{
    if (i < 0 || i > StripHigh)
        RangeError(i, 0, StripHigh);
    return i;
}

bool TKankeiBox::EngineAttacks() const { return JibunIro == Opp; }

int TKankeiBox::Idx(int orient, int k, int j) const
{
    if (orient & kOrientAlong)
        k = D - k;
    if (orient & kOrientAcross)
        j = 2 - j;
    return Cell(3 * k + j);
}

int TKankeiBox::StripIdx(int orient, int k, int j) const
{
    if (orient & kOrientAlong)
        k = D - k;
    if (orient & kOrientAcross)
        j = 1 - j;
    return StripCell(2 * k + j);
}

bool KankeiBoxMake(Point a, Point b, TKankeiBox& box)
{
    const int dx = std::abs(a.x - b.x), dy = std::abs(a.y - b.y);
    const int d = dx + dy;
    if ((dx != 0 && dy != 0) || d < 2 || d > 4)
        return false;
    box = TKankeiBox{};
    box.D = d;
    box.High = BetweenStrip3(a, b, std::span<Point>(box.Pt.v, 3 * d + 3));
    KankeiBoxColours(box);
    SetOwner(box);
    return true;
}

void KankeiBoxColours(TKankeiBox& box)
{
    const TGoban& g = CurGoban();
    for (int i = 0; i <= box.High; ++i)
        box.Iro[i] = g.GetIroPt(box.Pt[i]);
}

void KankeiStripMake(TKankeiBox& box, Point from, Point to)
{
    box.StripHigh = BetweenStrip5(from, to, std::span<Point>(box.Strip.v, 2 * box.D + 2));
    const TGoban& g = CurGoban();
    for (int i = 0; i <= box.StripHigh; ++i)
        box.StripIro[i] = g.GetIroPt(box.Strip[i]);
}

void KankeiEdgeTurn(TKankeiBox& box)
{
    const int d = box.D;
    for (int j = 0; j <= 2; ++j) {
        box.Pt[j] = box.Pt[3 * d + j];
        box.Iro[j] = box.Iro[3 * d + j];
    }
    for (int k = 1; k < d - k; ++k)
        SwapRows(box, k, d - k);
    SetOwner(box);
}

void KankeiMirrorBox(TKankeiBox& box)
{
    for (int k = 0; k <= box.D; ++k) {
        SwapCells(box.Pt, 3 * k, 3 * k + 2);
        SwapCells(box.Iro, 3 * k, 3 * k + 2);
    }
}

void KankeiMirrorStrip(TKankeiBox& box)
{
    for (int i = 0; i + 1 <= box.StripHigh; i += 2) {
        SwapCells(box.Strip, i, i + 1);
        SwapCells(box.StripIro, i, i + 1);
    }
}

bool KankeiInArea(const TKankeiBox& box, int high)
{
    if (InSakiyomi != 1)
        return true;
    for (int i = 0; i <= high && i <= box.High; ++i)
        if (box.Iro[i] != kHen && InYomiArea(box.Pt[i]))
            return true;
    return false;
}

bool KankeiPrologue(Point a, Point b, TKankeiEdge edge, TKankeiBox& box)
{
    const TGoban& g = CurGoban();
    if (g.GetIroPt(a) == kHen || g.GetIroPt(b) == kHen) {
        if (edge != nullptr)
            edge(a, b);
        return false;
    }
    if (!KankeiBoxMake(a, b, box) || box.Own < 0)
        return false;
    return KankeiInArea(box, box.High);
}

std::uint32_t KankeiOppCells(const TKankeiBox& box)
{
    std::uint32_t m = 0;
    for (int i = 0; i <= box.High; ++i)
        if (box.Iro[i] == box.Opp)
            m |= 1u << i;
    for (int i = 0; i <= box.StripHigh; ++i)
        if (box.StripIro[i] == box.Opp)
            m |= 1u << (16 + i);
    return m;
}

int KankeiFirstMatch(const TKankeiBox& box, std::span<const TKankeiTest> tests)
{
    const std::uint32_t opp = KankeiOppCells(box);
    for (std::size_t n = 0; n < tests.size(); ++n)
        for (std::uint32_t alt : tests[n].Alt)
            if (alt != 0 && (alt & opp) == alt)
                return static_cast<int>(n);
    return static_cast<int>(tests.size());
}

int TrialHyoka(TYomiTrial& t, int c, std::initializer_list<TTe> moves)
{
    const int mark = t.Tries();
    for (const TTe& m : moves)
        t.Play(m.Iro, m.Pt);
    const int e = Hyoka(c);
    t.BackTo(mark);
    return e;
}

int SeqHyoka(int c, std::initializer_list<TTe> moves)
{
    TYomiTrial t;
    return TrialHyoka(t, c, moves);
}

void TrialSichoPair(TYomiTrial& t, int c, Point s1, Point s2)
{
    t.Play(c, s1);
    // ToruPlay refuses a point off the board without touching anything.
    t.Play(c, s2);
}

void SichoFirstTwo(Point p, Point& s1, Point& s2)
{
    s1 = s2 = Point();
    if (TRen* r = ToruRenAt(p)) {
        s1 = r->SichoTe(1);
        s2 = r->SichoTe(2);
    }
}

int RenKuu(Point p)
{
    const TRen* r = IsStone(CurGoban().GetIroPt(p)) ? ToruRenAt(p) : nullptr;
    return r == nullptr ? 0 : r->Kuu();
}

Point RenKuuPt(Point p, int i)
{
    TRen* r = IsStone(CurGoban().GetIroPt(p)) ? ToruRenAt(p) : nullptr;
    if (r == nullptr || i < 1 || i > r->Kuu())
        return Point();
    return r->GetKuu(i);
}

const TLocate* KankeiLocateAt(Point p)
{
    TGoban& g = CurGoban();
    return g.OnBoardPt(p) ? &g.GetLocatePt(p) : nullptr;
}

void KankeiKoho(const TKankeiBox& box, Point ownPt, Point oppPt, int value)
{
    AddKohoSide(box.Opp, oppPt, ownPt, value, 0);
}

void KankeiKohoEx(const TKankeiBox& box, Point ownPt, Point oppPt, int value, std::uint8_t reason, Point rel)
{
    const Point p = box.EngineAttacks() ? oppPt : ownPt;
    if (p.x != 0)
        AddKohoEx(p, value, reason, rel);
}

} // namespace vorn
