#include "board/Tejun.h"

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

TTejun::TTejun()
{
    ToruX.reserve(2048);
    ToruY.reserve(2048);
    ToruStart.Fill(0);
}

int TTejun::TeColor(int n) const
{
    int t = n;
    for (int lv = 0; lv < Level; ++lv)
        t += GobanLv[lv]->Tejun.Last();
    const int first = Level > 0 ? GobanLv[0]->Tejun.FirstIro : FirstIro;
    if (first != 0)
        return (t & 1) ? first : Aite(first);
    if (Handicap < 2)
        return (t & 1) ? kKuro : kSiro;
    return (t & 1) ? kSiro : kKuro;
}

int TTejun::ToruCountN(int n) const
{
    if (n <= 0 || n > LastNo)
        return 0;
    return ToruStart[n + 1] - ToruStart[n];
}

Point TTejun::ToruIsiN(int n, int i) const
{
    if (i < 1 || i > ToruCountN(n))
        RangeError(i, 1, ToruCountN(n));
    const int k = ToruStart[n] + i - 1;
    return Point(ToruX[k], ToruY[k]);
}

int TTejun::Find(int x, int y) const
{
    for (int n = CurrentNo; n >= 1; --n)
        if (TeX[n] == x && TeY[n] == y)
            return n;
    return 0;
}

const std::string& TTejun::MarkText(int n, int i) const
{
    if (i < 1 || i > MarkCount(n))
        RangeError(i, 1, MarkCount(n));
    return Marks[n][i - 1].label;
}

Point TTejun::MarkPoint(int n, int i) const
{
    if (i < 1 || i > MarkCount(n))
        RangeError(i, 1, MarkCount(n));
    const TMark& m = Marks[n][i - 1];
    return Point(m.x, m.y);
}

void TTejun::Clear()
{
    for (int n = 1; n <= HighNo; ++n) {
        TeX[n] = 0;
        TeY[n] = 0;
        Comments[n].clear();
        Marks[n].clear();
    }
    HighNo = 0;
    CurrentNo = 0;
    LastNo = 0;
    FirstIro = 0;
    FileTeaiSu = 0;
    HaitiList.clear();
    ToruX.clear();
    ToruY.clear();
    ToruStart[1] = 0;
    HamaSu.Fill(0);
}

int TTejun::Add(int x, int y)
{
    if (LastNo >= kMaxTe) {
        Shell().ShowMessage(Msg("No more moves can be added to this record.",
                                "これ以上手順の追加ができません"));
        return -1;
    }
    ++LastNo;
    if (LastNo > HighNo)
        HighNo = LastNo;
    TeX[LastNo] = x;
    TeY[LastNo] = y;
    ToruStart[LastNo + 1] = ToruStart[LastNo];
    if (x > 0)
        SaveToru(LastNo);
    return LastNo;
}

void TTejun::SaveToru(int n)
{
    // Captures are stored only for the newest move: the buffer grows at its end.
    if (n != LastNo)
        RangeError(n, LastNo, LastNo);
    ToruX.resize(ToruStart[n]);
    ToruY.resize(ToruStart[n]);
    for (int i = 1; i <= ToruListSu; ++i) {
        ToruX.push_back(static_cast<std::uint8_t>(ToruListX[i]));
        ToruY.push_back(static_cast<std::uint8_t>(ToruListY[i]));
    }
    ToruStart[n + 1] = ToruStart[n] + ToruListSu;
}

void TTejun::Forward()
{
    if (CurrentNo < LastNo) {
        ++CurrentNo;
        HamaSu[CurColor()] += ToruCountN(CurrentNo);
    }
}

void TTejun::Back()
{
    if (CurrentNo > 0) {
        HamaSu[CurColor()] -= ToruCountN(CurrentNo);
        --CurrentNo;
    }
}

void TTejun::Truncate(int n)
{
    if (n == 0 || n > LastNo)
        return;
    // The points of the removed moves stay: the ladder reader looks at them
    // beyond the current move.  Comments and marks go with their moves.
    for (int k = n; k <= LastNo; ++k) {
        Comments[k].clear();
        Marks[k].clear();
    }
    // Setup stones stay on the board: they now follow the last move kept.
    for (THaiti& h : HaitiList)
        if (h.te >= n)
            h.te = n - 1;
    ToruX.resize(ToruStart[n]);
    ToruY.resize(ToruStart[n]);
    LastNo = n - 1;
    if (CurrentNo > LastNo)
        CurrentNo = LastNo;
}

void TTejun::SetComment(int n, const std::string& text)
{
    Comments[n] = text;
    if (n > HighNo)
        HighNo = n;
}

void TTejun::AddMark(int n, const std::string& label, int x, int y)
{
    TMark m;
    m.label = label;
    m.x = static_cast<std::uint8_t>(x);
    m.y = static_cast<std::uint8_t>(y);
    Marks[n].push_back(m);
    if (n > HighNo)
        HighNo = n;
}

void TTejun::SetMarks(int n, const std::vector<TMark>& marks)
{
    Marks[n] = marks;
    if (n > HighNo)
        HighNo = n;
}

void TTejun::AddHaiti(int x, int y, int c, int was)
{
    THaiti h;
    h.te = CurrentNo;
    h.x = static_cast<std::uint8_t>(x);
    h.y = static_cast<std::uint8_t>(y);
    h.iro = static_cast<std::uint8_t>(c);
    h.was = static_cast<std::uint8_t>(was);
    HaitiList.push_back(h);
}

} // namespace vorn
