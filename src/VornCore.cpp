#include "VornCore.h"

#include "board/Goban.h"
#include "board/Hooks.h"
#include "board/KuuIsi.h"
#include "board/Rand.h"

namespace vorn {

void ResetProgramState()
{
    HooksReset();
    RandSeed(1);
    KuuIsiReset();
    GobanReset();
}

} // namespace vorn
