// The entries of the problem tables for the knight's-move answers to
// outside stones (tests/engine/shapes/HaneRoutines.cpp describes the answer
// and the formula of a row): shared by the routines files that call them.
#pragma once

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Between.h"
#include "board/Diagram.h"
#include "board/Goban.h"
#include "engine/Koho.h"
#include "engine/Problems.h"
#include "engine/Reading.h"

namespace vorn::test::outer {

using TOuterRoutine = void (*)(std::span<const Point>, std::span<const Point>, std::span<const std::uint8_t>, int);

// The value of the formula in pts[from...] for the pair (a, b).
inline int FormulaValue(Point a, Point b, const std::vector<Point>& pts, std::size_t from)
{
    const int own = CurGoban().GetIroPt(a), att = own ^ 3;
    int sum = 0;
    int term = 0, first = 0;
    bool open = false, lower = false;
    std::vector<Point> moves;
    // Closes the reading in `moves` into the open term.
    const auto close = [&](bool firstOfTerm) {
        const int v = moves.empty() ? 0 : ReadingValue(first, moves);
        term = firstOfTerm ? v : (lower ? std::min(term, v) : std::max(term, v));
        moves.clear();
    };
    bool firstOfTerm = true;
    for (std::size_t i = from; i < pts.size(); ++i) {
        const Point p = pts[i];
        const int c = CurGoban().GetIroPt(p);
        if (p == a || p == b) {
            if (open) {
                close(firstOfTerm);
                sum += term;
            }
            open = true;
            firstOfTerm = true;
            first = p == a ? own : att;
        } else if (c == own || c == att) {
            if (!open)
                throw std::invalid_argument("a formula starts with A or B");
            close(firstOfTerm);
            firstOfTerm = false;
            lower = c == att;
        } else {
            if (!open)
                throw std::invalid_argument("a formula starts with A or B");
            moves.push_back(p);
        }
    }
    if (open) {
        close(firstOfTerm);
        sum += term;
    }
    return sum;
}

// The formula in pts[3...] for the pair (pts[0], pts[1]) read term by term,
// each term from its opening A or B up to the next one; with halved, the
// sum is halved (toward zero) when a term is negative.
inline int TermwiseValue(const std::vector<Point>& pts, bool halved)
{
    int r = 0;
    bool negative = false;
    for (std::size_t i = 3; i < pts.size();) {
        std::size_t end = i + 1;
        while (end < pts.size() && pts[end] != pts[0] && pts[end] != pts[1])
            ++end;
        std::vector<Point> term(pts.begin(), pts.begin() + 3);
        term.insert(term.end(), pts.begin() + static_cast<std::ptrdiff_t>(i),
                    pts.begin() + static_cast<std::ptrdiff_t>(end));
        const int v = FormulaValue(pts[0], pts[1], term, 3);
        negative = negative || v < 0;
        r += v;
        i = end;
    }
    return halved && negative ? r / 2 : r;
}

inline std::string Relative(int v, int r)
{
    if (v == r)
        return "r";
    if (r != 0 && v == r / 2)
        return "r/2";
    return v > r ? "r+" + std::to_string(v - r) : "r-" + std::to_string(r - v);
}

template <TOuterRoutine Routine>
std::string OuterAt(const std::vector<Point>& pts)
{
    if (pts.size() < 2)
        throw std::invalid_argument("an outer-stone routine wants the pair A B");
    const Point a = pts[0], b = pts[1];
    const int own = CurGoban().GetIroPt(a);
    if (own != kKuro && own != kSiro)
        throw std::invalid_argument("A holds no stone");
    Point r[6], d[6];
    std::uint8_t dc[6];
    BetweenRows(a, b, r);
    BetweenDiag(a, b, d);
    for (int i = 0; i < 6; ++i)
        dc[i] = static_cast<std::uint8_t>(CurGoban().GetIroPt(d[i]));
    KohoKind = kkKankei;
    Routine(std::span<const Point>(r), std::span<const Point>(d), std::span<const std::uint8_t>(dc), own ^ 3);
    const Point at = pts.size() > 2 ? pts[2] : Point();
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i) {
        std::string w = GtpVertex(Koho.Pt[i]);
        if (Koho.Pt[i] == at)
            w += '=' + Relative(Koho.Value[i], FormulaValue(a, b, pts, 3)) + ':'
                 + std::to_string(static_cast<int>(Koho.Kind[i]));
        words.push_back(w);
    }
    std::string out;
    for (const std::string& w : words)
        out += (out.empty() ? "" : " ") + w;
    return out.empty() ? "none" : out;
}

// The routine alone on the pair (A, B) as OuterAt runs it, each candidate
// answered as "P/b", its point and its tie-break bonus, sorted; "none" when
// there is none.
template <TOuterRoutine Routine>
std::string OuterBonus(const std::vector<Point>& pts)
{
    if (pts.size() != 2)
        throw std::invalid_argument("a bonus entry wants the pair A B");
    OuterAt<Routine>(pts);
    std::vector<std::string> words;
    for (int i = 1; i <= KohoCount; ++i)
        words.push_back(GtpVertex(Koho.Pt[i]) + '/' + std::to_string(static_cast<int>(Koho.Bonus[i])));
    return SortedWords(words);
}

} // namespace vorn::test::outer
