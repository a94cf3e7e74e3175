// Entries of the table of routines for the rows of opening-pin.tst and
// yomi-pin.tst: the look-ahead's tree read from one root, its display
// numbers and area trace, and the opening's candidates whose bonus is an
// evaluation read with a fixed rule.
//
// Answers:
//  - "YomiTe:principal-line R": the side to move reads the root R (the
//    whole board the area, no forced continuation, the root's best value
//    20): "L R Q S", the line length marker the root leaves and the moves
//    of its principal line (at most three: the root, the reply and the
//    answer; "L R" when no reply is kept).
//  - "YomiTe:display-numbers R": the same reading with the look-ahead
//    display on: the numbers drawn on its moves in order, "1:D2 2:H7"
//    ("none").
//  - "YomiContinue:display-numbers2": a forced continuation of two moves at
//    most after the root colour's answer (the side to move is the root
//    colour's opponent, the root's best value 20), display on: the numbers
//    drawn.
//  - "MakeYomiArea:trace-spans P": the trace the look-ahead area of P leaves
//    (on an empty area): the point as written, the 19 rows as the spans of
//    their marked columns ("4-16", "-" for none), "end" for the empty line.
//  - "JobanKoho2:cap-offset80 P": the opening's third stage after 80 moves:
//    the candidate at P as "P=value/offset", the offset being its bonus less
//    the evaluation of the side to move's play at P ("P=none").
//  - "JobanEdgeGaps:narrow-sum S X T Y": the edge scan's candidates read
//    against v = (S's colour plays X) + (T's colour plays Y), each evaluated
//    alone: "P=sum" for (v, 0) up to 25, (25, min(v - 25, 48)) above;
//    "P=sum+3" for (25, min(v - 22, 48)); else "P=value/bonus".
//  - "JobanKoho:jump-read P S": stage 2's candidate at P, the jump from the
//    lone stone S: "P=25/a" for the bonus a (S's colour plays P), "P=25/a+b"
//    for a + b (b: the other colour plays P, less 10), "P=25/cap40" for 40
//    below the sum, else "P=value/bonus"; "P=none".
//  - "JobanTe:first-point-span": the first point of a continuous game in
//    developer mode, drawn 400 times from a fixed seed: "x=A-B y=C-D", the
//    least and greatest column and row (y from the top).
//  - "JobanTe:vs-computer-after-two": stage 0 against another program with
//    two moves played: the point it gives ("pass" for none).
//  - "JobanKoho:best-kept": the opening's second stage with the best score of
//    an earlier selection set to 123: "P S", the point it answers ("pass"
//    for none) and the best score it leaves.
#include "engine/Problems.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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
#include "engine/Reading.h"
#include "engine/Think.h"

namespace vorn::test {
namespace {

// The moves of a look-ahead line ("<x,y><x,y>...", y from the top) as
// vertices, at most `most` of them.
std::vector<std::string> LineMoves(const std::string& line, std::size_t most)
{
    std::vector<std::string> moves;
    std::size_t i = 0;
    while (moves.size() < most && i < line.size()) {
        int x = 0, y = 0, used = 0;
        if (std::sscanf(line.c_str() + i, "<%d,%d>%n", &x, &y, &used) != 2 || used == 0)
            break;
        moves.push_back(GtpVertex(Point(x, y)));
        i += static_cast<std::size_t>(used);
    }
    return moves;
}

// Numbers drawn on the look-ahead's moves, in the order drawn: "4:E5".
class TNumberLog : public TShellHooks {
public:
    TNumberLog() : before_(&Shell()), display_(DspSakiyomi)
    {
        DspSakiyomi = 1;
        SetShellHooks(this);
    }
    ~TNumberLog() override
    {
        SetShellHooks(before_);
        DspSakiyomi = display_;
    }
    TNumberLog(const TNumberLog&) = delete;
    TNumberLog& operator=(const TNumberLog&) = delete;
    void BangoDraw(int colour, int n, int x, int y) override
    {
        (void)colour;
        words_ += (words_.empty() ? "" : " ") + std::to_string(n) + ':' + GtpVertex(Point(x, y));
    }
    std::string Words() const { return words_.empty() ? "none" : words_; }

private:
    TShellHooks* before_;
    unsigned char display_;
    std::string words_;
};

// The look-ahead's settings for one reading, put back afterwards: the whole
// board the area, `deep` continuation moves, the root's best value 20 and
// the root colour given.
class TTreeSettings {
public:
    TTreeSettings(int deep, int rootColour)
        : deep_(YomiDeep), best_(SakiRootBest), in_(InSakiyomi), colour_(SakiRootColour)
    {
        for (int y = 1; y <= 19; ++y)
            for (int x = 1; x <= 19; ++x)
                YomiArea[x][y] = 1;
        YomiDeep = deep;
        SakiRootBest = 20;
        SakiRootColour = static_cast<std::uint8_t>(rootColour);
        InSakiyomi = 1;
        SaveHyokaBase();
    }
    ~TTreeSettings()
    {
        YomiDeep = deep_;
        SakiRootBest = best_;
        InSakiyomi = in_;
        SakiRootColour = colour_;
    }
    TTreeSettings(const TTreeSettings&) = delete;
    TTreeSettings& operator=(const TTreeSettings&) = delete;

private:
    int deep_, best_;
    std::uint8_t in_, colour_;
};

std::string RootHead(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the tree wants its root");
    const int colour = GobanLv[0]->Tejun.NextColor();
    {
        TTreeSettings settings(0, colour);
        YomiTe(pts[0], colour);
    }
    std::string answer = std::to_string(SakiLineLen);
    for (const std::string& m : LineMoves(SakiLine1, 3))
        answer += ' ' + m;
    return answer;
}

// The numbers the look-ahead display draws while the side to move reads the
// root R as above.
std::string RootNumbers(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the tree wants its root");
    const int colour = GobanLv[0]->Tejun.NextColor();
    TNumberLog log;
    TTreeSettings settings(0, colour);
    YomiTe(pts[0], colour);
    return log.Words();
}

// The numbers drawn by a forced continuation of two moves at most after the
// root colour's last answer (the side to move is the root colour's
// opponent).
std::string ContinueNumbers(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the continuation takes no points");
    const int root = GobanLv[0]->Tejun.NextColor() ^ 3;
    TNumberLog log;
    TTreeSettings settings(2, root);
    std::string line;
    YomiContinue(root, line);
    return log.Words();
}

// A row of the area trace as the spans of its marked columns ("4-16",
// "3-5,8-9"; "-" for none); any other line as it stands.
std::string Spans(const std::string& row)
{
    if (row.size() != 19 || row.find_first_not_of("01") != std::string::npos)
        return '"' + row + '"';
    std::string out;
    for (std::size_t x = 0; x < row.size();) {
        if (row[x] != '1') {
            ++x;
            continue;
        }
        std::size_t end = x;
        while (end + 1 < row.size() && row[end + 1] == '1')
            ++end;
        out += (out.empty() ? "" : ",") + std::to_string(x + 1) + '-' + std::to_string(end + 1);
        x = end + 1;
    }
    return out.empty() ? "-" : out;
}

// The trace the look-ahead area leaves for P on an empty area (the trace on,
// written in a temporary folder): its lines, the point as written, each row
// as the spans of its marked columns, and "end" for the empty last line.
std::string AreaTrace(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the area wants its point");
    const std::filesystem::path old = std::filesystem::current_path();
    std::string dir = (std::filesystem::temp_directory_path() / "vorn-area-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    std::filesystem::current_path(dir);
    const unsigned char savedLog = LogMode;
    LogMode = 1;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            YomiArea[x][y] = 0;
    MakeYomiArea(pts[0]);
    LogMode = savedLog;
    std::ifstream in("log.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::filesystem::current_path(old);
    std::filesystem::remove_all(dir);
    std::string answer, line;
    bool first = true;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        answer += (answer.empty() ? "" : " ") + (first ? line : line.empty() ? std::string("end") : Spans(line));
        first = false;
    }
    return answer.empty() ? "none" : answer;
}

const TProblemRoutineAdd areaTrace("MakeYomiArea:trace-spans", AreaTrace);
const TProblemRoutineAdd rootNumbers("YomiTe:display-numbers", RootNumbers);
const TProblemRoutineAdd continueNumbers("YomiContinue:display-numbers2", ContinueNumbers);
const TProblemRoutineAdd rootHead("YomiTe:principal-line", RootHead);

// Passes added to the game record until `moves` moves are played; taken
// back again at the end of the scope.
class TPassesTo {
public:
    explicit TPassesTo(int moves)
    {
        while (GobanLv[0]->Tejun.Current() < moves) {
            if (!GobanLv[0]->Pass())
                throw std::runtime_error("the record is full");
            ++added_;
        }
    }
    ~TPassesTo()
    {
        for (; added_ > 0; --added_)
            GobanLv[0]->Matta();
    }
    TPassesTo(const TPassesTo&) = delete;
    TPassesTo& operator=(const TPassesTo&) = delete;

private:
    int added_ = 0;
};

// The opening's third stage with 80 moves played (passes added to the
// record and taken back): the candidate at the row's point P as
// "P=value/offset", the offset being its bonus less the evaluation of the
// side to move's play at P; "P=none" without one.
std::string CapOffset(const std::vector<Point>& pts)
{
    if (pts.size() != 1)
        throw std::invalid_argument("the cap wants its point");
    const TPassesTo played(80);
    JobanInit();
    JobanKoho2();
    std::string answer = GtpVertex(pts[0]) + "=none";
    for (int i = 1; i <= KohoCount; ++i)
        if (Koho.Pt[i] == pts[0])
            answer = GtpVertex(pts[0]) + '=' + std::to_string(Koho.Value[i]) + '/'
                   + std::to_string(Koho.Bonus[i] - UtuHyoka(JibunIro, pts[0]));
    return answer;
}

// Stage 2 of the opening with the best score of an earlier selection at 123:
// the point it answers and the best score it leaves, "P 123" ("pass" for no
// point).
std::string StageTwoBestKept(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("stage 2 takes no points");
    JobanInit();
    KohoBestScore = 123;
    Point out(1, 1);
    JobanKoho(out);
    return (out.x == 0 ? std::string("pass") : GtpVertex(out)) + ' ' + std::to_string(KohoBestScore);
}

// The edge scan alone, its candidates read against a narrow stretch's sum:
// a = the evaluation of S's colour playing X, b = that of T's colour playing
// Y, v = a + b.  A candidate is "P=sum" when it is (v, 0) for v <= 25 or
// (25, min(v - 25, 48)) above, "P=sum+3" when it is (25, min(v - 22, 48)),
// else "P=value/bonus"; sorted, "none" when the scan proposes nothing.
std::string NarrowSum(const std::vector<Point>& pts)
{
    if (pts.size() != 4)
        throw std::invalid_argument("the sum wants S, X, T and Y");
    const int v = UtuHyoka(CurGoban().GetIroPt(pts[0]), pts[1]) + UtuHyoka(CurGoban().GetIroPt(pts[2]), pts[3]);
    JobanInit();
    KohoKind = kkJoban;
    JobanEdgeGaps();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        const int value = Koho.Value[i], bonus = Koho.Bonus[i];
        std::string form = std::to_string(value) + '/' + std::to_string(bonus);
        if (v <= 25 ? value == v && bonus == 0 : value == 25 && bonus == std::min(v - 25, 48))
            form = "sum";
        else if (v > 25 && value == 25 && bonus == std::min(v - 22, 48))
            form = "sum+3";
        words.push_back(GtpVertex(Koho.Pt[i]) + '=' + form);
    }
    return SortedWords(words);
}

const TProblemRoutineAdd narrowSum("JobanEdgeGaps:narrow-sum", NarrowSum);
// Stage 2 of the opening: the candidate at P read against the jump from the
// lone stone S: a = the evaluation of S's colour playing P, b = that of the
// other colour playing P less 10.  "P=25/a" when its bonus is a, "P=25/a+b"
// when it is a + b, "P=25/cap40" when it is 40 and a + b is more, else
// "P=value/bonus"; "P=none" without one.
std::string JumpRead(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("the jump wants P and its stone");
    const int c = CurGoban().GetIroPt(pts[1]);
    const int a = UtuHyoka(c, pts[0]);
    const int b = UtuHyoka(Aite(c), pts[0]) - 10;
    JobanInit();
    Point out;
    JobanKoho(out);
    for (int i = 1; i <= KohoCount; ++i) {
        if (Koho.Pt[i] != pts[0])
            continue;
        const int value = Koho.Value[i], bonus = Koho.Bonus[i];
        std::string form = std::to_string(bonus);
        if (value == 25 && bonus == a)
            form = "a";
        else if (value == 25 && bonus == a + b)
            form = "a+b";
        else if (value == 25 && bonus == 40 && std::max(a, a + b) > 40)
            form = "cap40";
        return GtpVertex(pts[0]) + '=' + std::to_string(value) + '/' + form;
    }
    return GtpVertex(pts[0]) + "=none";
}

const TProblemRoutineAdd jumpRead("JobanKoho:jump-read", JumpRead);
// The first point of a continuous game in developer mode on an empty board,
// drawn 400 times from a fixed seed: the least and the greatest column and
// row it gave, "x=3-7 y=3-7" (y from the top).
std::string FirstPointSpan(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("the first point takes no points");
    const unsigned char savedRenzoku = RenzokuMode, savedDev = DevMode;
    RenzokuMode = 1;
    DevMode = 1;
    RandSeed(5);
    int x0 = 99, x1 = 0, y0 = 99, y1 = 0;
    for (int i = 0; i < 400; ++i) {
        Point p;
        JobanTe(p);
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    RenzokuMode = savedRenzoku;
    DevMode = savedDev;
    return "x=" + std::to_string(x0) + '-' + std::to_string(x1) + " y=" + std::to_string(y0) + '-' + std::to_string(y1);
}

const TProblemRoutineAdd firstPointSpan("JobanTe:first-point-span", FirstPointSpan);

// Stage 0 against another program after two moves (passes added to the
// record and taken back): the point it gives, "pass" for none.
std::string VsComputerAfterTwo(const std::vector<Point>& pts)
{
    if (!pts.empty())
        throw std::invalid_argument("stage 0 takes no points");
    const TPassesTo played(2);
    const unsigned char savedMode = VsComputerMode;
    VsComputerMode = 1;
    Point p;
    JobanTe(p);
    VsComputerMode = savedMode;
    return p.x == 0 ? std::string("pass") : GtpVertex(p);
}

const TProblemRoutineAdd vsComputerAfterTwo("JobanTe:vs-computer-after-two", VsComputerAfterTwo);
const TProblemRoutineAdd stageTwoBestKept("JobanKoho:best-kept", StageTwoBestKept);
const TProblemRoutineAdd capOffset("JobanKoho2:cap-offset80", CapOffset);

} // namespace
} // namespace vorn::test
