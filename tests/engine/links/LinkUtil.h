// Helpers of the jump-link tests: the registry of handlers that the sweep
// calls, the sweep over a position's pair list, board symmetries, the
// handlers' observable output, and a counter of trial moves.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "board/Hooks.h"
#include "board/Point.h"

namespace vorn {
struct TKankeiBox;
}

namespace vorn::test {

// --- The handler registry -------------------------------------------------------

enum class TLinkPass {
    First,  // pair answers: entered at level 0 under kkKankei
    Second, // the second pass over the relations, under kkHokyo
    Value,  // a value routine: also called with the caller's moves standing
};

struct TLinkHandler {
    const char* Name;
    int Kind; // the relation kind of the pairs it is called for: 3, 6 or 10
    TLinkPass Pass;
    void (*Call)(Point a, Point b);
};

// Every handler the sweep calls.  A test file adds its own with a static
// TLinkHandlerAdd, so each unit that lands joins the sweep.
std::vector<TLinkHandler>& LinkHandlers();
struct TLinkHandlerAdd {
    explicit TLinkHandlerAdd(const TLinkHandler& h) { LinkHandlers().push_back(h); }
};

// --- The sweep -------------------------------------------------------------------

struct TSweepCount {
    int Positions = 0;
    int Calls = 0;
};

// Board 0 after `moves` random moves from a seeded empty board of that size,
// analysed and prepared as at the start of a decision.
void RandomDecision(int size, int moves, std::uint64_t seed);
// Board 0 from the diagram, prepared the same way.
void DiagramDecision(const char* diagram);

// Every registered handler on every pair-list entry of its kind of the
// prepared position, for JibunIro = each colour, with the look-ahead off and
// on (an area over part of the board); a relation to the edge also with its
// ends swapped.  After each call Level and every board with its record are
// as before, and every candidate lies on an empty point of the game board.
// `what` names the position in failure messages.
void SweepPairs(const std::string& what, TSweepCount& count);

// Every registered handler of kind 3 (6, 10 for d = 3, 4) on every jump of d
// steps along the first line between two stones of one colour: the pair
// list leaves these out, so their off-board box column is met only here.
// The same checks as SweepPairs.
void SweepEdgeLine(const std::string& what, int d, TSweepCount& count);

// The box of a jump of the pair list as its handler builds it; false when
// the handler would not go on (an end off the board, no stone at a).
bool JumpBox(Point a, Point b, TKankeiBox& box);

// A diagram of the given size holding the stones: 'X' black, 'O' white at
// (x, y), counted from 1 from the left and from the top.
struct TDiagramStone {
    int X, Y;
    char C;
};
std::string StoneDiagram(const std::vector<TDiagramStone>& stones, int size = 9);

// --- Symmetries -------------------------------------------------------------------

// Symmetry t = 0..7 of the board: bit 2 swaps the axes, then bit 0 mirrors
// x and bit 1 mirrors y.  Points of the border line map to the border line.
Point Sym(Point p, int t);
Point SymInverse(Point p, int t);
// Board 0 as the diagram under symmetry t, prepared as at the start of a
// decision for `toMove`; the listed points of the diagram are first set to a
// colour (kAki clears one).
void SymDecision(const char* diagram, int t, int toMove, const std::vector<std::pair<Point, int>>& stones = {});

// --- Output of the handlers ---------------------------------------------------------

// What the handlers left for the engine: candidates with values, prepared
// answers and LinkMark1, each point mapped back through SymInverse(t).
struct TLinkOutput {
    std::map<std::pair<int, int>, int> Koho;
    std::set<std::tuple<int, int, int, int, int, int>> Prepared;
    std::set<std::pair<int, int>> Marks;

    bool operator==(const TLinkOutput&) const = default;
    std::string Show() const;
};
TLinkOutput TakeLinkOutput(int t = 0);
// Empties the candidate table, the prepared answers and the link marks.
void ClearLinkOutput();
// Runs f, checks that it took back every trial move, and answers what it
// left; `moves` gets the stones it put on the look-ahead boards.
TLinkOutput RunLinkHandler(const std::function<void()>& f, int* moves = nullptr);

// --- Known answers ---------------------------------------------------------------------

using TStones = std::vector<std::pair<Point, int>>;
// Board 0 from the diagram with the listed points set to a colour (kAki
// clears one), prepared as at the start of a decision for `toMove`, with the
// handlers' output emptied and the pair answers' reason in force.
void PrepareLink(const char* diagram, int toMove, const TStones& stones = {});
// Runs f and answers what it left, expecting every trial move taken back;
// `moves` gets the stones it put on the look-ahead boards.
TLinkOutput RunLink(const std::function<void()>& f, int* moves = nullptr);
// For either colour to move (JibunIro too): f adds nothing, marks nothing
// and plays no trial move.
void ExpectNoLinkOutput(const char* diagram, const TStones& stones, const std::function<void()>& f,
                        const char* what = "");

// --- Symmetry cases -----------------------------------------------------------------

// One routine on one position under symmetry t, its output in the frame of
// the untransformed position.
struct TSymCase {
    const char* Name;
    const char* Diagram;
    int ToMove;
    // Whether the evaluation of the position and its mirror images agree,
    // so the values can be compared too (the weak-group term of the
    // evaluation is not exactly symmetric on every shape).
    bool Values;
    std::string (*Run)(int t);
};
// A relation handler's output on (a, b) under symmetry t.
std::string Handler(void (*h)(Point, Point), Point a, Point b, int t);
// Every case under the eight symmetries, JibunIro the side to move: the same
// answer at the mapped points each time (values too where the case says),
// never an empty one, and the boards as they were.
void ExpectSymmetric(std::span<const TSymCase> cases);

// --- Relations to the edge -------------------------------------------------------------

// A relation from a stone to the point beyond the edge, on a diagram with
// the listed points set to a colour.
struct TEdgeSymCase {
    const char* Name;
    std::string Diagram;
    TStones Stones;
    Point Stone, Edge;
    int ToMove;
    bool Values; // the evaluation agrees under the board's symmetries
};
// The handler on every case under the eight symmetries (so on every edge),
// from the stone and from the end beyond the edge, JibunIro the side to move
// under the pair answers' reason: the same output at the mapped points each
// time (values too where the case says), never an empty one, and the boards
// as they were.
void ExpectEdgeSymmetric(void (*h)(Point, Point), std::span<const TEdgeSymCase> cases);

// --- Trial moves ----------------------------------------------------------------------

// Counts the stones the look-ahead puts on the boards while it is alive.
class TTrialMoveCounter : public TShellHooks {
public:
    TTrialMoveCounter();
    ~TTrialMoveCounter() override;
    void ThinkIsiDraw(int colour, Point p) override;
    int Moves = 0;
};

} // namespace vorn::test
