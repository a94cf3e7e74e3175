#include "VornCore.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Me.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "records/Kifu.h"

namespace vorn {

void ResetProgramState()
{
    HooksReset();
    RandSeed(1);
    KuuIsiReset();
    GunReset();
    MeReset();
    GobanReset();
    SichoReset();
    KifuReset();
}

} // namespace vorn
