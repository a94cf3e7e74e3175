// Entries of the problem table life-yose-pin.tst: the settling and endgame
// patterns on positions where one stone decides the answer.  The answer
// format is written at each entry.
#include "engine/Problems.h"
#include "engine/Pondering.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"
#include "engine/Reading.h"
#include "engine/SikatuKatachi.h"
#include "engine/Think.h"
#include "engine/Yose.h"

namespace vorn::test {
namespace {

// call SettleIkkenNozoki:prepared V   the settling jump that peeps, on the
// group at V: each candidate as "P=K+d" (its value against the group's
// value K), then every prepared answer recorded as "OWN/REPLY/ANSWER";
// sorted.
template <void (*Pass)(const TGun&)>
std::string WithPrepared(const std::vector<Point>& pts)
{
    const TGun* g = &GroupAt(pts);
    const int kati = g->GetKati();
    PreparedTeClear();
    KohoKind = kkSikatu;
    Pass(*g);
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + Against("K", Koho.Value[i], kati));
    }
    for (int i = 1; i <= PreparedTeCount; ++i)
        all.push_back(PreparedTeWord(i));
    PreparedTeClear();
    return SortedWords(all);
}

// call YoseAtariValue:plain V   the atari point V where neither move forces
// an answer: r = A + B, A = J's evaluation after J at V, B = O's after O at
// V; bonus 0 (no follow-up).  The candidates YoseAtariValue left: the one at
// V as "V=r" ("V=r+3", "V=r-2" when off) with its bonus after a slash when
// it has one, the others by their points; "none".
std::string AtariPlain(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the atari point wants the point");
    const Point v = pts[0];
    const int r = ReadingValue(JibunIro, {v}) + ReadingValue(AiteIro, {v});
    YoseCacheClear();
    KohoKind = kkYose;
    YoseAtariValue(v);
    YoseCacheClear();
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != v) {
            all.push_back(GtpVertex(Koho.Pt[i]));
            continue;
        }
        all.push_back(GtpVertex(v) + '=' + Against("r", Koho.Value[i], r)
                      + (Koho.Bonus[i] != 0 ? '/' + std::to_string(Koho.Bonus[i]) : std::string()));
    }
    return SortedWords(all);
}

// call SikatuSkip:seeded V P   the test that spares the group at V the
// life-and-death reading, with one candidate already in the table: P at
// value 20 under the relation reason (5).  "skip" when the test spares the
// group, "read" when not, then the points of the candidates the test added
// on the way (the seed left out), sorted; "none" when it added none.
// SikatuSkip:seeded-22, :seeded-15 and :seeded-14 seed the value named
// (22: score 220, the bar of the relation answers).
template <int Value>
std::string SkipSeeded(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the test wants a stone of the group and the seeded point");
    const TGun* g = GobanLv[0]->GunList.GetGunAt(pts[0]);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + GtpVertex(pts[0]));
    AddKohoEx(pts[1], Value, kkKankei, Point{});
    if (KohoCount != 1)
        throw std::invalid_argument("the seed is refused at " + GtpVertex(pts[1]));
    KohoKind = kkSikatu;
    const bool skip = SikatuSkip(*g);
    YomiUnwind();
    std::vector<std::string> added;
    for (int i = 2; i <= KohoCount; ++i)
        added.push_back(GtpVertex(Koho.Pt[i]));
    return std::string(skip ? "skip " : "read ") + SortedWords(added);
}

const TProblemRoutineAdd skipSeeded("SikatuSkip:seeded", SkipSeeded<20>);
const TProblemRoutineAdd skipSeeded22("SikatuSkip:seeded-22", SkipSeeded<22>);
const TProblemRoutineAdd skipSeeded15("SikatuSkip:seeded-15", SkipSeeded<15>);
const TProblemRoutineAdd skipSeeded14("SikatuSkip:seeded-14", SkipSeeded<14>);
const TProblemRoutineAdd atariPlain("YoseAtariValue:plain", AtariPlain);
const TProblemRoutineAdd nozokiPrepared("SettleIkkenNozoki:prepared", WithPrepared<SettleIkkenNozoki>);

} // namespace
} // namespace vorn::test
