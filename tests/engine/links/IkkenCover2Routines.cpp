// Jump-link pattern routines for the rows of tests/problems/links-ikken-cover2.tst,
// answered as in LinkRoutines.cpp: the candidates as expressions of the
// row's lines.
#include "engine/Problems.h"
#include "engine/links/LinkRoutines.h"

#include <string>
#include <vector>

#include "engine/Koho.h"
#include "engine/links/IkkenKado1.h"
#include "engine/links/IkkenWarikomi.h"

namespace vorn::test {
namespace {

// IkkenWarikomi:ik2:less6 A B [lines]: the wedge's candidates with 6 taken
// from each value, so that a value of the lines' sum with the six moves of
// three exchanges on top is answered as "s".
std::string WarikomiLess6(const std::vector<Point>& pts)
{
    return Expressed(pts, 0, [](const TKankeiBox& box, const std::vector<Point>&) {
        IkkenWarikomi(box);
        for (int i = 1; i <= KohoCount; ++i)
            Koho.Value[i] -= 6;
        return std::string();
    });
}

const TProblemRoutineAdd ik2WarikomiLess6("IkkenWarikomi:ik2:less6", WarikomiLess6);

// IkkenKado1OsaeSoto:ik2 A B G D [lines]: the opponent's outside block at G
// beside the corner, with D the corner below it; the gap is the jump's.
std::string OsaeSoto(const std::vector<Point>& pts)
{
    return Expressed(pts, 2, [](const TKankeiBox& box, const std::vector<Point>& p) {
        IkkenKado1OsaeSoto(p[0], box[4], p[1], box.Opp);
        return std::string();
    });
}

const TProblemRoutineAdd ik2Kado1OsaeSoto("IkkenKado1OsaeSoto:ik2", OsaeSoto);

// IkkenKado1Edge:ik2 A B G D FS [lines]: the corner shape's edge reading
// with G beside the corner, D the other corner on its side and FS the end
// stone next to D; the gap is the jump's.
std::string Kado1Edge(const std::vector<Point>& pts)
{
    return Expressed(pts, 3, [](const TKankeiBox& box, const std::vector<Point>& p) {
        IkkenKado1Edge(Point(), p[2], Point(), box[4], p[0], p[1], box.Opp);
        return std::string();
    });
}

const TProblemRoutineAdd ik2Kado1Edge("IkkenKado1Edge:ik2", Kado1Edge);

} // namespace
} // namespace vorn::test
