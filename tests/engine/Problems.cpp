#include "Problems.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "Util.h"

#include "board/Diagram.h"
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Koho.h"
#include "engine/PairAnswer.h"
#include "engine/Reading.h"
#include "engine/Semeai.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"
#include "records/Kifu.h"

namespace vorn::test {

namespace {

std::string Trim(const std::string& s)
{
    const std::size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return std::string();
    const std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Words separated by single blanks, upper case: how answers are compared.
std::string Normalise(const std::string& s)
{
    std::istringstream in(s);
    std::string word, out;
    while (in >> word) {
        if (!out.empty())
            out += ' ';
        for (char ch : word)
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return out;
}

bool IsDiagramLine(const std::string& line)
{
    const char ch = line[0];
    return ch == 'X' || ch == 'O' || ch == '.' || ch == '+' || ch == 'A' || std::isdigit(static_cast<unsigned char>(ch));
}

bool ValidId(const std::string& id)
{
    if (id.empty())
        return false;
    for (char ch : id)
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '-' && ch != '_')
            return false;
    return true;
}

// A check line: the command, its arguments, the answers in brackets and the
// known-failure mark.  False, with the reason, for a malformed line.
bool ParseCheck(const std::string& line, TProblemCheck& check, std::string& why)
{
    const std::size_t open = line.find('[');
    const std::size_t close = line.rfind(']');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        why = "a check needs its expected answers in brackets: \"" + line + "\"";
        return false;
    }
    const std::string tail = Trim(line.substr(close + 1));
    if (!tail.empty() && tail != "*") {
        why = "only \"*\" may follow the answers: \"" + line + "\"";
        return false;
    }
    check.knownFailure = tail == "*";
    std::istringstream words(line.substr(0, open));
    words >> check.command;
    for (std::string w; words >> w;)
        check.args.push_back(w);
    std::string inside = line.substr(open + 1, close - open - 1);
    if (!inside.empty() && inside[0] == '!') {
        check.negated = true;
        inside.erase(0, 1);
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = inside.find('|', start);
        const std::string alt = Normalise(inside.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (alt.empty()) {
            why = "an empty answer: \"" + line + "\"";
            return false;
        }
        check.answers.push_back(alt);
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    check.text = line;
    return true;
}

// The entry is complete: a position and at least one check.
void Finish(TProblem& p)
{
    if (!p.error.empty())
        return;
    if (p.diagram.empty() && p.sgf.empty())
        p.error = "no position";
    else if (p.checks.empty())
        p.error = "no check";
    else if (!p.diagram.empty()) {
        TDiagram d;
        std::string why;
        if (!ParseDiagram(p.diagram, d, why))
            p.error = why;
    }
}

} // namespace

std::string ProblemTestName(const std::string& text)
{
    std::string name = text;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

std::string TProblem::Where() const { return file + ":" + std::to_string(line) + " [" + id + "]"; }

std::string ProblemDir()
{
    if (const char* src = std::getenv("VORN_SOURCE_DIR"); src != nullptr && *src != '\0')
        return std::string(src) + "/tests/problems/";
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "problems").string() + "/";
}

std::vector<TProblem> ParseProblems(const std::string& file, const std::string& text)
{
    std::vector<TProblem> out;
    std::set<std::string> ids;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    // The first fault of an entry is its error; text before the first
    // entry makes an entry of its own.
    auto fault = [&](const std::string& why) {
        if (out.empty()) {
            TProblem p;
            p.file = file;
            p.id = "line" + std::to_string(lineNo);
            p.line = lineNo;
            p.error = why;
            out.push_back(p);
        } else if (out.back().error.empty()) {
            out.back().error = "line " + std::to_string(lineNo) + ": " + why;
        }
    };
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = Trim(raw);
        if (line.empty())
            continue;
        if (line[0] == '[' && line.back() == ']') {
            if (!out.empty())
                Finish(out.back());
            TProblem p;
            p.file = file;
            p.line = lineNo;
            p.id = line.substr(1, line.size() - 2);
            if (!ValidId(p.id))
                p.error = "an id is made of letters, digits, '-' and '_'";
            else if (!ids.insert(ProblemTestName(p.id)).second)
                p.error = "the id is used twice in the file";
            out.push_back(p);
            continue;
        }
        if (out.empty()) {
            if (line[0] != '#')
                fault("text before the first problem");
            continue;
        }
        TProblem& p = out.back();
        if (line[0] == '#') {
            if (p.diagram.empty() && p.sgf.empty() && p.toMove == 0)
                p.about += (p.about.empty() ? "" : " ") + Trim(line.substr(1));
            continue;
        }
        if (line == "black to play" || line == "white to play") {
            if (p.toMove != 0 || !p.sgf.empty())
                fault("a second position");
            p.toMove = line[0] == 'b' ? kKuro : kSiro;
            continue;
        }
        if (p.toMove != 0 && p.checks.empty() && IsDiagramLine(line)) {
            p.diagram += line + "\n";
            continue;
        }
        if (line.rfind("sgf ", 0) == 0) {
            std::istringstream words(line.substr(4));
            if (p.toMove != 0 || !p.sgf.empty() || !(words >> p.sgf >> p.sgfMove) || p.sgfMove < 0)
                fault("\"sgf <file> <move>\" names one record and a move number");
            continue;
        }
        if (p.diagram.empty() && p.sgf.empty()) {
            fault(p.toMove != 0 ? "a diagram must follow \"" + std::string(p.toMove == kKuro ? "black" : "white")
                                      + " to play\""
                                : "a check before the position");
            continue;
        }
        TProblemCheck check;
        check.line = lineNo;
        std::string why;
        if (!ParseCheck(line, check, why)) {
            fault(why);
            continue;
        }
        p.checks.push_back(check);
    }
    if (!out.empty())
        Finish(out.back());
    return out;
}

std::vector<TProblem> LoadProblems(const std::string& file)
{
    std::ifstream in(ProblemDir() + file, std::ios::binary);
    if (!in) {
        TProblem p;
        p.file = file;
        p.id = "missing";
        p.error = "cannot read " + ProblemDir() + file;
        return {p};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseProblems(file, text.str());
}

std::vector<TProblem> LoadAllProblems()
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ProblemDir(), ec))
        if (entry.path().extension() == ".tst")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    std::vector<TProblem> all;
    for (const std::string& f : files) {
        std::vector<TProblem> some = LoadProblems(f);
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

void SetupProblem(const TProblem& problem)
{
    if (!problem.error.empty())
        throw std::runtime_error(problem.error);
    if (!problem.diagram.empty()) {
        SetupPosition(ReadDiagram(problem.diagram), problem.toMove);
        return;
    }
    const std::string path = ProblemDir() + problem.sgf;
    if (!KifuLoadHeader(path) || !KifuLoad(path))
        throw std::runtime_error("cannot load the record " + path);
    TGoban& b = *GobanLv[0];
    if (problem.sgfMove > b.Tejun.Last())
        throw std::runtime_error("the record " + problem.sgf + " has only " + std::to_string(b.Tejun.Last())
                                 + " moves");
    while (b.Tejun.Last() > problem.sgfMove)
        b.Matta();
    Level = 0;
    b.RenMake();
}

// The words of an answer in order, for answers that are sets.
std::string SortedWords(const std::string& s)
{
    std::istringstream in(s);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    std::sort(words.begin(), words.end());
    std::string out;
    for (const std::string& w : words)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

bool CheckMet(const TProblemCheck& check, const std::string& result)
{
    // The candidates a routine left are a set: their order does not count.
    const bool set = check.command == "call";
    const std::string got = set ? SortedWords(Normalise(result)) : Normalise(result);
    const bool listed = std::any_of(check.answers.begin(), check.answers.end(), [&](const std::string& a) {
        return (set ? SortedWords(a) : a) == got;
    });
    return listed != check.negated;
}

// ---------------------------------------------------------------------------
// Commands

namespace {

// Only the tactical stage runs.
void TacticsStage(int stage, Point& out)
{
    out = Point();
    if (stage == 2)
        RunStageCalls(2, out);
}

void NoKoThreat(int, Point& out, int& value)
{
    out = Point();
    value = 0;
}

// The chain tactics' codes and the pair list's capture answers (code 5).
bool Tactical(int reason) { return reason == kkToru || reason == kkNigeru || reason == kkKankei || reason == kkToru28; }

Point VertexArg(const TProblemCheck& check, std::size_t i)
{
    Point p;
    if (check.args.size() <= i || !ParseGtpVertex(check.args[i], p) || p.x == 0)
        throw std::invalid_argument("\"" + check.command + "\" wants a point of the board: " + check.text);
    return p;
}

std::string Ladder(const TProblemCheck& check)
{
    const Point p = VertexArg(check, 0);
    TRen* r = GobanLv[0]->RenList.RenAtPt(p);
    if (r == nullptr)
        throw std::invalid_argument("no chain at " + check.args[0]);
    if (SichoCheck(p) != 1)
        return "0";
    r = GobanLv[0]->RenList.RenAtPt(p);
    return "1 " + GtpVertex(r->SichoTe(1));
}

std::string Status(const TProblemCheck& check)
{
    const Point p = VertexArg(check, 0);
    GobanLv[0]->Analyze();
    const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + check.args[0]);
    return g->GetDeath() == 1 ? "dead" : "alive";
}

// The state of a decision for the side to move (no stage runs), with
// pondering switched on as in the engine's own move choice.
void PrepareReading()
{
    LastTe = GobanLv[0]->Tejun.CurTe();
    Point none;
    VornThink0(-1, none);
    KohoCount = 0;
    SikatuYomiOn = 1;
    YomiSikatuMode = 1;
}

// The best candidate of the table, "pass" when it is empty.
std::string BestKoho()
{
    if (KohoCount == 0)
        return "pass";
    SortKoho();
    return GtpVertex(Koho.Pt[1]);
}

// Pondering of the group at the check's point: the kill when the side to
// move is the attacker, life when it is the defender.
std::string Ponder(const TProblemCheck& check, bool kill)
{
    const Point p = VertexArg(check, 0);
    PrepareReading();
    const TGun* g = GobanLv[0]->GunList.GetGunAt(p);
    if (g == nullptr)
        throw std::invalid_argument("no group at " + check.args[0]);
    const bool attacker = g->GetIsiIro() != JibunIro;
    if (kill != attacker)
        throw std::invalid_argument("\"" + check.command + "\" wants the " + (kill ? "attacker" : "defender")
                                    + " to play: " + check.text);
    const std::uint64_t before = StackHash();
    if (kill)
        KorosuYomi(*g);
    else
        IkiruYomi(*g);
    if (StackHash() != before || Level != 0)
        throw std::runtime_error("the pondering left the board, its record or the level changed");
    return BestKoho();
}

// One generator of the second stage alone, from the state of a decision.
std::string Generator(void (*run)())
{
    PrepareReading();
    const std::uint64_t before = StackHash();
    run();
    if (StackHash() != before || Level != 0)
        throw std::runtime_error("the generator left the board, its record or the level changed");
    return BestKoho();
}

std::map<std::string, TProblemRoutine>& Routines()
{
    static std::map<std::string, TProblemRoutine> routines;
    return routines;
}

// A routine of the table alone, from the state of a decision.
std::string Call(const TProblemCheck& check)
{
    if (check.args.empty())
        throw std::invalid_argument("\"call\" wants a routine's name: " + check.text);
    const auto it = Routines().find(check.args[0]);
    if (it == Routines().end())
        throw std::invalid_argument("no routine \"" + check.args[0] + "\" in the table of routines");
    std::vector<Point> pts;
    for (std::size_t i = 1; i < check.args.size(); ++i)
        pts.push_back(VertexArg(check, i));
    PrepareReading();
    const std::uint64_t before = StackHash();
    const std::string answer = it->second(pts);
    if (StackHash() != before || Level != 0)
        throw std::runtime_error("the routine left the board, its record or the level changed");
    return answer;
}

std::string Candidates(bool reasons)
{
    std::vector<std::string> all;
    for (int i = 1; i <= KohoCount; ++i)
        all.push_back(GtpVertex(Koho.Pt[i]) + '=' + std::to_string(Koho.Value[i])
                      + (Koho.Bonus[i] != 0 ? '/' + std::to_string(static_cast<int>(Koho.Bonus[i])) : std::string())
                      + (reasons ? ':' + std::to_string(static_cast<int>(Koho.Kind[i])) : std::string()));
    std::sort(all.begin(), all.end());
    std::string out;
    for (const std::string& c : all)
        out += (out.empty() ? "" : " ") + c;
    return out.empty() ? "none" : out;
}

std::string Move()
{
    Point out;
    ThinkMove(out);
    return out.x < 0 ? "resign" : GtpVertex(out);
}

} // namespace

Point TacticsStageChoice;

int RunTactics()
{
    LastTe = GobanLv[0]->Tejun.CurTe();
    ThinkSources = TThinkSources{TacticsStage, NoKoThreat};
    // The link-shape handlers of the pair list are not tactics: they stay
    // silent, so that their answers neither win nor merge into the table.
    const auto relation = PairSources.Relation;
    PairSources.Relation = [](int, Point, Point) {};
    GobanLv[0]->Analyze();
    const std::uint64_t before = StackHash();
    Point out;
    VornThink0(2, out);
    TacticsStageChoice = out;
    ThinkSources = DefaultThinkSources();
    PairSources.Relation = relation;
    if (StackHash() != before || Level != 0)
        throw std::runtime_error("the tactical stage left the board, its record or the level changed");
    SortKoho();
    for (int i = 1; i <= KohoCount; ++i)
        if (Tactical(Koho.Kind[i]))
            return i;
    return 0;
}

TProblemRoutineAdd::TProblemRoutineAdd(const char* name, TProblemRoutine fn)
{
    if (!Routines().emplace(name, fn).second)
        throw std::logic_error(std::string("two routines named ") + name);
}

int OneSideValue(int c, const std::vector<Point>& moves)
{
    TYomiKeep keep;
    for (const Point q : moves)
        if (!ToruPlay(c, q))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(q));
    return Hyoka(c);
}

std::string CandidatesAt(const std::vector<Point>& pts, bool withBonus)
{
    std::vector<std::string> all;
    for (Point p : pts) {
        std::string w = GtpVertex(p) + "=none";
        for (int i = 1; i <= KohoCount; ++i)
            if (Koho.Pt[i] == p) {
                w = GtpVertex(p) + '=' + std::to_string(Koho.Value[i]);
                if (withBonus)
                    w += '/' + std::to_string(Koho.Bonus[i]);
                break;
            }
        all.push_back(w);
    }
    return SortedWords(all);
}

std::string SortedWords(std::vector<std::string> all)
{
    std::sort(all.begin(), all.end());
    std::string out;
    for (const std::string& w : all)
        out += (out.empty() ? "" : " ") + w;
    return out.empty() ? "none" : out;
}

std::string Against(const std::string& name, int v, int ref)
{
    const int d = v - ref;
    return name + (d > 0 ? "+" : "") + (d != 0 ? std::to_string(d) : "");
}

std::string PreparedTeWord(int i)
{
    return GtpVertex(PreparedTe.OwnTe[i]) + '/' + GtpVertex(PreparedTe.AiteTe[i]) + '/'
           + GtpVertex(PreparedTe.AnswerTe[i]);
}

int ReadingValue(int first, const std::vector<Point>& moves)
{
    TYomiKeep keep;
    int c = first;
    for (const Point p : moves) {
        if (!ToruPlay(c, p))
            throw std::invalid_argument("a move of the row's reading is refused: " + GtpVertex(p));
        c ^= 3;
    }
    return Hyoka(first);
}

int PairReadingsSum(const std::vector<Point>& pts, std::size_t from)
{
    const int own = CurGoban().GetIroPt(pts[0]);
    int r = 0, side = own ^ 3;
    std::vector<Point> moves;
    for (std::size_t i = from; i <= pts.size(); ++i) {
        if (i < pts.size() && pts[i] != pts[0]) {
            moves.push_back(pts[i]);
            continue;
        }
        r += moves.empty() ? 0 : ReadingValue(side, moves);
        moves.clear();
        side = own;
    }
    return r;
}

std::string RoutineCandidates() { return Candidates(false); }
std::string RoutineCandidatesWithReason() { return Candidates(true); }

std::string CandidateTable()
{
    std::ostringstream out;
    for (int i = 1; i <= KohoCount; ++i)
        out << (i > 1 ? " " : "") << GtpVertex(Koho.Pt[i]) << '=' << Koho.Value[i] << '/'
            << static_cast<int>(Koho.Bonus[i]) << ':' << static_cast<int>(Koho.Kind[i]);
    return out.str();
}

std::string RunProblemCommand(const TProblemCheck& check, std::string& detail)
{
    detail.clear();
    if (check.command == "tactics") {
        const int best = RunTactics();
        detail = "candidates: " + CandidateTable();
        return best == 0 ? "pass" : GtpVertex(Koho.Pt[best]);
    }
    if (check.command == "move")
        return Move();
    if (check.command == "ladder")
        return Ladder(check);
    if (check.command == "status")
        return Status(check);
    if (check.command == "kill" || check.command == "live") {
        const std::string r = Ponder(check, check.command == "kill");
        detail = "candidates: " + CandidateTable();
        return r;
    }
    if (check.command == "sikatu" || check.command == "semeai") {
        const std::string r = Generator(check.command == "sikatu" ? +[] {
            Point out;
            SikatuUrgentThink(out);
            SikatuThink();
        }
                                                                  : +[] { SemeaiThink(); });
        detail = "candidates: " + CandidateTable();
        return r;
    }
    if (check.command == "call") {
        const std::string r = Call(check);
        detail = "candidates: " + CandidateTable();
        return r;
    }
    throw std::invalid_argument("unknown command \"" + check.command + "\"");
}

} // namespace vorn::test
