// Harnesses shared by the tests of the shape-link generators.
//
// The contract harness plays seeded random games, prepares a decision as the
// engine does and calls every registered handler on every entry of the pair
// list of its kind, and every registered stage routine.  After each call the
// look-ahead boards, their records and Level must be as found, KohoKind as
// set, and every new or changed candidate must carry a reason code the
// routine may give.  Under the sanitizers it also catches lists written past
// their end, missing chains and take-backs of moves never played.
//
// The symmetry harness sets a position up in the eight orientations of the
// board and calls a routine on the mapped points: the candidates (mapped
// back), their values and the routine's answer must agree.  Use positions in
// which exactly one trigger of the routine holds: mirror cases are tested in
// a fixed order, so a position that matches two of them is not symmetric.
//
// A new generator registers its routines in the tables of ShapeRegistry.cpp.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "board/Point.h"

namespace vorn::test {

// The reason codes a routine may give besides the code in force, as bits.
constexpr std::uint64_t ReasonBits(std::initializer_list<int> codes)
{
    std::uint64_t bits = 0;
    for (int c : codes)
        bits |= std::uint64_t{1} << c;
    return bits;
}

// A relation handler (or any routine of a pair): called with the pair-list
// entry's first point as a and its second as b, under reason code 5, for
// every entry of its kind.  Kind 0: called for every stone of the board,
// with b = (0, 0).  A gated handler is also called inside the root
// look-ahead with nothing in its area, and must then add nothing.
struct TContractHandler {
    const char* name;
    int kind;
    void (*fn)(Point a, Point b);
    std::uint64_t extraReasons; // codes given with AddKohoEx (3, 4, 27)
    bool gated = false;
};

// A stage routine, called once per position with KohoKind set to `reason`
// (0: the code left by the handlers).
struct TContractStage {
    const char* name;
    void (*fn)(Point& out);
    int reason;
};

std::span<const TContractHandler> ContractHandlers();
std::span<const TContractStage> ContractStages();

// Runs the registered routines on `positions` random games of `moves` moves
// on a board of `size` lines, seeds seed, seed + 1, ...  Adds to calls[i]
// the number of calls of handler i (calls may be null).
void RunContract(int size, int positions, int moves, std::uint64_t seed, std::vector<int>* calls = nullptr);

// One position for the symmetry harness: the points (A, B and what else the
// call needs) are mapped with the board; fn calls the routine on them and
// answers its result (0 when it has none).
struct TSymmetryCase {
    const char* name;
    const char* diagram;
    int toMove;
    Point pts[4];
    int (*fn)(std::span<const Point> pts);
};

std::span<const TSymmetryCase> SymmetryCases();

// The eight symmetries of a board of n lines: s = 0 is the identity.
Point MapPoint(int s, Point p, int n);
Point UnmapPoint(int s, Point p, int n);

// Runs one case in all eight orientations; reports every disagreement.
void RunSymmetry(const TSymmetryCase& c);

} // namespace vorn::test
