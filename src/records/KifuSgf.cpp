#include "records/KifuSgf.h"

#include <algorithm>
#include <set>
#include <utility>

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

namespace {

// A point value: two letters "a".. within the board; false otherwise.
bool SgfPoint(const std::string& v, int size, int& x, int& y)
{
    if (v.size() != 2)
        return false;
    x = static_cast<unsigned char>(v[0]) - 'a' + 1;
    y = static_cast<unsigned char>(v[1]) - 'a' + 1;
    return x >= 1 && y >= 1 && x <= size && y <= size;
}

std::string PointLetters(int x, int y)
{
    return std::string(1, static_cast<char>('a' + x - 1)) + static_cast<char>('a' + y - 1);
}

// Line breaks of any kind become "\n" (or a blank in a one-line value).
std::string NormaliseBreaks(const std::string& s, bool oneLine)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            if (i + 1 < s.size() && (s[i + 1] == '\r' || s[i + 1] == '\n') && s[i + 1] != c)
                ++i;
            out += oneLine ? ' ' : '\n';
        } else {
            out += c;
        }
    }
    return out;
}

// Value text for the file: "\" and "]" escaped (and ":" where a value is
// composed), line breaks as CR LF.
std::string Escape(const std::string& s, bool colon = false)
{
    std::string out;
    for (char c : NormaliseBreaks(s, false)) {
        if (c == '\\' || c == ']' || (colon && c == ':'))
            out += '\\';
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// A value of the file as a message quotes it: printable ASCII, at most 12 bytes.
std::string Shown(const std::string& raw)
{
    std::string s;
    for (char c : raw.substr(0, 12))
        s += (c >= 0x20 && c < 0x7F) ? c : '?';
    return s;
}

// Points of one value of a point list: a point or an "aa:cc" rectangle.
bool ListPoints(const std::string& v, int size, std::vector<std::pair<int, int>>& out)
{
    const std::size_t colon = v.find(':');
    int x1, y1, x2, y2;
    if (colon == std::string::npos) {
        if (!SgfPoint(v, size, x1, y1))
            return false;
        out.emplace_back(x1, y1);
        return true;
    }
    if (!SgfPoint(v.substr(0, colon), size, x1, y1) || !SgfPoint(v.substr(colon + 1), size, x2, y2))
        return false;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            out.emplace_back(x, y);
    return true;
}

struct THeaderProp {
    const char* id;
    std::string* target;
};

// True when the line begins with count Black stones on the board, White
// passing between them or not (one move per node, as the reader takes them).
bool BlackMovesFirst(const std::vector<TSgfNode>& line, int count, int size)
{
    int seen = 0;
    for (const TSgfNode& node : line)
        for (const TSgfProp& p : node.props) {
            if (p.id != "B" && p.id != "W")
                continue;
            const std::string v = p.values.empty() ? std::string() : p.values.front();
            int x, y;
            if (p.id == "W" && (v.empty() || v == "tt"))
                break;
            if (p.id != "B" || !SgfPoint(v, size, x, y))
                return false;
            if (++seen == count)
                return true;
            break;
        }
    return false;
}

} // namespace

const char* KifuSgfMarkText(const std::string& id)
{
    static const std::pair<const char*, const char*> kLabels[] = {
        {"M", "□"}, {"MK", "×"}, {"L", "ａ"}, {"SR", "○"}, {"TR", "△"}, {"LB", "□"},
        {"MA", "×"}, {"CR", "○"}, {"SQ", "□"},
    };
    for (const auto& [name, label] : kLabels)
        if (id == name)
            return label;
    return nullptr;
}

bool KifuSgfSetup(int colour, const TSgfProp& prop, int size, TKifuRecord& record, std::string& why)
{
    for (const std::string& v : prop.values) {
        if (v.size() < 2)
            continue;
        std::vector<std::pair<int, int>> points;
        if (!ListPoints(v, size, points)) {
            why = std::string(Msg("a setup stone off the board:", "盤外の置き石:")) + " " + prop.id + "[" + Shown(v) + "]";
            return false;
        }
        for (const auto& [x, y] : points)
            record.Add(TKifuEvent::evSetup, x, y, colour);
        if (record.TooLarge(why))
            return false;
    }
    return true;
}

bool KifuSgfMark(const TSgfProp& prop, int size, const std::string& charset, TKifuRecord& record, std::string& why)
{
    const char* label = KifuSgfMarkText(prop.id);
    if (label == nullptr)
        return true;
    for (const std::string& v : prop.values) {
        if (v.size() < 2)
            continue;
        std::vector<std::pair<int, int>> points;
        std::string text = label;
        bool ok = false;
        if (prop.id == "LB") {
            // A label: "point:text"; the text shows up to two characters.
            const std::size_t colon = v.find(':');
            int x, y;
            ok = SgfPoint(v.substr(0, colon), size, x, y);
            if (ok)
                points.emplace_back(x, y);
            if (colon != std::string::npos) {
                const std::string t = CutChars(NormaliseBreaks(ToUtf8(v.substr(colon + 1), charset), true), 2);
                if (!t.empty())
                    text = t;
            }
        } else {
            ok = ListPoints(v, size, points);
        }
        if (!ok) {
            why = std::string(Msg("a mark off the board:", "盤外の記号:")) + " " + prop.id + "[" + Shown(v) + "]";
            return false;
        }
        for (const auto& [x, y] : points)
            record.Add(TKifuEvent::evMark, x, y, 0, text);
        if (record.TooLarge(why))
            return false;
    }
    return true;
}

bool KifuParseSgf(const std::string& fileBytes, TKifuRecord& record, std::string& why)
{
    // A file in UTF-16 (or with a byte-order mark) is read as its UTF-8
    // text, whatever its CA says.
    std::string unicode;
    const bool decoded = UnicodeText(fileBytes, unicode);
    const std::string& bytes = decoded ? unicode : fileBytes;
    const std::string charset = decoded ? std::string("UTF-8") : SgfCharset(bytes);
    std::vector<TSgfNode> line;
    bool cutShort = false;
    if (!KifuSgfParse(bytes, CharsetByteKind(charset), line, why, cutShort))
        return false;
    if (cutShort)
        record.CutShort(Msg("before the closing \")\" of the game", "対局の閉じ括弧 \")\" の前"));
    const TSgfNode& root = line.front();
    const auto first = [](const TSgfProp* p) { return p->values.empty() ? std::string() : p->values.front(); };

    if (const TSgfProp* p = root.Find("GM")) {
        int gm = 0;
        if (!KifuParseInt(first(p), gm) || gm != 1) {
            why = std::string(Msg("not a record of Go:", "囲碁の棋譜ではありません:")) + " GM[" + Shown(first(p)) + "]";
            return false;
        }
    }
    if (const TSgfProp* p = root.Find("FF")) {
        int ff = 0;
        if (!KifuParseInt(first(p), ff) || ff < 1 || ff > 4) {
            why = std::string(Msg("an SGF version this program does not read:", "読めない SGF の版です:")) + " FF["
                  + Shown(first(p)) + "]";
            return false;
        }
    }
    int size = 19;
    if (const TSgfProp* p = root.Find("SZ")) {
        // FF[4] writes a square board as "19" and allows "19:19".
        std::string v = first(p);
        const std::size_t colon = v.find(':');
        int other = 0;
        bool ok = KifuParseInt(v.substr(0, colon), size);
        if (ok && colon != std::string::npos)
            ok = KifuParseInt(v.substr(colon + 1), other) && other == size;
        if (!ok || !KifuValidSize(size)) {
            why = std::string(Msg("a board size other than 9, 13 or 19:", "9、13、19 路以外の盤です:")) + " SZ[" + Shown(v) + "]";
            return false;
        }
    }
    int handicap = 0;
    if (const TSgfProp* p = root.Find("HA")) {
        if (!KifuParseInt(first(p), handicap) || !KifuValidHandicap(handicap)) {
            why = std::string(Msg("a handicap outside 0 to 14:", "0 から 14 以外の置き石数です:")) + " HA[" + Shown(first(p)) + "]";
            return false;
        }
    }

    // Handicap stones: other programs list them in the root's AB.  Those on
    // the standard points are placed by the board itself; stones placed
    // freely elsewhere are taken as setup stones on a board without stones
    // of its own, so that the position stays exact (White's first move then
    // follows a pass).  Such a game keeps the file's handicap for its komi
    // and its save.
    std::set<std::pair<int, int>> absorbed;
    const int named = handicap;
    if (handicap >= 2) {
        std::set<std::pair<int, int>> rootBlack;
        if (const TSgfProp* ab = root.Find("AB"))
            for (const std::string& v : ab->values) {
                std::vector<std::pair<int, int>> points;
                if (ListPoints(v, size, points))
                    rootBlack.insert(points.begin(), points.end());
            }
        Arr<Point, 1, kMaxHandicapStones> stones;
        const int n = HandicapPoints(size, handicap, stones);
        bool all = true;
        for (int i = 1; i <= n; ++i)
            all = all && rootBlack.count({stones[i].x, stones[i].y}) > 0;
        if (all) {
            for (int i = 1; i <= n; ++i)
                absorbed.insert({stones[i].x, stones[i].y});
        } else if (static_cast<int>(rootBlack.size()) >= handicap) {
            handicap = 0;
        } else if (root.Find("AB") == nullptr && BlackMovesFirst(line, handicap, size)) {
            // No AB, and Black's first moves are the stones: they are played
            // as the file has them, on a board without stones of its own.
            handicap = 0;
        }
    }
    record.Add(TKifuEvent::evReset, size, handicap);
    if (handicap != named)
        record.Add(TKifuEvent::evFileTeai, named);

    const THeaderProp headerProps[] = {
        {"GN", &KifuGameName},    {"DT", &KifuDate},        {"PC", &KifuPlace},     {"PB", &KifuBlackPlayer},
        {"PW", &KifuWhitePlayer}, {"BR", &KifuBlackKyu},    {"WR", &KifuWhiteKyu},  {"KM", &KifuKomi},
        {"RE", &KifuResult},      {"BL", &KifuBlackTime},   {"WL", &KifuWhiteTime},
    };
    bool moved = false;
    for (const TSgfNode& node : line) {
        // Header, then setup stones, then the move, then what annotates it.
        for (const TSgfProp& p : node.props)
            for (const THeaderProp& h : headerProps)
                if (p.id == h.id)
                    record.Header(*h.target, NormaliseBreaks(ToUtf8(first(&p), charset), true));
        for (const TSgfProp& p : node.props) {
            const int colour = p.id == "AB" ? kKuro : p.id == "AW" ? kSiro : p.id == "AE" ? kAki : -1;
            if (colour < 0)
                continue;
            TKifuRecord stones;
            if (!KifuSgfSetup(colour, p, size, stones, why))
                return false;
            for (TKifuEvent& e : stones.events)
                if (!(&node == &root && colour == kKuro && absorbed.count({e.x, e.y})))
                    record.events.push_back(std::move(e));
            if (record.TooLarge(why))
                return false;
        }
        for (const TSgfProp& p : node.props) {
            if (p.id != "B" && p.id != "W")
                continue;
            if (!moved) {
                record.Add(TKifuEvent::evRecBegin);
                moved = true;
            }
            const std::string v = first(&p);
            int x, y;
            if (v.empty() || v == "tt")
                record.Add(TKifuEvent::evPass, 0, 0, p.id == "B" ? kKuro : kSiro);
            else if (SgfPoint(v, size, x, y))
                record.Add(TKifuEvent::evMove, x, y, p.id == "B" ? kKuro : kSiro);
            else {
                why = std::string(Msg("a move off the board:", "盤外の着手:")) + " " + p.id + "[" + Shown(v) + "]";
                return false;
            }
            break; // one move per node
        }
        for (const TSgfProp& p : node.props) {
            if (p.id == "C")
                record.Add(TKifuEvent::evComment, 0, 0, 0, NormaliseBreaks(ToUtf8(first(&p), charset), false));
            else if (!KifuSgfMark(p, size, charset, record, why))
                return false;
        }
        if (record.TooLarge(why))
            return false;
    }
    // A move on a stone means the record is not the game it claims to be:
    // the whole file is refused rather than replayed without that move.
    return KifuNoMoveOnAStone(record, why);
}

namespace {

// The setup of one node: per point its last colour, as AB, AW and AE lists
// (points row by row).
std::string SetupNode(const Grid<int, 1, 19>& node)
{
    std::string lists[3] = {"AE", "AB", "AW"};
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            if (node[x][y] >= kAki)
                lists[node[x][y]] += "[" + PointLetters(x, y) + "]";
    std::string out;
    for (int c : {kKuro, kSiro, kAki})
        if (lists[c].size() > 2)
            out += lists[c];
    return out;
}

// The handicap the file names: the board's own, or the one a loaded file
// named for stones that the board did not place, while the record still
// holds them so that a reader takes them back the same way: at least that
// many black stones set up before the first move, or, with none set up,
// Black's first moves (White passing between them or not).
int HandicapWritten(const Grid<unsigned char, 1, 19>& root)
{
    const TTejun& t = GobanLv[0]->Tejun;
    const int named = KifuHandicap();
    if (named == Handicap)
        return Handicap;
    int setUp = 0;
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x)
            setUp += root[x][y] == kKuro ? 1 : 0;
    if (setUp > 0)
        return setUp >= named ? named : Handicap;
    int stones = 0;
    for (int m = 1; m <= t.Last() && stones < named; ++m) {
        const bool black = t.TeColor(m) == kKuro, pass = t.GetTe(m).x == 0;
        if (black == pass) // a black pass or a white stone
            return Handicap;
        stones += black ? 1 : 0;
    }
    return stones == named ? named : Handicap;
}

} // namespace

std::string KifuSgfText()
{
    const TKifuHeader h = Shell().GameInfoFields();
    const TTejun& t = GobanLv[0]->Tejun;
    const std::string eol = "\r\n";

    // Setup stones placed after a move go into a node of their own behind
    // that move (those left behind deleted moves, behind the last one); the
    // root holds what the placement grid held before any of them.
    const std::vector<THaiti>& later = t.GetHaiti();
    auto nodeOf = [&t](const THaiti& e) { return std::min(e.te, t.Last()); };
    Grid<unsigned char, 1, 19> root = HaitiBan;
    Grid<unsigned char, 1, 19> seen{};
    for (const THaiti& e : later)
        if (nodeOf(e) >= 1 && seen[e.x][e.y] == 0) {
            seen[e.x][e.y] = 1;
            root[e.x][e.y] = e.was;
        }
    // The handicap stones are among the black ones.
    Arr<Point, 1, kMaxHandicapStones> stones;
    const int n = HandicapPoints(BoardSize, Handicap, stones);
    for (int i = 1; i <= n; ++i)
        root[stones[i].x][stones[i].y] = kKuro;

    std::string out = "(;" + eol;
    out += "GM[1]FF[4]CA[UTF-8]" + eol;
    out += "SZ[" + std::to_string(BoardSize) + "]" + eol;
    // HA is the game's own handicap: black setup stones, however many and
    // wherever they stand, are a position set up and never count as one.
    // A handicap of 1 (Black first, no stones) is written as well.
    if (const int ha = HandicapWritten(root); ha >= 1)
        out += "HA[" + std::to_string(ha) + "]" + eol;
    const std::pair<const char*, const std::string*> fields[] = {
        {"GN", &h.GameName},  {"DT", &h.Date},     {"PC", &h.Place},    {"PB", &h.BlackPlayer},
        {"PW", &h.WhitePlayer}, {"BR", &h.BlackKyu}, {"WR", &h.WhiteKyu}, {"KM", &h.Komi},
        {"RE", &h.Result}, {"BL", &h.BlackTime}, {"WL", &h.WhiteTime},
    };
    for (const auto& [id, value] : fields)
        if (!value->empty())
            out += std::string(id) + "[" + Escape(*value) + "]" + eol;
    if (t.HasComment(0))
        out += "C[" + Escape(t.GetComment(0)) + "]" + eol;

    std::string ab = "AB", aw = "AW";
    for (int y = 1; y <= BoardSize; ++y)
        for (int x = 1; x <= BoardSize; ++x) {
            if (root[x][y] == kKuro)
                ab += "[" + PointLetters(x, y) + "]";
            else if (root[x][y] == kSiro)
                aw += "[" + PointLetters(x, y) + "]";
        }
    if (ab.size() > 2)
        out += ab + eol;
    if (aw.size() > 2)
        out += aw + eol;

    std::string buffer;
    for (int m = 1; m <= t.Last(); ++m) {
        const Point p = t.GetTe(m);
        buffer += t.TeColor(m) == kKuro ? ";B[" : ";W[";
        buffer += (p.x == 0 ? std::string("tt") : PointLetters(p.x, p.y)) + "]";
        const bool marked = t.MarkCount(m) > 0;
        Grid<int, 1, 19> setup;
        FillGrid<int, 1, 19>(setup, -1);
        bool setupHere = false;
        for (const THaiti& e : later)
            if (nodeOf(e) == m) {
                setup[e.x][e.y] = e.iro;
                setupHere = true;
            }
        if (marked || t.HasComment(m)) {
            out += buffer + eol;
            buffer.clear();
            if (marked) {
                // One property per kind of mark, other labels as LB.
                static const std::pair<const char*, const char*> kKinds[] = {
                    {"MA", "×"}, {"CR", "○"}, {"SQ", "□"}, {"TR", "△"}};
                std::string marks;
                for (const auto& [id, label] : kKinds) {
                    std::string values;
                    for (const TMark& mk : t.GetMarks(m))
                        if (mk.label == label && GobanLv[0]->OnBoard(mk.x, mk.y))
                            values += "[" + PointLetters(mk.x, mk.y) + "]";
                    if (!values.empty())
                        marks += id + values;
                }
                std::string labels;
                for (const TMark& mk : t.GetMarks(m)) {
                    bool kind = false;
                    for (const auto& k : kKinds)
                        kind = kind || mk.label == k.second;
                    if (!kind && GobanLv[0]->OnBoard(mk.x, mk.y))
                        labels += "[" + PointLetters(mk.x, mk.y) + ":" + Escape(mk.label, true) + "]";
                }
                if (!labels.empty())
                    marks += "LB" + labels;
                out += marks + eol;
            }
            if (t.HasComment(m))
                out += "C[" + Escape(t.GetComment(m)) + "]" + eol;
        } else if (buffer.size() >= 60 || setupHere) {
            out += buffer + eol;
            buffer.clear();
        }
        if (setupHere)
            out += ";" + SetupNode(setup) + eol;
    }
    out += buffer + ")" + eol;
    return out;
}

bool KifuSaveSgf(const std::string& fileName) { return KifuWriteFile(fileName, KifuSgfText()); }

bool KifuReadSgf(const std::string& fileName) { return KifuLoadWith(KifuParseSgf, fileName, false); }

bool KifuReadSgfHeader(const std::string& fileName) { return KifuLoadWith(KifuParseSgf, fileName, true); }

} // namespace vorn
