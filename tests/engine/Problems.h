// Problem files: Go positions with the answers they must get, kept as text
// under tests/problems/ (*.tst) and run one test per problem.
//
// A file holds comment lines ("# ...") and problems.  A problem starts with
// its id in brackets and holds, in this order:
//
//   [net-catches-three]
//   # The loose net catches three stones with two liberties.
//   white to play
//     . . . . . . . . .
//     . . . . . . . . .
//     ...
//   tactics [F4]
//
// - The comment lines right after the id say what the problem is about.
// - The position: "black to play" or "white to play" followed by a diagram
//   (as board/Diagram.h reads it: 'X' black, 'O' white, '.' empty, the top
//   row first), or "sgf <file> <move>": the record (relative to
//   tests/problems/) up to and including that move, the side to move as the
//   record has it.
// - One or more checks: a command with its arguments and the expected
//   answers in brackets.  "[D5|E4]" wants one of the alternatives, "[!D5|E4]"
//   none of them; an alternative may be a list ("[1 C7]").  Points are GTP
//   vertices (A1 at the bottom left, no I), a pass is "pass".  A trailing
//   "*" marks a known failure: the check is then expected to fail, and a
//   pass is reported so that the mark can go.
#pragma once

#include "board/Point.h"
#include <string>
#include <vector>

namespace vorn::test {

struct TProblemCheck {
    int line = 0;
    std::string text;                  // the line as written
    std::string command;
    std::vector<std::string> args;
    std::vector<std::string> answers;  // alternatives, blanks normalised
    bool negated = false;              // "[!...]": none of the answers
    bool knownFailure = false;         // trailing "*"
};

struct TProblem {
    std::string file;   // file name within tests/problems/
    std::string id;
    int line = 0;
    std::string about;  // the comment lines after the id
    std::string diagram;
    int toMove = 0;     // kKuro or kSiro, for a diagram
    std::string sgf;    // or a record and the move number
    int sgfMove = 0;
    std::vector<TProblemCheck> checks;
    std::string error;  // what is wrong with this entry of the file

    // "file:line [id]", for messages.
    std::string Where() const;
};

// A text as a test name: every character but letters and digits becomes '_'.
std::string ProblemTestName(const std::string& text);

// The directory of the problem files (ends in '/').
std::string ProblemDir();
// The problems of one file's text; a fault of the file becomes a problem
// whose error says what and where.
std::vector<TProblem> ParseProblems(const std::string& file, const std::string& text);
// The problems of one file of the problem directory.
std::vector<TProblem> LoadProblems(const std::string& file);
// The problems of every *.tst file of the problem directory, by file name.
std::vector<TProblem> LoadAllProblems();

// Board 0 as the problem's position, at level 0; throws when the position
// cannot be set up.
void SetupProblem(const TProblem& problem);
// The result of a command meets the check's expectation.
bool CheckMet(const TProblemCheck& check, const std::string& result);

// --- Commands ----------------------------------------------------------------------
//
//   tactics      the best capture or escape of the tactical stage (stage 2
//                alone, with the link-shape handlers silent), "pass" when
//                there is none
//   move         the engine's move (ThinkMove); "resign" for an offer to resign
//   ladder V     "1 W" when the ladder catches the chain at V with W as its
//                first move, "0" when it escapes
//   status V     "dead" or "alive": the analysis' verdict on the group at V
//   kill V       the side to move ponders the kill of the group at V: its
//                best killing move, "pass" when it proposes none
//   live V       the side to move ponders the life of its group at V
//   sikatu       the life-and-death generators of the tactical stage (the
//                urgent pass, then the others): their best candidate
//   semeai       the capturing-race generator alone: its best candidate
//   call NAME V...
//                one routine of the engine alone, by its name in the table
//                of routines (ProblemRoutines), on the state of a decision
//                for the side to move, given the points V...: the answer
//                its entry gives, as a rule the candidates it left
//                (RoutineCandidates)

// The answer to the check's command on board 0 as set up; detail gets what
// helps to read a failure (the candidate table).  Throws for an unknown
// command, bad arguments, or a reading that left the boards changed.
std::string RunProblemCommand(const TProblemCheck& check, std::string& detail);

// Runs the move choice up to the tactical stage alone for the side to move
// of board 0: the number of the best tactical candidate in the sorted table,
// 0 when there is none.  Throws when the boards, the record or the level
// were left changed.
int RunTactics();
// The point the tactical stage itself chose in the last RunTactics (the
// stage's selection at its threshold; pass when it chose none).
extern Point TacticsStageChoice;
// The candidate table as "D4=value/bonus:reason ..." in GTP vertices.
std::string CandidateTable();

// --- The table of routines for "call" ------------------------------------------
//
// A routine's entry calls it on the points of the check (mapped from GTP
// vertices, checked to lie on the board) and answers what the check
// compares.  Files of routines add their entries with static
// TProblemRoutineAdd objects, each named as the routine it calls; a file
// may add several entries for one routine with a suffix after a colon
// ("KosumiSotoUtu:marks").
using TProblemRoutine = std::string (*)(const std::vector<Point>& pts);
struct TProblemRoutineAdd {
    TProblemRoutineAdd(const char* name, TProblemRoutine fn);
};
// The candidates of the table as "D4=12 E5=3", ordered by their vertices,
// each with its value, and its bonus after a slash when it has one
// ("D4=12/2"); "none" when the table is empty.
// The sum of a pair's two readings written in pts[from...]: the moves of the
// colour other than pts[0]'s (it moves first, colours alternating, scored for
// it) up to a repeat of pts[0], then the moves of pts[0]'s colour, scored for
// that colour; a missing reading adds 0.
int PairReadingsSum(const std::vector<Point>& pts, std::size_t from);
std::string RoutineCandidates();
// The candidates with their reason codes: "D4=12:5 E5=3/1:27", "none" when empty.
std::string RoutineCandidatesWithReason();
// The candidate table at the points given, one word each, sorted: "D4=25/49"
// (value and bonus; "D4=25" without the bonus), "D4=none" when the table
// holds nothing there.
std::string CandidatesAt(const std::vector<Point>& pts, bool withBonus);
// The evaluation after the moves of a row's reading, played from the row's
// position alternately from `first` and scored for `first`; every move is
// taken back.  Throws when a move is refused.
int ReadingValue(int first, const std::vector<Point>& moves);
// The evaluation for c after c plays all of `moves` in turn (the other
// colour passing), every move taken back.  Throws when a move is refused.
int OneSideValue(int c, const std::vector<Point>& moves);
// The words of a list, sorted and joined by spaces; "none" when empty.
std::string SortedWords(std::vector<std::string> all);
// v against a reference value ref named `name`: "K", "K+2", "K-3".
std::string Against(const std::string& name, int v, int ref);
// Prepared answer i (1-based) as one word "D4/E5/F6": the engine's move, the
// opponent's reply, the engine's answer to it.
std::string PreparedTeWord(int i);

} // namespace vorn::test
