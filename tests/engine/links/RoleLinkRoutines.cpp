// Entries of the table of routines for the rows that pin single cells of the
// role tables and the value rules ("call NAME ..." in
// tests/problems/links-roles.tst and generators-roles.tst).
//
// Answers:
//  - "SelectYomiKoho:bar R P Q": the look-ahead's replies at one level with
//    the root R's best value 20 (bar 15); P gets 16 (weak-group reason), Q
//    12 (capture).  The points taken, in any order, "none" without one.
//  - "SelectYomiKoho:under35 R P Q S": the root's best value 35 (bar 25); P
//    gets 30 and Q 20 (weak-group reason), S 14 (capture).
//  - "JobanKoho:press T S H A P...": the opening's stage-2 candidates at the
//    points P against the reading of the 3-3 press: r is the evaluation for
//    the colour of the stone T after that colour plays S, the other colour H
//    and the first colour again A.  Each P as "P=r/bonus", "P=cap24/bonus"
//    or "P=cap26/bonus" (a value held at 24 or 26 below r), "P=value/bonus"
//    for any other value, "P=none" without a candidate.
//  - "YoseAtariValue:forcing P F G": the atari point P where the side to move
//    (J) ataris a chain that the other side (O) must connect at F, and O's
//    move ataris a chain that J must connect at G.  A = J's evaluation after
//    J at P and O at F, B = O's after O at P and J at G, C = J's after J at P
//    and J again at F (the capture that follows).  r = 2 (A + B), raised by
//    half of itself for O's forcing move too, or C halved when 2r exceeds C;
//    b = C.  The candidates as "P=r/b" ("r+2", "b-1" for others).
//  - "YoseValue:ladder P Q S": the boundary point P where J's move leaves a
//    chain of O's with two liberties that the ladder catches, Q and S the
//    ladder's first two moves, and O's move threatens nothing.  A = J's
//    evaluation after J at P and O at Q, B = O's after O at P, F = J's after
//    J at P, Q and S (the capture, half of it the follow-up).  J's move is
//    sente when 2A < F/2: r = the smaller of 2 (A + B) and F/2, bonus 5;
//    otherwise r = A + B, bonus 0.  The candidates as "P=r/bonus".
//  - "WeakGunNiken:read V B T": the two-space extensions of the group at V,
//    read against the extension point B and the answer T: r = the side to
//    move's evaluation after its move at B plus the other side's after its
//    move at T.  The candidate at T as "T=r:reason", the others by their
//    points with their reasons.
#include "engine/Problems.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/MadeReplies.h"
#include "engine/Reading.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// --- The look-ahead's replies --------------------------------------------------------

std::string RepliesAtTheBar(const std::vector<Point>& pts)
{
    return RepliesTaken(pts, 20, {{16, kkWeakGun}, {12, kkToru}});
}
std::string RepliesUnderRoot35(const std::vector<Point>& pts)
{
    return RepliesTaken(pts, 35, {{30, kkWeakGun}, {20, kkWeakGun}, {14, kkToru}});
}

// --- The opening's 3-3 press -----------------------------------------------------------

std::string PressAt(const std::vector<Point>& pts)
{
    if (pts.size() < 5)
        throw std::invalid_argument("the press wants T, S, H, A and the points to answer");
    const int first = GobanLv[0]->GetIroPt(pts[0]);
    if (first != kKuro && first != kSiro)
        throw std::invalid_argument("T holds no stone");
    const int r = ReadingValue(first, {pts[1], pts[2], pts[3]});
    JobanInit();
    Point chosen;
    JobanKoho(chosen);
    std::string out;
    for (std::size_t k = 4; k < pts.size(); ++k) {
        std::string word = GtpVertex(pts[k]) + "=none";
        for (int i = 1; i <= KohoCount; ++i) {
            if (Koho.Pt[i] != pts[k])
                continue;
            const int v = Koho.Value[i];
            const std::string form = v == r                ? "r"
                                     : v == 24 && r > 24 ? "cap24"
                                     : v == 26 && r > 26 ? "cap26"
                                                         : std::to_string(v);
            word = GtpVertex(pts[k]) + '=' + form + '/' + std::to_string(Koho.Bonus[i]);
            break;
        }
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

const TProblemRoutineAdd pressAt("JobanKoho:press", PressAt);

// --- The endgame's atari points ---------------------------------------------------------

// The candidates that the endgame routine `value` leaves for p, read afresh:
// "P=r.../bonus" against the formula's r, the bonus as `bonus` writes it.
std::string YoseRead(void (*value)(Point), Point p, int r, const std::function<std::string(int)>& bonus)
{
    YoseCacheClear();
    KohoKind = kkYose;
    value(p);
    YoseCacheClear();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against("r", Koho.Value[i], r) + '/' + bonus(Koho.Bonus[i]));
    return SortedWords(words);
}

std::string AtariBothForcing(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the atari reading wants the point and both answers");
    const int a = ReadingValue(JibunIro, {pts[0], pts[1]}), b = ReadingValue(AiteIro, {pts[0], pts[2]});
    const int c = OneSideValue(JibunIro, {pts[0], pts[1]});
    int r = 2 * (a + b);
    r += r / 2;
    if (2 * r > c)
        r = c / 2;
    return YoseRead(YoseAtariValue, pts[0], r, [c](int bonus) { return Against("b", bonus, c); });
}

std::string LadderSente(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the ladder reading wants the point and the ladder's first two moves");
    const int a = ReadingValue(JibunIro, {pts[0], pts[1]}), b = ReadingValue(AiteIro, {pts[0]});
    const int f = OneSideValue(JibunIro, pts) / 2;
    const bool sente = 2 * a < f;
    const int r = sente ? std::min(2 * (a + b), f) : a + b;
    return YoseRead(YoseValue, pts[0], r, [](int bonus) { return std::to_string(bonus); });
}

// --- The weak group's two-space extensions -------------------------------------------

std::string NikenRead(const std::vector<Point>& pts)
{
    if (pts.size() != 3)
        throw std::invalid_argument("the reading wants a stone of the group, B and T");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    const int r = ReadingValue(JibunIro, {pts[1]}) + ReadingValue(AiteIro, {pts[2]});
    KohoKind = kkWeakGun;
    WeakGunNiken(*g);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + (Koho.Pt[i] == pts[2] ? '=' + Against("r", Koho.Value[i], r) : "")
                        + ':' + std::to_string(static_cast<int>(Koho.Kind[i])));
    return SortedWords(words);
}

const TProblemRoutineAdd nikenRead("WeakGunNiken:read", NikenRead);

const TProblemRoutineAdd yoseLadder("YoseValue:ladder", LadderSente);
const TProblemRoutineAdd yoseBoth("YoseAtariValue:forcing", AtariBothForcing);

const TProblemRoutineAdd yomiBar("SelectYomiKoho:bar", RepliesAtTheBar);
const TProblemRoutineAdd yomiRoot35("SelectYomiKoho:under35", RepliesUnderRoot35);

} // namespace
} // namespace vorn::test
