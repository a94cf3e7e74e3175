#include "RecordsUtil.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/KifuIg1.h"

namespace vorn::test {

bool TRecordingShell::BanUtu(int x, int y, int noAnalyze)
{
    ++banUtuCalls;
    const bool played = TShellHooks::BanUtu(x, y, noAnalyze);
    if (played && KifuRecOn == 1)
        KifuRecAddMove();
    return played;
}

void RecordsTest::SetUp()
{
    VornTest::SetUp();
    char tmpl[] = "/tmp/vorn_records_XXXXXX";
    const char* made = mkdtemp(tmpl);
    ASSERT_NE(made, nullptr);
    dir_ = made;
    ExeDir = dir_ + "/";
    KifuRecName = ExeDir + "bug.ig1";
    SetShellHooks(&shell);
}

void RecordsTest::TearDown()
{
    SetShellHooks(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
    VornTest::TearDown();
}

void RecordsTest::WriteText(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(Path(name), std::ios::binary);
    out << bytes;
}

std::string RecordsTest::ReadText(const std::string& name) const
{
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void RecordsTest::Play(const std::vector<Point>& moves)
{
    for (const Point p : moves) {
        if (p.x == 0) {
            ASSERT_TRUE(GobanLv[0]->Pass());
            if (KifuRecOn == 1)
                KifuRecAddMove();
        } else {
            ASSERT_TRUE(Shell().BanUtu(p.x, p.y, 1)) << p.x << "," << p.y;
        }
    }
}

void RecordsTest::PlayRandom(int count, const std::function<bool(int)>& passAt)
{
    for (int i = 0; i < count; ++i)
        Play({passAt && passAt(i) ? Point() : RandomMove(*GobanLv[0])});
}

std::string MoveList()
{
    const TTejun& t = GobanLv[0]->Tejun;
    std::string s;
    for (int n = 1; n <= t.Last(); ++n) {
        const Point p = t.GetTe(n);
        s += t.TeColor(n) == kKuro ? "B" : "W";
        s += p.x == 0 ? "(pass) " : "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ") ";
    }
    return s;
}

std::string GameSnapshot()
{
    std::ostringstream s;
    const TTejun& t = GobanLv[0]->Tejun;
    s << "size " << BoardSize << " handicap " << Handicap << " file's " << t.FileTeai() << " current " << t.Current() << " last " << t.Last() << "\n";
    s << BoardDiagram(*GobanLv[0]) << MoveList() << "\n";
    for (int n = 0; n <= t.Last(); ++n) {
        if (t.HasComment(n))
            s << "C" << n << "[" << t.GetComment(n) << "]";
        for (int i = 1; i <= t.MarkCount(n); ++i)
            s << "M" << n << "(" << t.MarkPoint(n, i).x << "," << t.MarkPoint(n, i).y << ")" << t.MarkText(n, i);
    }
    s << "\nsetup";
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            if (HaitiBan[x][y] != 0)
                s << " " << int(HaitiBan[x][y]) << "(" << x << "," << y << ")";
    s << "\n";
    for (const std::string* g : {&KifuGameName, &KifuDate, &KifuPlace, &KifuKomi, &KifuResult, &KifuBlackPlayer,
                                 &KifuWhitePlayer, &KifuBlackKyu, &KifuWhiteKyu, &KifuBlackTime, &KifuWhiteTime})
        s << "[" << *g << "]";
    return s.str();
}

} // namespace vorn::test
