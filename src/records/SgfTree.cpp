#include "records/SgfTree.h"

#include <cctype>
#include <cstring>

#include "board/Hooks.h"

namespace vorn {

namespace {
bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Far more nodes on the main line than any game has.
constexpr std::size_t kMaxNodes = 100000;

std::string EndsEarly() { return Msg("the file ends before the record is complete", "記録が途中で切れています"); }
std::string Unexpected() { return Msg("unexpected text between properties", "プロパティの間に不正な文字があります"); }
} // namespace

void TKifuFile::SkipBlanks()
{
    while (!AtEnd() && IsBlank(Peek()))
        ++pos;
}

const TSgfProp* TSgfNode::Find(const char* id) const
{
    for (const TSgfProp& p : props)
        if (p.id == id)
            return &p;
    return nullptr;
}

std::string KifuSgfReadId(TKifuFile& f)
{
    f.SkipBlanks();
    std::string id;
    while (!f.AtEnd()) {
        const unsigned char c = f.Peek();
        if (c >= 'A' && c <= 'Z')
            id += static_cast<char>(c);
        else if (!(c >= 'a' && c <= 'z'))
            break;
        ++f.pos;
    }
    return id;
}

bool KifuSgfReadValue(TKifuFile& f, std::string& value)
{
    value.clear();
    if (f.AtEnd() || f.Peek() != '[')
        return false;
    ++f.pos;
    const std::string& d = f.data;
    const std::size_t n = d.size();
    while (f.pos < n) {
        unsigned char c = static_cast<unsigned char>(d[f.pos]);
        if (c == ']') {
            ++f.pos;
            return true;
        }
        if (c == '\\') {
            if (++f.pos >= n)
                return false;
            c = static_cast<unsigned char>(d[f.pos]);
            if (c == '\n' || c == '\r') {
                // A soft line break: the backslash and the break vanish.
                ++f.pos;
                if (f.pos < n && (d[f.pos] == '\n' || d[f.pos] == '\r') && static_cast<unsigned char>(d[f.pos]) != c)
                    ++f.pos;
                continue;
            }
        }
        std::size_t len = static_cast<std::size_t>(CharsetCharLen(f.kind, c));
        if (f.pos + len > n)
            len = n - f.pos;
        value.append(d, f.pos, len);
        f.pos += len;
    }
    return false;
}

bool KifuSgfNextValue(TKifuFile& f)
{
    f.SkipBlanks();
    return !f.AtEnd() && f.Peek() == '[';
}

namespace {

enum class TNodeEnd { Next, FileEnd, Broken };

// The properties of one node, from the read position (behind its ";") to the
// next ";", "(" or ")".  The file may end between two properties (FileEnd);
// a property cut short or text that is no property breaks the node.
TNodeEnd ReadNode(TKifuFile& f, bool keep, TSgfNode& node, std::string& why)
{
    for (;;) {
        f.SkipBlanks();
        if (f.AtEnd())
            return TNodeEnd::FileEnd;
        const unsigned char d = f.Peek();
        if (d == ';' || d == '(' || d == ')')
            return TNodeEnd::Next;
        TSgfProp prop;
        prop.id = KifuSgfReadId(f);
        f.SkipBlanks();
        if (f.AtEnd()) {
            why = EndsEarly();
            return TNodeEnd::Broken;
        }
        if (f.Peek() != '[') {
            why = Unexpected();
            return TNodeEnd::Broken;
        }
        do {
            std::string v;
            if (!KifuSgfReadValue(f, v)) {
                why = EndsEarly();
                return TNodeEnd::Broken;
            }
            if (keep)
                prop.values.push_back(std::move(v));
        } while (KifuSgfNextValue(f));
        if (keep && !prop.id.empty())
            node.props.push_back(std::move(prop));
    }
}

// The root node of the first game, read with the given byte kind.
bool RootNode(const std::string& bytes, TByteKind kind, TSgfNode& root)
{
    TKifuFile f(bytes, kind);
    while (!f.AtEnd() && f.Peek() != '(')
        ++f.pos;
    if (f.AtEnd())
        return false;
    ++f.pos;
    f.SkipBlanks();
    if (!f.AtEnd() && f.Peek() == ';')
        ++f.pos;
    std::string why;
    return ReadNode(f, true, root, why) != TNodeEnd::Broken;
}

} // namespace

std::string SgfCharset(const std::string& bytes)
{
    // CA counts only as a property of the root node.  The root is read with
    // each way of splitting bytes, so that a double-byte name before CA that
    // ends in "\" hides nothing.
    for (TByteKind kind : {TByteKind::Single, TByteKind::ShiftJis, TByteKind::DoubleByte}) {
        TSgfNode root;
        if (!RootNode(bytes, kind, root))
            continue;
        const TSgfProp* ca = root.Find("CA");
        if (ca == nullptr || ca->values.empty())
            continue;
        const std::string name = CharsetCanonical(ca->values.front());
        if (CharsetKnown(name))
            return name;
        break;
    }
    return IsValidUtf8(bytes) ? "UTF-8" : "CP932";
}

bool KifuSgfParse(const std::string& bytes, TByteKind kind, std::vector<TSgfNode>& mainLine, std::string& why,
                  bool& cutShort)
{
    mainLine.clear();
    cutShort = false;
    TKifuFile KifuFile(bytes, kind);
    while (!KifuFile.AtEnd() && KifuFile.Peek() != '(')
        ++KifuFile.pos;
    if (KifuFile.AtEnd()) {
        why = Msg("no game tree \"(;\" was found", "ゲームツリー \"(;\" がありません");
        return false;
    }
    // One entry per open "(": whether that variation lies on the main line,
    // and whether a variation has opened inside it.
    struct TOpen {
        bool onMain;
        bool hasChild;
    };
    std::vector<TOpen> open;
    // A node that other programs start without its ";" (a property right
    // behind the "(").
    bool bareNode = false;
    for (;;) {
        KifuFile.SkipBlanks();
        if (KifuFile.AtEnd()) {
            // The closing ")" missing: what was read is the record.
            if (!mainLine.empty()) {
                cutShort = true;
                return true;
            }
            why = EndsEarly();
            return false;
        }
        const unsigned char c = KifuFile.Peek();
        if (c == '(') {
            const bool onMain = open.empty() || (open.back().onMain && !open.back().hasChild);
            if (!open.empty())
                open.back().hasChild = true;
            open.push_back({onMain, false});
            ++KifuFile.pos;
            KifuFile.SkipBlanks();
            if (KifuFile.AtEnd()) {
                why = EndsEarly();
                return false;
            }
            const unsigned char n = KifuFile.Peek();
            bareNode = n >= 'A' && n <= 'Z';
            if (n != ';' && !bareNode) {
                why = Msg("a variation without a node", "ノードのない変化があります");
                return false;
            }
        } else if (c == ')') {
            open.pop_back();
            ++KifuFile.pos;
            if (open.empty())
                return true;
        } else if (c == ';' || bareNode) {
            if (open.back().hasChild) {
                why = Msg("a node follows a variation", "変化の後にノードがあります");
                return false;
            }
            if (!bareNode)
                ++KifuFile.pos;
            bareNode = false;
            const bool keep = open.back().onMain;
            TSgfNode node;
            const TNodeEnd end = ReadNode(KifuFile, keep, node, why);
            if (end == TNodeEnd::Broken)
                return false;
            if (keep)
                mainLine.push_back(std::move(node));
            if (mainLine.size() > kMaxNodes) {
                why = Msg("far more nodes than a game record holds", "棋譜としてはノードが多すぎます");
                return false;
            }
            if (end == TNodeEnd::FileEnd) {
                cutShort = true;
                return true; // the first node read is the root, on the main line
            }
        } else {
            why = Unexpected();
            return false;
        }
    }
}

} // namespace vorn
