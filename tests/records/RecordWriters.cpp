#include "RecordWriters.h"

#include <cstdio>
#include <set>
#include <sstream>

#include "GnuGo.h"
#include "Util.h"
#include "board/Goban.h"
#include "records/Charset.h"

namespace vorn::test {
namespace {

const char kJunk = '\x5A';
const std::string kCrLf = "\r\n";

// A fixed-width text field, padded with NUL bytes.
void PutText(std::string& bytes, std::size_t at, std::size_t width, const std::string& utf8)
{
    const std::string s = Utf8ToSjis(utf8);
    for (std::size_t i = 0; i < width; ++i)
        bytes[at + i] = i < s.size() ? s[i] : '\0';
}

// Black moves first in an even game, White after handicap stones.
bool BlackMoves(const TTestGame& g, std::size_t i) { return (i % 2 == 0) == (g.handicap < 2); }

std::string Lines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += Utf8ToSjis(l) + kCrLf;
    return out;
}

std::string TwoDigits(int a, int b)
{
    char s[16];
    std::snprintf(s, sizeof s, "%02d%02d", a, b);
    return s;
}

// The stones of one colour as protocol vertices: GNU Go's and ours.
std::set<std::string> GnuGoStones(GnuGo& g, const char* colour)
{
    std::set<std::string> s;
    std::istringstream in(g.Command(std::string("list_stones ") + colour));
    for (std::string v; in >> v;)
        s.insert(v);
    return s;
}

std::set<std::string> OurStones(const GnuGo& g, int colour)
{
    std::set<std::string> s;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (GobanLv[0]->GetIro(x, y) == colour)
                s.insert(g.Vertex(Point(x, y)));
    return s;
}

// GNU Go replays the game as written; board 0 holds what we loaded.
void ExpectGnuGoAgrees(const TTestGame& game)
{
    if (!GnuGo::Available())
        return;
    GnuGo g;
    ASSERT_TRUE(g.Start(game.size));
    if (game.handicap >= 2) {
        Arr<Point, 1, kMaxHandicapStones> stones;
        const int n = HandicapPoints(game.size, game.handicap, stones);
        std::string command = "set_free_handicap";
        for (int i = 1; i <= n; ++i)
            command += " " + g.Vertex(stones[i]);
        g.Command(command);
    }
    for (std::size_t i = 0; i < game.moves.size(); ++i)
        g.Command(std::string("play ") + (BlackMoves(game, i) ? "black " : "white ") + g.Vertex(game.moves[i]));
    EXPECT_EQ(GnuGoStones(g, "black"), OurStones(g, kKuro));
    EXPECT_EQ(GnuGoStones(g, "white"), OurStones(g, kSiro));
    EXPECT_EQ(std::stoi(g.Command("captures black")), GobanLv[0]->Tejun.Hama(kKuro));
    EXPECT_EQ(std::stoi(g.Command("captures white")), GobanLv[0]->Tejun.Hama(kSiro));
}

} // namespace

TTestGame RecordFormatsTest::Game(int size, int handicap, int count, int passEvery)
{
    TTestGame g = PlayTestGame(size, handicap, count, passEvery);
    played_ = MoveList();
    board_ = BoardDiagram(*GobanLv[0]);
    for (int c : {kKuro, kSiro})
        hama_[c] = GobanLv[0]->Tejun.Hama(c);
    BoardSize = size == 9 ? 13 : 9;
    Handicap = 0;
    GobanLv[0]->NewGame();
    return g;
}

void RecordFormatsTest::ExpectRoundTrip(const std::string& name, const std::string& bytes, const TTestGame& g)
{
    shell.messages.clear();
    ASSERT_TRUE(LoadText(name, bytes));
    EXPECT_TRUE(shell.messages.empty()) << shell.messages.front();
    EXPECT_EQ(MoveList(), played_);
    EXPECT_EQ(BoardDiagram(*GobanLv[0]), board_);
    for (int c : {kKuro, kSiro})
        EXPECT_EQ(GobanLv[0]->Tejun.Hama(c), hama_[c]);
    EXPECT_EQ(BoardSize, g.size);
    EXPECT_EQ(Handicap, g.handicap);
    ExpectGnuGoAgrees(g);
}

std::vector<Point> KoMoves(int size)
{
    const int s = size;
    return {{4, 1}, {7, 1}, {5, 2}, {6, 2}, {2, s - 1}, {5, 1}, {6, 1}, {s - 1, s - 1}, {s - 1, 2}, {5, 1}};
}

TTestGame GameOfBoard()
{
    const TTejun& t = GobanLv[0]->Tejun;
    TTestGame g;
    g.size = BoardSize;
    g.handicap = Handicap;
    for (int n = 1; n <= t.Last(); ++n) {
        g.moves.push_back(t.GetTe(n));
        for (int i = 1; i <= t.ToruCountN(n); ++i)
            g.captures[n].push_back(t.ToruIsiN(n, i));
    }
    return g;
}

TTestGame PlayTestGame(int size, int handicap, int count, int passEvery)
{
    BoardSize = size;
    Handicap = handicap;
    TGoban& b = *GobanLv[0];
    b.NewGame();
    if (b.Tejun.NextColor() != kKuro) {
        EXPECT_EQ(b.Utu(size - 1, size - 2), kUtuOk);
    }
    for (const Point p : KoMoves(size))
        EXPECT_EQ(b.Utu(p.x, p.y), kUtuOk) << p.x << "," << p.y;
    while (b.Tejun.Last() < count) {
        if (passEvery > 0 && (b.Tejun.Last() + 1) % passEvery == 0) {
            b.Pass();
            continue;
        }
        const Point p = RandomMove(b);
        if (p.x == 0)
            break;
        b.Utu(p.x, p.y);
    }
    return GameOfBoard();
}

std::int32_t GetLe32(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

void PutLe32(std::string& bytes, std::size_t at, std::int32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i) & 0xFF);
}

void PutLe16(std::string& bytes, std::size_t at, int v)
{
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

std::string WriteGw1(const TTestGame& g)
{
    std::string comments;
    for (const auto& [n, text] : g.comments) {
        const std::string s = Utf8ToSjis(text);
        std::string entry(4, '\0');
        PutLe16(entry, 0, n);
        PutLe16(entry, 2, static_cast<int>(s.size()));
        comments += entry + s;
    }
    std::string moves;
    for (const Point p : g.moves) {
        std::string entry(10, kJunk);
        entry[2] = static_cast<char>(p.x);
        entry[3] = static_cast<char>(p.y);
        moves += entry;
    }
    std::string info(195, kJunk);
    info[0] = static_cast<char>(g.size);
    info[1] = static_cast<char>(g.handicap);
    PutText(info, 2, 44, g.gameName);
    PutText(info, 66, 20, g.date);
    PutText(info, 106, 12, g.white);
    PutText(info, 128, 12, g.black);
    std::string header(60, kJunk);
    const int movesAt = 60 + static_cast<int>(info.size());
    const int commentsAt = movesAt + static_cast<int>(moves.size());
    PutLe32(header, 0, 60);
    PutLe32(header, 6, movesAt);
    PutLe16(header, 10, static_cast<int>(moves.size()));
    PutLe32(header, 30, commentsAt);
    PutLe16(header, 34, static_cast<int>(comments.size()));
    return header + info + moves + comments;
}

std::string WriteRe3(const TTestGame& g)
{
    std::string front(38, kJunk); // the header and two bytes
    if (g.re3Info) {
        front.resize(38 + 73, kJunk);
        PutText(front, 38, 12, g.white);
        PutText(front, 38 + 13, 12, g.black);
        PutText(front, 38 + 26, 8, g.date);
        PutText(front, 38 + 35, 38, g.gameName);
    }
    front += std::string(2, kJunk);
    const int handicapAt = static_cast<int>(front.size());
    front += static_cast<char>(g.handicap == 0 ? 1 : g.handicap); // 1: an even game

    std::string comments, marks, captures, moves;
    for (std::size_t i = 0; i < g.moves.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const Point p = g.moves[i];
        std::string entry(12, '\0');
        entry[6] = '\x66';
        entry[7] = '\x77';
        entry[11] = '\x88';
        entry[0] = static_cast<char>(p.x == 0 ? 0 : 20 - p.x);
        entry[1] = static_cast<char>(p.y);
        if (const auto c = g.captures.find(n); c != g.captures.end()) {
            PutLe16(entry, 2, static_cast<int>(captures.size()) + 1);
            for (const Point s : c->second)
                captures += std::string{static_cast<char>(20 - s.x), static_cast<char>(s.y)};
            captures += std::string(2, '\0');
        }
        if (const auto m = g.marks.find(n); m != g.marks.end()) {
            PutLe16(entry, 4, static_cast<int>(marks.size()) + 1);
            for (const TTestMark& mk : m->second)
                marks += std::string{static_cast<char>(mk.code), static_cast<char>(20 - mk.x), static_cast<char>(mk.y)};
            marks += '\xFF';
        }
        if (const auto c = g.comments.find(n); c != g.comments.end()) {
            // Two strings, cut between characters: the reader joins them.
            const std::string& text = c->second;
            std::size_t half = text.size() / 2;
            while (half > 0 && (static_cast<unsigned char>(text[half]) & 0xC0) == 0x80)
                --half;
            PutLe16(entry, 8, static_cast<int>(comments.size()));
            entry[10] = 2;
            comments += Utf8ToSjis(text.substr(0, half)) + '\0' + Utf8ToSjis(text.substr(half)) + '\0';
        }
        moves += entry;
    }
    const int movesAt = static_cast<int>(front.size());
    const int capturesAt = movesAt + static_cast<int>(moves.size());
    const int marksAt = capturesAt + static_cast<int>(captures.size());
    const int commentsAt = marksAt + static_cast<int>(marks.size());
    PutLe32(front, 0, handicapAt);
    PutLe32(front, 6, movesAt);
    PutLe16(front, 10, static_cast<int>(moves.size()));
    PutLe32(front, 12, capturesAt);
    PutLe32(front, 18, marksAt);
    PutLe32(front, 30, commentsAt);
    return front + moves + captures + marks + comments;
}

std::string WriteWwg(const TTestGame& g)
{
    // Lines the reader skips hold numbers, so that a line read one off shows.
    std::vector<std::string> lines = {"WWGO", "7",  g.black,    "8",    "3",     g.white,
                                      "99", "21", std::to_string(g.size), std::to_string(g.handicap), g.komi,
                                      "1",  "2",  "3",          "4",    g.gameName, g.date, "0"};
    for (std::size_t i = 0; i < g.moves.size(); ++i)
        lines.push_back(std::string(BlackMoves(g, i) ? "B " : "W ") + std::to_string(g.moves[i].x - 1) + " "
                        + std::to_string(g.moves[i].y - 1));
    return Lines(lines);
}

std::string WriteUgf(const TTestGame& g)
{
    std::vector<std::string> lines = {"[Header]",          "Title " + g.gameName, "Place " + g.place,
                                      "Date " + g.date,    "BMemb1 " + g.black,   "WMemb1 " + g.white,
                                      "BMemb2 Other",      "Size " + std::to_string(g.size),
                                      "Hdcp " + std::to_string(g.handicap) + " " + g.komi, "[Data]"};
    for (std::size_t i = 0; i < g.moves.size(); ++i)
        lines.push_back(std::string{static_cast<char>(64 + g.moves[i].x), static_cast<char>(64 + g.moves[i].y)}
                        + (BlackMoves(g, i) ? ",B1," : ",W1,") + std::to_string(i + 1));
    return Lines(lines);
}

std::string WriteIcf(const TTestGame& g)
{
    static const char* const kHandicaps[] = {"互先",   "先",     "２子局", "３子局", "４子局",
                                             "５子局", "６子局", "７子局", "８子局", "９子局"};
    const bool negative = !g.komi.empty() && g.komi[0] == '-';
    std::string digits;
    for (const char c : g.komi)
        if (c >= '0' && c <= '9')
            digits += c;
    std::string packed = (negative ? "S" : "K") + digits.substr(0, 2);
    for (const auto& [colour, p] : g.setup)
        packed += (colour == 1 ? "K" : "S") + TwoDigits(p.x, p.y);
    if (const auto c = g.comments.find(0); c != g.comments.end())
        packed += "C" + c->second;
    std::vector<std::string> lines = {g.date, "黒：" + g.black, "白：" + g.white, kHandicaps[g.handicap], packed};
    for (std::size_t i = 0; i < g.moves.size(); ++i) {
        const bool black = BlackMoves(g, i);
        lines.push_back((black ? "B" : "W") + TwoDigits(g.moves[i].x + (black ? 0 : 20), g.moves[i].y));
    }
    lines.push_back("owa");
    return Lines(lines);
}

} // namespace vorn::test
