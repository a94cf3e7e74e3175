// Entries of the table of routines for the rows of opening-pin4.tst.
//
// Answers:
//  - "YomiTe:display-numbers-sorted R": the side to move reads the root R
//    (the whole board the area, no forced continuation, the root's best
//    value 20) with the look-ahead display on: the numbers drawn on its
//    moves as "1:D2 2:H7 3:B7", sorted, so that the order in which the
//    replies are read does not matter ("none" when nothing is drawn).
//  - "YomiTe:least-leaf R Q... [R Q...]": the side to move reads the root R
//    as above; the points after R are the lines the row expects the tree to
//    read below R, each a reply and the answers up to the leaf, a repeat of
//    R starting the next line.  Each line's leaf is evaluated for the side
//    to move against the base before R (R and the line played from the side
//    to move on, colours alternating).  "least" when the root's score is
//    the least of those leaves (the opponent chooses among its replies),
//    else "score S leaves A B...".
//  - "JobanTe:vs-computer-after-centre": stage 0 against another program
//    (19 x 19) after the side to move has played K10 as the game's first
//    move (taken back afterwards): "P C...", the point it gives ("pass" for
//    none) and the candidates it left, "D4=100" (value, no bonus).
//  - "JobanTe:first-columns-handicapH": stage 0 on the empty board in a
//    continuous game with developer mode on and H handicap stones declared,
//    400 times from a fixed seed: the columns given, "x=3,4,6,7".
#include "engine/Problems.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/Rand.h"
#include "board/Tejun.h"
#include "engine/Hyoka.h"
#include "engine/Joban.h"
#include "engine/Koho.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// The numbers drawn on the look-ahead's moves while it lives, "4:E5".
class TDrawnNumbers : public TShellHooks {
public:
    TDrawnNumbers() : before_(&Shell()), display_(DspSakiyomi)
    {
        DspSakiyomi = 1;
        SetShellHooks(this);
    }
    ~TDrawnNumbers() override
    {
        SetShellHooks(before_);
        DspSakiyomi = display_;
    }
    TDrawnNumbers(const TDrawnNumbers&) = delete;
    TDrawnNumbers& operator=(const TDrawnNumbers&) = delete;
    void BangoDraw(int colour, int n, int x, int y) override
    {
        (void)colour;
        words_.push_back(std::to_string(n) + ':' + GtpVertex(Point(x, y)));
    }
    const std::vector<std::string>& Words() const { return words_; }

private:
    TShellHooks* before_;
    unsigned char display_;
    std::vector<std::string> words_;
};

// The look-ahead's tree searched from the side to move over the whole
// board, for the life of the object; its settings as they were afterwards.
struct TTreeSearch {
    int deep = YomiDeep, best = SakiRootBest;
    std::uint8_t in = InSakiyomi, rootColour = SakiRootColour;
    explicit TTreeSearch(int colour)
    {
        for (int y = 1; y <= 19; ++y)
            for (int x = 1; x <= 19; ++x)
                YomiArea[x][y] = 1;
        YomiDeep = 0;
        SakiRootBest = 20;
        SakiRootColour = static_cast<std::uint8_t>(colour);
        InSakiyomi = 1;
        SaveHyokaBase();
    }
    ~TTreeSearch()
    {
        YomiDeep = deep;
        SakiRootBest = best;
        SakiRootColour = rootColour;
        InSakiyomi = in;
    }
    TTreeSearch(const TTreeSearch&) = delete;
    TTreeSearch& operator=(const TTreeSearch&) = delete;
};

std::string SortedRootNumbers(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the tree wants its root");
    const int colour = GobanLv[0]->Tejun.NextColor();
    const TTreeSearch search(colour);
    std::vector<std::string> words;
    {
        TDrawnNumbers log;
        YomiTe(pts[0], colour);
        words = log.Words();
    }
    return SortedWords(words);
}

std::string LeastLeaf(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("the tree wants its root and a line");
    const int colour = GobanLv[0]->Tejun.NextColor();
    const TTreeSearch search(colour);
    const int score = YomiTe(pts[0], colour);
    std::vector<int> leaves;
    std::vector<Point> line{pts[0]};
    for (std::size_t i = 1; i <= pts.size(); ++i) {
        if (i < pts.size() && pts[i] != pts[0]) {
            line.push_back(pts[i]);
            continue;
        }
        RestoreHyokaBase();
        leaves.push_back(ReadingValue(colour, line));
        line.assign(1, pts[0]);
    }
    if (score == *std::min_element(leaves.begin(), leaves.end()))
        return "least";
    std::string out = "score " + std::to_string(score) + " leaves";
    for (const int v : leaves)
        out += ' ' + std::to_string(v);
    return out;
}

std::string AfterCentre(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("stage 0 takes no points");
    TGoban& b = *GobanLv[0];
    if (b.Tejun.Current() != 0 || b.Utu(10, 10) != kUtuOk)
        throw std::invalid_argument("K10 cannot be the first move");
    b.Analyze();
    const unsigned char savedMode = VsComputerMode;
    VsComputerMode = 1;
    KohoCount = 0;
    Point p;
    JobanTe(p);
    VsComputerMode = savedMode;
    const std::string answer = (p.x == 0 ? std::string("pass") : GtpVertex(p)) + ' ' + RoutineCandidates();
    b.Matta();
    b.Analyze();
    return answer;
}

template <int H>
std::string FirstColumns(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the first point takes no points");
    const unsigned char savedRenzoku = RenzokuMode, savedDev = DevMode;
    const int savedHandicap = Handicap;
    RenzokuMode = 1;
    DevMode = 1;
    Handicap = H;
    RandSeed(5);
    std::set<int> columns;
    for (int i = 0; i < 400; ++i) {
        Point p;
        JobanTe(p);
        columns.insert(p.x);
    }
    RenzokuMode = savedRenzoku;
    DevMode = savedDev;
    Handicap = savedHandicap;
    std::string out;
    for (const int x : columns)
        out += (out.empty() ? "x=" : ",") + std::to_string(x);
    return out;
}

const TProblemRoutineAdd afterCentre("JobanTe:vs-computer-after-centre", AfterCentre);
const TProblemRoutineAdd firstColumns1("JobanTe:first-columns-handicap1", FirstColumns<1>);
const TProblemRoutineAdd firstColumns2("JobanTe:first-columns-handicap2", FirstColumns<2>);
const TProblemRoutineAdd leastLeaf("YomiTe:least-leaf", LeastLeaf);
const TProblemRoutineAdd sortedRootNumbers("YomiTe:display-numbers-sorted", SortedRootNumbers);

} // namespace
} // namespace vorn::test
