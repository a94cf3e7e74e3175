#include "board/GameKeep.h"

#include "board/Goban.h"
#include "board/Hooks.h"

namespace vorn {

TGameKeep::TGameKeep()
    : size_(BoardSize), handicap_(Handicap), ban_(GobanLv[0]->Ban), tejun_(GobanLv[0]->Tejun), haiti_(HaitiBan)
{
    const auto strings = KifuGameStrings();
    for (std::size_t i = 0; i < strings.size(); ++i)
        header_[i] = *strings[i];
}

bool TGameKeep::Changed() const
{
    const TGoban& b = *GobanLv[0];
    if (BoardSize != size_ || Handicap != handicap_)
        return true;
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            if (b.Ban[x][y] != ban_[x][y])
                return true;
    const TTejun& t = b.Tejun;
    if (t.Current() != tejun_.Current() || t.Last() != tejun_.Last())
        return true;
    for (int n = 1; n <= t.Last(); ++n)
        if (t.GetTe(n) != tejun_.GetTe(n))
            return true;
    return false;
}

void TGameKeep::Restore() const
{
    BoardSize = size_;
    Handicap = handicap_;
    Level = 0;
    TGoban& b = *GobanLv[0];
    // A new game for the star points of the size, then the kept stones and
    // record over it.
    b.NewGame();
    b.Ban = ban_;
    b.Tejun = tejun_;
    HaitiBan = haiti_;
    const auto strings = KifuGameStrings();
    for (std::size_t i = 0; i < strings.size(); ++i)
        *strings[i] = header_[i];
    b.RenMake();
}

} // namespace vorn
