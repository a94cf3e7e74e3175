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

std::string SgfCharset(const std::string& bytes)
{
    for (std::size_t i = bytes.find("CA["); i != std::string::npos; i = bytes.find("CA[", i + 1)) {
        if (i > 0 && std::isalpha(static_cast<unsigned char>(bytes[i - 1])))
            continue;
        const std::size_t end = bytes.find(']', i + 3);
        if (end == std::string::npos || end - i > 40)
            continue;
        const std::string name = CharsetCanonical(bytes.substr(i + 3, end - i - 3));
        if (CharsetKnown(name))
            return name;
        break;
    }
    return IsValidUtf8(bytes) ? "UTF-8" : "CP932";
}

bool KifuSgfParse(const std::string& bytes, TByteKind kind, std::vector<TSgfNode>& mainLine, std::string& why)
{
    mainLine.clear();
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
    const std::string unexpected = Msg("unexpected text between properties", "プロパティの間に不正な文字があります");
    for (;;) {
        KifuFile.SkipBlanks();
        if (KifuFile.AtEnd()) {
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
            if (KifuFile.Peek() != ';') {
                why = Msg("a variation without a node", "ノードのない変化があります");
                return false;
            }
        } else if (c == ')') {
            open.pop_back();
            ++KifuFile.pos;
            if (open.empty())
                return true;
        } else if (c == ';') {
            if (open.back().hasChild) {
                why = Msg("a node follows a variation", "変化の後にノードがあります");
                return false;
            }
            ++KifuFile.pos;
            const bool keep = open.back().onMain;
            TSgfNode node;
            for (;;) {
                KifuFile.SkipBlanks();
                if (KifuFile.AtEnd()) {
                    why = EndsEarly();
                    return false;
                }
                const unsigned char d = KifuFile.Peek();
                if (d == ';' || d == '(' || d == ')')
                    break;
                TSgfProp prop;
                prop.id = KifuSgfReadId(KifuFile);
                KifuFile.SkipBlanks();
                if (KifuFile.AtEnd()) {
                    why = EndsEarly();
                    return false;
                }
                if (KifuFile.Peek() != '[') {
                    why = unexpected;
                    return false;
                }
                do {
                    std::string v;
                    if (!KifuSgfReadValue(KifuFile, v)) {
                        why = EndsEarly();
                        return false;
                    }
                    if (keep)
                        prop.values.push_back(std::move(v));
                } while (KifuSgfNextValue(KifuFile));
                if (keep && !prop.id.empty())
                    node.props.push_back(std::move(prop));
            }
            if (keep)
                mainLine.push_back(std::move(node));
            if (mainLine.size() > kMaxNodes) {
                why = Msg("far more nodes than a game record holds", "棋譜としてはノードが多すぎます");
                return false;
            }
        } else {
            why = unexpected;
            return false;
        }
    }
}

} // namespace vorn
