#include "VornCore.h"

#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "board/Kiri.h"
#include "board/KuuIsi.h"
#include "board/Me.h"
#include "board/Rand.h"
#include "board/Sicho.h"
#include "engine/Hyoka.h"
#include "engine/Joban.h"
#include "engine/Joseki.h"
#include "engine/Koho.h"
#include "engine/Kou.h"
#include "engine/Kyuba.h"
#include "engine/Nozoki.h"
#include "engine/PairAnswer.h"
#include "engine/Sikatu.h"
#include "engine/Sakiyomi.h"
#include "engine/Think.h"
#include "engine/Toru.h"
#include "engine/WeakGun.h"
#include "engine/Yose.h"
#include "records/Exam.h"
#include "engine/shapes/GunKankei.h"
#include "engine/shapes/Hiraki.h"
#include "records/Kifu.h"
#include "records/Log.h"

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
    KiriReset();
    JosekiReset();
    JobanReset();
    KifuReset();
    ExamReset();
    KohoReset();
    KouReset();
    PairAnswerReset();
    ThinkReset();
    SakiyomiReset();
    ToruReset();
    NozokiReset();
    KyubaReset();
    YoseReset();
    WeakGunReset();
    SikatuReset();
    GunKankeiReset();
    HirakiReset();
    HyokaReset();
    LogReset();
}

} // namespace vorn
