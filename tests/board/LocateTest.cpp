// The relation record of a point: adding relations, the 15-entry limit, the
// queries, the directions of an empty point, and related points off the board.
#include "Util.h"
#include "board/RelationUtil.h"

#include "board/KuuIsi.h"
#include "board/Locate.h"

#include <string>
#include <vector>

namespace vorn::test {
namespace {

class LocateTest : public VornTest {
protected:
    TGoban& b0() { return *GobanLv[0]; }
};

TEST_F(LocateTest, AddKankeiKeepsFifteen)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . O . . . .
        . . . . . . . . .
        . . . . X . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TLocate loc;
    loc.Init(5, 5, kKuro);
    for (int i = 1; i <= 16; ++i)
        loc.AddKankei(i, KankeiTonari, i % 4);
    EXPECT_EQ(loc.GetKankeiSu(), kMaxKankei);
    // Entry 15 is step 15, (2,1): the 16th, step 16, was dropped.
    EXPECT_EQ(loc.GetKankeiPoint(15), Point(7, 6));
    EXPECT_EQ(loc.GetKankeiValue(15), 3);
    // Step 9, (0,-2), reaches the white stone; colours come from the board.
    EXPECT_EQ(loc.GetKankeiPoint(9), Point(5, 3));
    EXPECT_EQ(loc.GetKankeiIro(9), kSiro);
    EXPECT_EQ(loc.GetKankeiIro(1), kAki);
    EXPECT_THROW(loc.GetKankeiKind(16), ERangeError);
    EXPECT_THROW(loc.AddKankei(69, KankeiTonari, 0), ERangeError);

    // Init starts over.
    loc.Init(1, 2, kKuro);
    EXPECT_EQ(loc.GetKankeiSu(), 0);
    loc.AddKankei(9, Kankei1ken, 1); // (1, 0): off the board
    EXPECT_EQ(loc.GetKankeiPoint(1), Point(1, 0));
    EXPECT_EQ(loc.GetKankeiIro(1), kHen);
    EXPECT_FALSE(loc.OnBoardAt(1));
}

TEST_F(LocateTest, RelationsPickedAtOnceAreThoseReadOneByOne)
{
    // The walks that pick relations from a mask of all entries list the
    // same entries, in order, as a plain reading of the record: a full
    // record, one started over with old entries past the count, and every
    // record of an analysed game position.
    struct TPick {
        std::vector<int> OnBoard, Links, Grade0;
        std::vector<int> OfIro[4];
    };
    auto picked = [](const TLocate& loc) {
        TPick p;
        loc.EachKankeiOnBoard([&](int i, int x, int y, int kind) {
            EXPECT_EQ(loc.GetKankeiPoint(i + 1), Point(x, y));
            EXPECT_EQ(loc.GetKankeiKind(i + 1), kind);
            p.OnBoard.push_back(i + 1);
        });
        loc.EachKankeiOnBoardValueIn(1, 2, [&](int x, int y) { p.Links.push_back(x * 100 + y); });
        loc.EachKankeiOnBoardValueIn(0, 0, [&](int x, int y) { p.Grade0.push_back(x * 100 + y); });
        for (int c = 0; c <= 3; ++c)
            loc.EachKankeiOfIro(c, [&](int x, int y, int) { p.OfIro[c].push_back(x * 100 + y); });
        return p;
    };
    auto plain = [](const TLocate& loc) {
        TPick p;
        for (int i = 1; i <= loc.GetKankeiSu(); ++i) {
            const Point a = loc.GetKankeiPoint(i);
            const int v = loc.GetKankeiValue(i);
            if (loc.OnBoardAt(i)) {
                p.OnBoard.push_back(i);
                if (v == 1 || v == 2)
                    p.Links.push_back(a.x * 100 + a.y);
                if (v == 0)
                    p.Grade0.push_back(a.x * 100 + a.y);
            }
            p.OfIro[loc.GetKankeiIro(i)].push_back(a.x * 100 + a.y);
        }
        return p;
    };
    auto same = [&](const TLocate& loc, const std::string& where) {
        const TPick a = picked(loc), b = plain(loc);
        EXPECT_EQ(a.OnBoard, b.OnBoard) << where;
        EXPECT_EQ(a.Links, b.Links) << where;
        EXPECT_EQ(a.Grade0, b.Grade0) << where;
        for (int c = 0; c <= 3; ++c)
            EXPECT_EQ(a.OfIro[c], b.OfIro[c]) << where << " colour " << c;
    };
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    TLocate loc;
    loc.Init(1, 1, kKuro);
    // Fifteen entries of every colour and value, the edge among them.
    for (int i = 0; i < kMaxKankei; ++i)
        loc.AddKankeiAt(1 + i % 9, i % 3 == 0 ? 0 : 1 + i / 3, KankeiTonari + i % 4, i % 4, i % 3 == 0 ? kHen : 1 + i % 2);
    ASSERT_EQ(loc.GetKankeiSu(), kMaxKankei);
    same(loc, "full record");
    // Started over: the old entries past the count are no relations.
    loc.Init(2, 2, kSiro);
    loc.AddKankeiAt(3, 2, KankeiTonari, 1, kSiro);
    loc.AddKankeiAt(0, 2, Kankei1ken, 2, kHen);
    same(loc, "two entries over old ones");
    loc.Init(2, 2, kSiro);
    same(loc, "no entries over old ones");

    RandomPosition(19, 160, 4411);
    b0().Analyze();
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            same(b0().Locate[x][y], "point " + std::to_string(x) + "," + std::to_string(y));
}

TEST_F(LocateTest, LinkGradeAndColourAreApart)
{
    SetBoard(R"(
        . . . . .
        . X . X .
        . . . . .
        . . . . .
        . . . . .)");
    MakeRelations();
    // On the stone the value is a grade; on the empty point between, the
    // same relation shape carries the stone's colour and no grade.
    const TLocate& stone = b0().GetLocate(2, 2);
    ASSERT_EQ(RelTo({2, 2}, {4, 2}), "3=1");
    const TLocate& empty = b0().GetLocate(3, 3);
    ASSERT_GE(empty.GetKankeiSu(), 1);
    for (int i = 1; i <= empty.GetKankeiSu(); ++i) {
        EXPECT_EQ(empty.GetLinkGrade(i), 0);
        EXPECT_EQ(empty.GetKankeiValue(i), empty.GetKankeiIro(i));
    }
    for (int i = 1; i <= stone.GetKankeiSu(); ++i)
        EXPECT_EQ(stone.GetLinkGrade(i), stone.GetKankeiValue(i));
}

TEST_F(LocateTest, QueriesOverTheRecord)
{
    TGoban& b = b0();
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    b.SetLocateIro();
    b.SetIro(5, 3, kKuro); // (0,-2) from (5,5)
    b.SetIro(7, 6, kKuro); // (2,1)
    b.SetIro(6, 4, kSiro); // (1,-1)
    b.SetIro(3, 5, kSiro); // (-2,0)
    b.SetKankei(5, 5, 9, Kankei1ken, kKuro);
    b.SetKankei(5, 5, 15, KankeiKeima, kKuro);
    b.SetKankei(5, 5, 5, KankeiNaname, kSiro);
    b.SetKankei(5, 5, 12, Kankei1ken, kSiro);
    b.SetKankei(5, 5, 25, Kankei2ken, kAki); // (0,-3): an empty point, as a record only
    const TLocate& loc = b.GetLocate(5, 5);
    ASSERT_EQ(loc.GetKankeiSu(), 5);

    EXPECT_EQ(loc.GetNearest(kKuro), Point(5, 3));
    EXPECT_EQ(loc.GetNearest(kSiro), Point(6, 4));
    EXPECT_EQ(loc.GetNearest(kHen), Point());
    EXPECT_TRUE(loc.HasKind(Kankei1ken, kSiro));
    EXPECT_FALSE(loc.HasKind(KankeiNaname, kKuro));
    EXPECT_TRUE(loc.HasKankeiLE(KankeiKeima, kKuro));
    EXPECT_FALSE(loc.HasKankeiLE(KankeiNaname, kKuro));
    EXPECT_TRUE(loc.HasKindLE(KankeiNaname));
    EXPECT_FALSE(loc.HasKindLE(KankeiTonari));
    EXPECT_EQ(loc.CountKankeiLE(Kankei1ken, kKuro), 1);
    EXPECT_EQ(loc.CountKankeiLE(KankeiKeima, kKuro), 2);
    EXPECT_EQ(loc.CountIro(kSiro), 2);
    EXPECT_EQ(loc.CountIro(kAki), 1);

    Arr<Point, 1, 15> pts;
    Arr<int, 1, 15> vals;
    EXPECT_EQ(loc.GetIroPoints(kSiro, pts), 2);
    EXPECT_EQ(pts[1], Point(6, 4));
    EXPECT_EQ(pts[2], Point(3, 5));
    EXPECT_EQ(loc.GetIroPointsKinds(kKuro, pts, vals), 2);
    EXPECT_EQ(vals[2], KankeiKeima);
    EXPECT_EQ(loc.GetKindPoints(kSiro, Kankei1ken, pts), 1);
    EXPECT_EQ(pts[1], Point(3, 5));
    EXPECT_EQ(loc.GetKindLEPoints(Kankei1ken, kKuro, pts), 1);
    // The colours other than the point's own (empty here): stones only.
    EXPECT_EQ(loc.GetOtherIroPoints(pts, vals), 4);
    EXPECT_EQ(loc.GetPointsKinds(pts, vals), 5);
    EXPECT_EQ(vals[5], Kankei2ken);
    EXPECT_EQ(b.LocateCall(5, 5, pts, vals), 5);
    EXPECT_EQ(vals[3], kSiro);
    EXPECT_EQ(pts[3], Point(6, 4));

    // An output list shorter than the entries written is a range error.
    Arr<Point, 1, 2> shortPts;
    Arr<int, 1, 2> shortVals;
    EXPECT_THROW(loc.GetPointsValues(shortPts, shortVals), ERangeError);

    // The dead-stone mark hides a related stone from the live counts.
    EXPECT_EQ(loc.CountIroLive(kSiro), 2);
    b.Death[6][4] = 1;
    EXPECT_EQ(loc.CountIroLive(kSiro), 1);
    EXPECT_TRUE(loc.HasKankeiLELive(Kankei1ken, kSiro));
    b.Death[3][5] = 1;
    EXPECT_FALSE(loc.HasKankeiLELive(Kankei1ken, kSiro));
    EXPECT_TRUE(loc.HasKankeiLE(Kankei1ken, kSiro));
}

TEST_F(LocateTest, NearestPrefersSmallKindThenFirst)
{
    SetBoard(R"(
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)");
    TGoban& b = b0();
    b.SetLocateIro();
    b.SetIro(5, 1, kKuro);
    b.SetIro(4, 6, kKuro);
    b.SetIro(4, 2, kKuro);
    b.SetKankei(4, 4, 29, KankeiOgeima, kKuro);
    b.SetKankei(4, 4, 11, Kankei1ken, kKuro);
    b.SetKankei(4, 4, 9, Kankei1ken, kKuro);
    EXPECT_EQ(b.GetLocate(4, 4).GetNearest(kKuro), Point(4, 6));
}

TEST_F(LocateTest, DirectionsOfAnEmptyPoint)
{
    struct {
        const char* diagram;
        const char* marks; // up, right, down, left for black
    } cases[] = {
        // A stone straight above: up, right and left.
        {". . . . . . .\n. . . . . . .\n. . . X . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .",
         "1101"},
        // Diagonally up and to the right: up and right.
        {". . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . X . .\n. . . . . . .\n. . . . . . .\n. . . . . . .",
         "1100"},
        // Straight to the right: up, down and right.
        {". . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . . X .\n. . . . . . .\n. . . . . . .",
         "1110"},
    };
    for (const auto& c : cases) {
        SetBoard(c.diagram);
        MakeRelations();
        TLocate& loc = b0().GetLocate(4, 5);
        loc.MakeDirection();
        std::string marks;
        for (int d = 1; d <= 4; ++d)
            marks += static_cast<char>('0' + loc.GetDirection(kKuro, d));
        EXPECT_EQ(marks, c.marks) << c.diagram;
        for (int d = 1; d <= 4; ++d)
            EXPECT_EQ(loc.GetDirection(kSiro, d), 0);
    }
    EXPECT_EQ(CompareY(Point(4, 4), Point(9, 2)), 1);
    EXPECT_EQ(CompareY(Point(4, 4), Point(1, 4)), 0);
    EXPECT_EQ(CompareY(Point(4, 4), Point(4, 5)), 3);
    EXPECT_EQ(CompareX(Point(4, 4), Point(5, 1)), 2);
    EXPECT_EQ(CompareX(Point(4, 4), Point(4, 1)), 0);
    EXPECT_EQ(CompareX(Point(4, 4), Point(3, 9)), 4);
}

TEST_F(LocateTest, GroupQueriesSkipPointsOffTheBoard)
{
    SetBoard(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . X . O . . . .
        . . . . . . . . .
        . . . O . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    MakeRelations();
    TGoban& b = b0();
    b.RenList.RenAt(3, 3)->SetGunNo(7);
    b.RenList.RenAt(5, 3)->SetGunNo(8);
    b.RenList.RenAt(4, 5)->SetGunNo(9);
    Arr<int, 1, 15> guns{};
    // The black stone relates to both white stones and to the edge: the
    // enemy groups in order of first appearance, the edge skipped.
    const TLocate& stone = b.GetLocate(3, 3);
    ASSERT_EQ(RelTo({3, 3}, {5, 3}), "3=0");
    ASSERT_EQ(RelTo({3, 3}, {4, 5}), "4=0");
    ASSERT_GT(stone.CountIro(kHen), 0);
    ASSERT_EQ(stone.GetKankeiGuns(guns), 2);
    EXPECT_EQ(guns[1], 8);
    EXPECT_EQ(guns[2], 9);
    guns[1] = 9;
    EXPECT_TRUE(stone.KankeiGun(1, guns));
    guns[1] = 5;
    EXPECT_FALSE(stone.KankeiGun(1, guns));
    // The same group on both stones is listed once.
    b.RenList.RenAt(5, 3)->SetGunNo(9);
    EXPECT_EQ(stone.GetKankeiGuns(guns), 1);

    // An empty corner point relates to the edge: its "opponent" colour is
    // the edge, which has no group and is never looked up.
    const TLocate& corner = b.GetLocate(1, 1);
    ASSERT_GT(corner.CountIro(kHen), 0);
    EXPECT_EQ(corner.GetKankeiGuns(guns), 0);
    EXPECT_EQ(corner.HasLiveGun(0, kHen), 0);
    // The edge carries no dead mark (and none is read off the board).
    EXPECT_TRUE(corner.HasKankeiLELive(KankeiKeima14, kHen));
    EXPECT_EQ(corner.CountIroLive(kHen), corner.CountIro(kHen));
}

} // namespace
} // namespace vorn::test
