#include "engine/JosekiBook.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "board/Goban.h"
#include "records/SgfTree.h"

namespace vorn {

namespace {

// The record of a tenuki node.
constexpr std::uint8_t kTenukiXY = 20;

std::string PtName(Point p)
{
    if (p.x == 0)
        return "pass";
    if (p.x < 1 || p.y < 1 || p.x > 26 || p.y > 26)
        return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return std::string{static_cast<char>('a' + p.x - 1), static_cast<char>('a' + p.y - 1)};
}

// ---------------------------------------------------------------------------
// SGF reading: just enough for move trees (nodes, variations, properties).

class TSgfReader {
public:
    TSgfReader(const std::string& text, TJosekiBook& book, std::vector<std::string>& errors)
        : File(text), Book(book), Errors(errors)
    {
    }

    void Run()
    {
        if (!Eat('(')) {
            Error("a move tree begins with '('");
            return;
        }
        Tree(0, true);
        File.SkipBlanks();
        if (Errors.empty() && !File.AtEnd())
            Error("text after the end of the move tree");
    }

private:
    using Props = std::vector<TSgfProp>;

    void Error(const std::string& what)
    {
        const auto end = File.data.begin() + static_cast<std::ptrdiff_t>(std::min(File.pos, File.data.size()));
        const long line = 1 + std::count(File.data.begin(), end, '\n');
        Errors.push_back("line " + std::to_string(line) + ": " + what);
    }

    bool Eat(char ch)
    {
        File.SkipBlanks();
        if (!File.AtEnd() && File.Peek() == static_cast<unsigned char>(ch)) {
            ++File.pos;
            return true;
        }
        return false;
    }

    // One game tree after its '(': a sequence of nodes, then variations.
    // parent is the book node that the sequence continues.
    void Tree(int parent, bool root)
    {
        while (Eat(';')) {
            Props props;
            if (!Properties(props))
                return;
            if (root) {
                RootNode(props);
                root = false;
                continue;
            }
            parent = MoveNode(parent, props);
            if (parent < 0)
                return;
        }
        while (Eat('(')) {
            File.SkipBlanks();
            if (File.AtEnd() || File.Peek() != ';') {
                Error("a variation begins with ';'");
                return;
            }
            Tree(parent, false);
            if (!Errors.empty())
                return;
        }
        if (!Eat(')'))
            Error("')' expected");
    }

    bool Properties(Props& props)
    {
        for (;;) {
            TSgfProp prop;
            prop.id = KifuSgfReadId(File);
            if (prop.id.empty())
                return true;
            std::string v;
            do {
                if (!KifuSgfReadValue(File, v)) {
                    Error("property " + prop.id + " has no value closed with ']'");
                    return false;
                }
                prop.values.push_back(v);
            } while (KifuSgfNextValue(File));
            props.push_back(std::move(prop));
        }
    }

    void RootNode(const Props& props)
    {
        for (const auto& [id, values] : props) {
            if (id == "B" || id == "W")
                Error("the root node holds no move");
            if (id == "SZ") {
                const int n = std::atoi(values[0].c_str());
                if (n != 9 && n != 13 && n != 19)
                    Error("board size " + values[0] + " is not 9, 13 or 19");
                else
                    Book.Size = n;
            }
        }
        if (Book.Mode == kJskCorner && Book.Size != 19)
            Error("the corner book is written on 19 lines");
    }

    bool Number(const std::string& id, const std::string& v, int& out)
    {
        char* end = nullptr;
        const long n = std::strtol(v.c_str(), &end, 10);
        if (v.empty() || *end != '\0' || n < 0 || n > 255) {
            Error(id + "[" + v + "] is not a number 0..255");
            return false;
        }
        out = static_cast<int>(n);
        return true;
    }

    // Adds (or finds) the move of this node under parent; the book node, or -1.
    int MoveNode(int parent, const Props& props)
    {
        int colour = 0, mark = -1, weight = -1;
        std::string where;
        for (const auto& [id, values] : props) {
            if (id == "B" || id == "W") {
                if (colour != 0) {
                    Error("a node holds one move");
                    return -1;
                }
                colour = id == "B" ? kKuro : kSiro;
                where = values[0];
            } else if (id == "JM") {
                if (!Number(id, values[0], mark))
                    return -1;
            } else if (id == "JW") {
                if (!Number(id, values[0], weight))
                    return -1;
            }
        }
        if (colour == 0) {
            Error("a node without a move");
            return -1;
        }
        Point p;
        if (!where.empty() && !(where == "tt" && Book.Size <= 19)) {
            if (where.size() != 2 || where[0] < 'a' || where[0] >= 'a' + Book.Size || where[1] < 'a'
                || where[1] >= 'a' + Book.Size) {
                Error("move [" + where + "] is not a point of the board");
                return -1;
            }
            p = Point(where[0] - 'a' + 1, where[1] - 'a' + 1);
        }
        if (p.x == 0 && Book.Mode == kJskWhole) {
            Error("a pass has no place in a whole-board book");
            return -1;
        }
        if (p.x > 10 && p.y > 10 && Book.Mode == kJskCorner) {
            Error("move [" + where + "] lies beyond the corner on both axes");
            return -1;
        }
        const TBookNode& up = Book.Nodes[static_cast<std::size_t>(parent)];
        if (up.Colour != 0 && colour != Aite(up.Colour)) {
            Error("the colours do not alternate (a tenuki is written as a pass)");
            return -1;
        }
        for (int k : up.Kids) {
            TBookNode& n = Book.Nodes[static_cast<std::size_t>(k)];
            if (n.Pt != p)
                continue;
            if (n.Colour != colour) {
                Error("move [" + where + "] is given to both colours at one place");
                return -1;
            }
            if ((mark >= 0 && n.Mark >= 0 && mark != n.Mark) || (weight >= 0 && n.Weight >= 0 && weight != n.Weight)) {
                Error("move [" + where + "] is marked or weighted twice, differently");
                return -1;
            }
            if (mark >= 0)
                n.Mark = mark;
            if (weight >= 0)
                n.Weight = weight;
            return k;
        }
        TBookNode n;
        n.Pt = p;
        n.Colour = colour;
        n.Mark = mark;
        n.Weight = weight;
        Book.Nodes.push_back(n);
        const int id = static_cast<int>(Book.Nodes.size()) - 1;
        Book.Nodes[static_cast<std::size_t>(parent)].Kids.push_back(id);
        return id;
    }

    TKifuFile File;
    TJosekiBook& Book;
    std::vector<std::string>& Errors;
};

} // namespace

void TJosekiBook::Clear()
{
    Size = 19;
    Nodes.assign(1, TBookNode{});
}

bool TJosekiBook::ParseSgf(const std::string& text, std::vector<std::string>& errors)
{
    const std::size_t before = errors.size();
    TSgfReader(text, *this, errors).Run();
    return errors.size() == before;
}

std::vector<TJskNode> TJosekiBook::Compile() const
{
    std::vector<TJskNode> recs(1);
    // Chains are laid out breadth first, each chain's records side by side.
    std::vector<std::pair<int, int>> queue{{0, -1}}; // book node, record whose child it is
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const auto [book, parentRec] = queue[q];
        const std::vector<int>& kids = Nodes[static_cast<std::size_t>(book)].Kids;
        if (kids.empty())
            continue;
        const int first = static_cast<int>(recs.size());
        if (parentRec >= 0)
            recs[static_cast<std::size_t>(parentRec)].Child = first;
        for (std::size_t i = 0; i < kids.size(); ++i) {
            const TBookNode& n = Nodes[static_cast<std::size_t>(kids[i])];
            TJskNode r;
            if (n.Pt.x == 0) {
                r.X = r.Y = kTenukiXY;
            } else {
                r.X = static_cast<std::uint8_t>(n.Pt.x);
                r.Y = static_cast<std::uint8_t>(n.Pt.y);
                r.Mark = static_cast<std::uint8_t>(n.Mark < 0 ? 0 : n.Mark);
                r.Weight = static_cast<std::uint8_t>(n.Weight < 0 ? kJskDefaultWeight : n.Weight);
            }
            r.Next = i + 1 < kids.size() ? first + static_cast<int>(i) + 1 : 0;
            recs.push_back(r);
            queue.emplace_back(kids[i], first + static_cast<int>(i));
        }
    }
    return recs;
}

// ---------------------------------------------------------------------------
// Validation

namespace {

class TValidator {
public:
    TValidator(const std::vector<TJskNode>& recs, int mode, int size, std::vector<std::string>& errors)
        : Recs(recs), Mode(mode), Size(size), Errors(errors), Seen(recs.size(), 0)
    {
    }

    void Run()
    {
        if (Recs.size() < 2) {
            Errors.push_back("the dictionary holds no move");
            return;
        }
        const int saveSize = BoardSize, saveHandicap = Handicap, saveLevel = Level;
        BoardSize = Size;
        Handicap = 0;
        Level = 0;
        Board = std::make_unique<TGoban>();
        Board->NewGame();
        Chain(1, true, Point());
        BoardSize = saveSize;
        Handicap = saveHandicap;
        Level = saveLevel;
        for (std::size_t r = 1; r < Recs.size(); ++r)
            if (!Seen[r]) {
                Errors.push_back("record " + std::to_string(r) + " is not in the tree");
                break;
            }
    }

private:
    void Error(const std::string& what)
    {
        std::string path;
        for (Point p : Path)
            path += (path.empty() ? "" : " ") + PtName(p);
        Errors.push_back((path.empty() ? std::string("at the root") : "after " + path) + ": " + what);
    }

    bool Tenuki(const TJskNode& n) const { return Mode == kJskCorner && IsTenukiNode(n); }

    // The chain that starts at rec.  open: no move off the diagonal yet (the
    // corner's orientation is still undecided); last: the last move played in
    // the corner (a tenuki node is no move there).
    void Chain(int rec, bool open, Point last)
    {
        std::vector<int> chain;
        const int count = static_cast<int>(Recs.size());
        for (int r = rec; r >= 1; r = Recs[static_cast<std::size_t>(r)].Next) {
            if (r >= count) {
                Error("record number " + std::to_string(r) + " beyond the dictionary");
                break;
            }
            if (Seen[static_cast<std::size_t>(r)]) {
                Error("record " + std::to_string(r) + " is reached twice (a cycle or a shared chain)");
                break;
            }
            Seen[static_cast<std::size_t>(r)] = 1;
            chain.push_back(r);
        }
        int proposable = 0, tenuki = 0;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const TJskNode& n = Recs[static_cast<std::size_t>(chain[i])];
            const Point p(n.X, n.Y);
            if (Tenuki(n)) {
                ++tenuki;
                continue;
            }
            const int limit = Mode == kJskCorner ? 19 : Size;
            if (p.x < 1 || p.y < 1 || p.x > limit || p.y > limit)
                Error("move " + PtName(p) + " is not a point of the board");
            if (n.Mark == 0)
                ++proposable;
            for (std::size_t j = 0; j < i; ++j) {
                const TJskNode& m = Recs[static_cast<std::size_t>(chain[j])];
                if (m.X == n.X && m.Y == n.Y)
                    Error("move " + PtName(p) + " stands twice in one list");
                if (Mode == kJskCorner && open && n.X != n.Y && m.X == n.Y && m.Y == n.X)
                    Error("moves " + PtName(p) + " and its mirror image " + PtName(Point(p.y, p.x))
                          + " stand in one list while the corner's orientation is open");
            }
        }
        if (static_cast<int>(chain.size()) > kJskChain)
            Error(std::to_string(chain.size()) + " moves in one list (at most 31)");
        if (proposable > kJskProposable)
            Error(std::to_string(proposable) + " proposable moves in one list (at most 20)");
        if (tenuki > 1)
            Error("more than one tenuki node in one list");
        if (tenuki > 0 && (Path.empty() || Path.back().x == 0))
            Error(Path.empty() ? "a tenuki node among the first moves" : "a tenuki node right after a tenuki");

        for (int r : chain) {
            const TJskNode& n = Recs[static_cast<std::size_t>(r)];
            const bool tenukiNode = Tenuki(n);
            const Point p = tenukiNode ? Point() : Point(n.X, n.Y);
            if (tenukiNode) {
                Board->Pass();
            } else if (Board->Utu(p.x, p.y) != kUtuOk) {
                Path.push_back(p);
                Error("the move is not legal");
                Path.pop_back();
                continue;
            }
            Path.push_back(p);
            if (tenukiNode && n.Child <= 0)
                Error("a tenuki node without answers");
            if (n.Child < 0 || n.Child >= count)
                Error("child record " + std::to_string(n.Child) + " beyond the dictionary");
            else if (n.Child > 0) {
                if (Mode == kJskCorner && last == Point(4, 4) && p == Point(6, 3))
                    KakariMarks(n.Child);
                Chain(n.Child, open && (tenukiNode || p.x == p.y), tenukiNode ? last : p);
            }
            Path.pop_back();
            Board->Matta();
        }
    }

    // Answers to the low approach at (6,3) against a 4-4 stone: the far pincer
    // (10,3) is marked and the knight's moves (3,6), (3,7) are not, because the
    // 4-4 check turns these marks round when an own stone waits at the far end
    // of the side.
    void KakariMarks(int rec)
    {
        bool pincer = false, knight = false;
        int guard = 0;
        for (int r = rec; r >= 1 && r < static_cast<int>(Recs.size()) && guard < kJskChain;
             r = Recs[static_cast<std::size_t>(r)].Next, ++guard) {
            const TJskNode& n = Recs[static_cast<std::size_t>(r)];
            if (n.X == 10 && n.Y == 3) {
                pincer = true;
                if (n.Mark != 1)
                    Error("the pincer jc answering the approach fc must carry JM[1]");
            }
            if (n.X == 3 && (n.Y == 6 || n.Y == 7)) {
                knight = true;
                if (n.Mark != 0)
                    Error("the knight's move " + PtName(Point(n.X, n.Y)) + " answering the approach fc must be proposable");
            }
        }
        if (!pincer || !knight)
            Error("the answers to the approach fc need the pincer jc and a knight's move cf or cg");
    }

    const std::vector<TJskNode>& Recs;
    int Mode;
    int Size;
    std::vector<std::string>& Errors;
    std::vector<char> Seen;
    std::vector<Point> Path;
    std::unique_ptr<TGoban> Board;
};

} // namespace

void JskValidate(const std::vector<TJskNode>& records, int mode, int size, std::vector<std::string>& errors)
{
    TValidator(records, mode, size, errors).Run();
}

// ---------------------------------------------------------------------------
// Printing back

namespace {

void PrintChain(const std::vector<TJskNode>& recs, int mode, int rec, int colour, int indent, std::ostringstream& out,
                std::vector<char>& seen)
{
    std::vector<int> chain;
    for (int r = rec; r >= 1 && r < static_cast<int>(recs.size()) && !seen[static_cast<std::size_t>(r)];
         r = recs[static_cast<std::size_t>(r)].Next) {
        seen[static_cast<std::size_t>(r)] = 1;
        chain.push_back(r);
    }
    const bool variations = chain.size() > 1;
    for (int r : chain) {
        const TJskNode& n = recs[static_cast<std::size_t>(r)];
        out << std::string(static_cast<std::size_t>(indent), ' ');
        if (variations)
            out << '(';
        out << ';' << (colour == kKuro ? 'B' : 'W') << '[';
        if (!(mode == kJskCorner && IsTenukiNode(n)))
            out << PtName(Point(n.X, n.Y));
        out << ']';
        if (!(mode == kJskCorner && IsTenukiNode(n))) {
            if (n.Mark != 0)
                out << "JM[" << int(n.Mark) << ']';
            if (n.Weight != kJskDefaultWeight)
                out << "JW[" << int(n.Weight) << ']';
        }
        out << '\n';
        if (n.Child > 0 && n.Child < static_cast<int>(recs.size()))
            PrintChain(recs, mode, n.Child, Aite(colour), indent + (variations ? 2 : 0), out, seen);
        if (variations)
            out << std::string(static_cast<std::size_t>(indent), ' ') << ")\n";
    }
}

} // namespace

std::string JskToSgf(const std::vector<TJskNode>& records, int mode, int size)
{
    std::ostringstream out;
    out << "(;GM[1]FF[4]SZ[" << size << "]\n";
    std::vector<char> seen(records.size(), 0);
    if (records.size() > 1)
        PrintChain(records, mode, 1, kKuro, 0, out, seen);
    out << ")\n";
    return out.str();
}

bool JskWriteFile(const std::string& fileName, const std::vector<TJskNode>& records)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    std::uint8_t buf[kJskRecordSize];
    for (const TJskNode& n : records) {
        JskEncode(n, buf);
        out.write(reinterpret_cast<const char*>(buf), kJskRecordSize);
    }
    return static_cast<bool>(out.flush());
}

} // namespace vorn
