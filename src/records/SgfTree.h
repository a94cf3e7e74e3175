// The SGF game tree reader: the tokenizer over the record's bytes and the
// parser of the collection, which keeps the main line of its first game.
// Values keep the bytes of the file (escapes resolved); the caller converts
// them from the file's character set.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "records/Charset.h"

namespace vorn {

// The record's bytes and the read position of the tokenizer.
struct TKifuFile {
    const std::string& data;
    std::size_t pos = 0;
    TByteKind kind = TByteKind::Single;
    explicit TKifuFile(const std::string& bytes, TByteKind k = TByteKind::Single) : data(bytes), kind(k) {}
    bool AtEnd() const { return pos >= data.size(); }
    unsigned char Peek() const { return static_cast<unsigned char>(data[pos]); }
    void SkipBlanks();
};

// One property: its identifier in capitals and its values.
struct TSgfProp {
    std::string id;
    std::vector<std::string> values;
};

struct TSgfNode {
    std::vector<TSgfProp> props;
    // The property with this identifier, or nullptr.
    const TSgfProp* Find(const char* id) const;
};

// The next property identifier at the read position: its capital letters
// (the lower-case letters that old files put into identifiers are dropped,
// so "AddBlack" reads as AB), blanks before it skipped; the position is left
// on the "[" of its first value.  Empty when no letter stands there.
std::string KifuSgfReadId(TKifuFile& f);
// One bracketed value at the read position, "[" to "]": "\" escapes the byte
// after it, a backslash before a line break removes both (a soft break), and
// the second byte of a double-byte character is never taken as "\" or "]".
// False when no "[" stands there or the file ends inside the value.
bool KifuSgfReadValue(TKifuFile& f, std::string& value);
// True when another value of the same property follows (blanks between
// values are allowed).
bool KifuSgfNextValue(TKifuFile& f);

// The character set an SGF file is written in: the CA property of its root
// node when iconv knows it, else UTF-8 when the bytes are valid UTF-8, else
// CP932.
std::string SgfCharset(const std::string& bytes);

// Parses the first game of a collection and answers the nodes of its main
// line (the first variation at every branch), root first.  Bytes before the
// first "(" are skipped, as is everything after the first game.  As other
// readers do, a node may start without its ";" right behind a "(", and a
// file that ends between two properties or nodes (its closing ")" missing)
// is read as far as it goes (cutShort is then true).  False with a reason
// when the tree is broken or ends inside a property.
bool KifuSgfParse(const std::string& bytes, TByteKind kind, std::vector<TSgfNode>& mainLine, std::string& why,
                  bool& cutShort);

} // namespace vorn
