// The dictionary compiler: reading the SGF sources, the checks, and printing a
// dictionary back.
#include "Util.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "engine/JosekiBook.h"
#include "engine/JskNode.h"

namespace vorn::test {
namespace {

class JosekiBookTest : public VornTest {
protected:
    // Compiles and checks; the first message, or "" when there is none.
    static std::string Errors(int mode, const std::string& sgf)
    {
        TJosekiBook book(mode);
        std::vector<std::string> errors;
        if (book.ParseSgf(sgf, errors))
            JskValidate(book.Compile(), mode, book.Size, errors);
        return errors.empty() ? "" : errors[0];
    }
    static std::string Source(const std::string& name)
    {
        const char* dir = std::getenv("VORN_SOURCE_DIR");
        std::ifstream in(std::string(dir ? dir : "..") + "/data/joseki/" + name);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(JosekiBookTest, SourcesCompileCheckAndRoundTrip)
{
    struct {
        const char* file;
        int mode;
        int size;
    } const books[] = {{"corner.sgf", kJskCorner, 19}, {"opening19.sgf", kJskWhole, 19}, {"opening9.sgf", kJskWhole, 9}};
    for (const auto& b : books) {
        SCOPED_TRACE(b.file);
        const std::string text = Source(b.file);
        ASSERT_FALSE(text.empty());
        TJosekiBook book(b.mode);
        std::vector<std::string> errors;
        ASSERT_TRUE(book.ParseSgf(text, errors)) << errors[0];
        EXPECT_EQ(book.Size, b.size);
        const std::vector<TJskNode> recs = book.Compile();
        JskValidate(recs, b.mode, b.size, errors);
        EXPECT_TRUE(errors.empty()) << errors[0];

        // Printed back and compiled again, the same records.
        TJosekiBook again(b.mode);
        ASSERT_TRUE(again.ParseSgf(JskToSgf(recs, b.mode, b.size), errors)) << errors[0];
        const std::vector<TJskNode> back = again.Compile();
        ASSERT_EQ(back.size(), recs.size());
        for (std::size_t i = 0; i < recs.size(); ++i) {
            EXPECT_EQ(back[i].X, recs[i].X) << i;
            EXPECT_EQ(back[i].Y, recs[i].Y) << i;
            EXPECT_EQ(back[i].Mark, recs[i].Mark) << i;
            EXPECT_EQ(back[i].Weight, recs[i].Weight) << i;
            EXPECT_EQ(back[i].Child, recs[i].Child) << i;
            EXPECT_EQ(back[i].Next, recs[i].Next) << i;
        }

        // The compiled file beside the program holds the same records.
        std::vector<TJskNode> file;
        const char* name = b.mode == kJskCorner ? kJosekiFile : b.size == 19 ? kZenbanFile19 : kZenbanFile9;
        ASSERT_TRUE(JskReadFile(name, file));
        EXPECT_EQ(file.size(), recs.size());
    }
}

TEST_F(JosekiBookTest, LinesThatBeginAlikeAreMerged)
{
    TJosekiBook book(kJskCorner);
    std::vector<std::string> errors;
    ASSERT_TRUE(book.ParseSgf("(;SZ[19](;B[dd];W[fc]JW[70];B[cf])(;B[dd];W[fc];B[cg]JM[1])(;B[cc]))", errors));
    const std::vector<TJskNode> r = book.Compile();
    // Root chain dd, cc; then fc; then cf, cg.
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[1].X, 4);
    EXPECT_EQ(r[1].Next, 2);
    EXPECT_EQ(r[2].X, 3);
    EXPECT_EQ(r[2].Next, 0);
    EXPECT_EQ(r[1].Child, 3);
    EXPECT_EQ(r[3].Weight, 70);
    EXPECT_EQ(r[3].Child, 4);
    EXPECT_EQ(r[4].Weight, kJskDefaultWeight);
    EXPECT_EQ(r[5].Mark, 1);
    EXPECT_EQ(r[5].Y, 7);
}

TEST_F(JosekiBookTest, TenukiBecomesANodeBeyondTheCorner)
{
    TJosekiBook book(kJskCorner);
    std::vector<std::string> errors;
    ASSERT_TRUE(book.ParseSgf("(;SZ[19];B[dd](;W[];B[fc])(;W[tt];B[fd]))", errors));
    const std::vector<TJskNode> r = book.Compile();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_TRUE(IsTenukiNode(r[2]));
    EXPECT_EQ(r[2].Next, 0); // "" and "tt" are the same tenuki
}

TEST_F(JosekiBookTest, SourceErrors)
{
    struct {
        int mode;
        const char* sgf;
        const char* message;
    } const cases[] = {
        {kJskCorner, "(;SZ[19];B[dd];B[fc])", "colours do not alternate"},
        {kJskCorner, "(;SZ[19];B[zz])", "not a point of the board"},
        {kJskCorner, "(;SZ[19];B[d])", "not a point of the board"},
        {kJskCorner, "(;SZ[19];B[mm])", "beyond the corner on both axes"},
        {kJskCorner, "(;SZ[9];B[dd])", "written on 19 lines"},
        {kJskCorner, "(;SZ[19];B[dd];W[fc]JM[x])", "not a number"},
        {kJskCorner, "(;SZ[19];B[dd];W[fc]JW[300])", "not a number"},
        {kJskCorner, "(;SZ[19](;B[dd]JW[10])(;B[dd]JW[20]))", "weighted twice"},
        {kJskCorner, "(;SZ[19](;B[dd];W[fc])(;W[dd]))", "both colours"},
        {kJskCorner, "(;SZ[19];C[note])", "without a move"},
        {kJskCorner, "(;SZ[19];B[dd]", "')' expected"},
        {kJskCorner, "(;SZ[19];B[dd];W)", "no value"},
        {kJskCorner, "(;SZ[19];B[dd]) x", "after the end"},
        {kJskCorner, "(;SZ[19];B[dd](W[fc]))", "begins with ';'"},
        {kJskCorner, "(;SZ[19];B[dd]C[open", "no value closed"},
        {kJskWhole, "(;SZ[19];B[dd];W[])", "whole-board"},
        {kJskWhole, "(;SZ[9];B[jj])", "not a point of the board"},
        {kJskWhole, "(;SZ[12];B[dd])", "not 9, 13 or 19"},
        {kJskWhole, "(;B[dd])", "root node holds no move"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        EXPECT_NE(Errors(c.mode, c.sgf).find(c.message), std::string::npos) << Errors(c.mode, c.sgf);
    }
}

TEST_F(JosekiBookTest, TreeChecks)
{
    // 32 siblings, 21 of them proposable.
    std::string many = "(;SZ[19];B[dd]";
    std::string proposable = many;
    for (int i = 0; i < 32; ++i) {
        const std::string p{static_cast<char>('e' + i % 8), static_cast<char>('a' + i / 8)};
        many += "(;W[" + p + "])";
        if (i < 21)
            proposable += "(;W[" + p + "])";
    }
    many += ")";
    proposable += ")";

    struct {
        const char* name;
        std::string sgf;
        const char* message;
    } const cases[] = {
        {"long list", many, "moves in one list (at most 31)"},
        {"proposable", proposable, "proposable moves in one list (at most 20)"},
        {"tenuki first", "(;SZ[19](;B[];W[dd])(;B[cc]))", "tenuki node among the first moves"},
        {"tenuki twice", "(;SZ[19];B[dd];W[];B[];W[fc])", "right after a tenuki"},
        {"tenuki without answers", "(;SZ[19];B[dd];W[])", "without answers"},
        {"mirror twins", "(;SZ[19];B[dd](;W[fc])(;W[cf]))", "mirror image"},
        {"mirror twins after the diagonal", "(;SZ[19];B[dd];W[cc](;B[dc])(;B[cd]))", "mirror image"},
        {"occupied point", "(;SZ[19];B[dd];W[ee];B[dd])", "not legal"},
        {"suicide", "(;SZ[19];B[ab];W[cc];B[ba];W[cd];B[];W[aa])", "not legal"},
        {"pincer unmarked", "(;SZ[19];B[dd];W[fc](;B[jc])(;B[cf]))", "jc answering the approach fc must carry JM[1]"},
        {"knight marked", "(;SZ[19];B[dd];W[fc](;B[jc]JM[1])(;B[cf]JM[1]))", "knight's move cf"},
        {"no pincer", "(;SZ[19];B[dd];W[fc];B[cf])", "need the pincer jc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string e = Errors(kJskCorner, c.sgf);
        EXPECT_NE(e.find(c.message), std::string::npos) << e;
    }
    // Mirror images are fine once the orientation is fixed.
    EXPECT_EQ(Errors(kJskCorner, "(;SZ[19];B[cd];W[ec](;B[hc])(;B[ch]))"), "");
    // Tenuki answers after the approach need no marks of their own.
    EXPECT_EQ(Errors(kJskCorner, "(;SZ[19];B[dd];W[fc](;B[jc]JM[1])(;B[cf])(;B[];W[cf]))"), "");
}

TEST_F(JosekiBookTest, BrokenRecords)
{
    struct {
        const char* name;
        std::vector<TJskNode> recs;
        const char* message;
    } const cases[] = {
        {"empty", {Node(0, 0, 0, 0)}, "holds no move"},
        {"cycle", {Node(0, 0, 0, 0), Node(4, 4, 0, 2), Node(3, 3, 0, 1)}, "reached twice"},
        {"shared chain", {Node(0, 0, 0, 0), Node(4, 4, 3, 2), Node(3, 3, 3, 0), Node(6, 3, 0, 0)}, "reached twice"},
        {"next beyond", {Node(0, 0, 0, 0), Node(4, 4, 0, 9)}, "beyond the dictionary"},
        {"child beyond", {Node(0, 0, 0, 0), Node(4, 4, 9, 0)}, "beyond the dictionary"},
        {"negative child", {Node(0, 0, 0, 0), Node(4, 4, -2, 0)}, "beyond the dictionary"},
        {"orphan", {Node(0, 0, 0, 0), Node(4, 4, 0, 0), Node(3, 3, 0, 0)}, "not in the tree"},
        {"off the board", {Node(0, 0, 0, 0), Node(0, 4, 0, 0)}, "not a point of the board"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> errors;
        JskValidate(c.recs, kJskWhole, 9, errors);
        ASSERT_FALSE(errors.empty());
        EXPECT_NE(errors[0].find(c.message), std::string::npos) << errors[0];
    }
}

TEST_F(JosekiBookTest, FileRoundTrip)
{
    TJosekiBook book(kJskCorner);
    std::vector<std::string> errors;
    ASSERT_TRUE(book.ParseSgf("(;SZ[19];B[dd](;W[fc]JW[255];B[cf]JM[1])(;W[];B[fc]))", errors));
    const std::vector<TJskNode> recs = book.Compile();
    // one file per process: several test runs may share the temporary folder
    const std::string path = ::testing::TempDir() + "roundtrip-" + std::to_string(::getpid()) + ".jsk";
    ASSERT_TRUE(JskWriteFile(path, recs));
    std::vector<TJskNode> back;
    ASSERT_TRUE(JskReadFile(path, back));
    ASSERT_EQ(back.size(), recs.size());
    for (std::size_t i = 0; i < recs.size(); ++i) {
        std::uint8_t a[kJskRecordSize], b[kJskRecordSize];
        JskEncode(recs[i], a);
        JskEncode(back[i], b);
        EXPECT_EQ(std::memcmp(a, b, kJskRecordSize), 0) << i;
    }
    std::remove(path.c_str());
    EXPECT_FALSE(JskWriteFile(::testing::TempDir() + "no-such-dir/x.jsk", recs));
    EXPECT_FALSE(JskReadFile(::testing::TempDir() + "no-such-file.jsk", back));
    EXPECT_TRUE(back.empty());
}

} // namespace
} // namespace vorn::test
