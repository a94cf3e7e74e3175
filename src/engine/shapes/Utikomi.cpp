#include "engine/shapes/Utikomi.h"

#include "board/Basic.h"
#include "board/Between.h"
#include "board/Goban.h"
#include "board/Locate.h"
#include "engine/Koho.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "engine/shapes/ShapeFrame.h"

namespace vorn {

namespace {

// The value of every invasion point of this unit.
constexpr int kUtikomiValue = 18;

// The invasion point is in touch with none of our stones and with few of
// the opponent's (fewer than `most` relations of kind 7 or less).
bool Unclaimed(Point x, int most)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(x))
        return false;
    const TLocate& l = b.GetLocatePt(x);
    return l.CountIro(JibunIro) == 0 && l.CountKankeiLE(KankeiOgeima, AiteIro) < most;
}

} // namespace

void AiteKankeiThink()
{
    KohoKind = kkAiteKankei;
    ForEachStoneKankei([](Point s, const TLocate& loc, int i) {
        if (loc.GetIro() != AiteIro || loc.GetLinkGrade(i) != 1)
            return;
        const Point q = loc.GetKankeiPoint(i);
        switch (loc.GetKankeiKind(i)) {
        case Kankei1ken:
            AiteIkkenUtikomi(s, q);
            break;
        case KankeiKeima:
            AiteKeimaUtikomi(s, q);
            break;
        case Kankei3ken:
            AiteSankenCheck(s, q);
            break;
        default:
            break;
        }
    });
}

void AiteIkkenUtikomi(Point p, Point q)
{
    if (p.x < q.x || (p.x == q.x && p.y < q.y))
        return;
    const int line = LineNoPt(p);
    if (line != 3 && line != 4)
        return;
    Point box[9];
    BetweenStrip3(p, q, box);
    int theirs = 0;
    for (const Point c : box) {
        const int iro = IroOf(c);
        if (iro == JibunIro)
            return;
        theirs += iro == AiteIro ? 1 : 0;
    }
    if (theirs != 2)
        return;
    const Point x = LineNoPt(box[3]) == 3 ? box[3] : LineNoPt(box[5]) == 3 ? box[5] : Point();
    if (x.x != 0 && LineNoPair(x) == Point(3, 4))
        AddKoho(x, kUtikomiValue, 0);
}

void AiteKeimaUtikomi(Point p, Point q)
{
    if (p.x < q.x || LineNoPt(p) != 3)
        return;
    Point outer[6];
    BetweenDiag(p, q, outer);
    const Point x = LineNoPt(outer[1]) == 5 ? outer[1] : LineNoPt(outer[4]) == 5 ? outer[4] : Point();
    if (x.x != 0 && IroOf(x) == kAki && Unclaimed(x, 3))
        AddKoho(x, kUtikomiValue, 0);
}

void AiteSankenCheck(Point p, Point q)
{
    const TGoban& b = CurGoban();
    if (!b.OnBoardPt(p) || !b.OnBoardPt(q))
        AiteSankenUtikomi(p, q);
}

void AiteSankenUtikomi(Point p, Point q)
{
    Point box[15];
    BetweenStrip3(p, q, box);
    const Point x = box[7];
    if (Unclaimed(x, 2))
        AddKoho(x, kUtikomiValue, 0);
}

} // namespace vorn
