#include "DecisionUtil.h"
#include "Util.h"
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include "board/Goban.h"
#include "board/Gun.h"
#include "board/Hooks.h"
#include "engine/Koho.h"
#include "engine/Sikatu.h"
#include "engine/Think.h"
namespace vorn::test {
namespace {
class ZzProbe : public VornTest {};
TEST_F(ZzProbe, Groups)
{
    const char* f = std::getenv("PROBE");
    if (!f) GTEST_SKIP();
    std::ifstream in(f);
    std::stringstream ss; ss << in.rdbuf();
    std::string d = ss.str();
    int toMove = std::getenv("PROBE_SIRO") ? kSiro : kKuro;
    PrepareDecision(d.c_str(), toMove);
    SikatuYomiOn = 1; YomiSikatuMode = 1;
    const TGunList& l = GobanLv[0]->GunList;
    for (int n = 1; n <= l.GetCount(); ++n) {
        const TGun* g = l.GetGun(n);
        if (!g) continue;
        std::printf("gun %d col %d first %s isi %d me %d weak %d death %d dl %d kokyu:", n, g->GetIsiIro(), PointName(g->GetYoso(1)).c_str(), g->GetIsiSu(), g->GetMe(), g->IsWeak(), g->GetDeath(), g->GetDeathLevel());
        for (int i = 1; i <= g->GetKokyuSu(); ++i) std::printf(" %s", PointName(g->GetKokyu(i)).c_str());
        std::printf("\n");
    }
    if (const char* s = std::getenv("PROBE_SKIP")) {
        const TGun* g = l.GetGunAt(ParsePoint(s));
        KohoCount = 0;
        bool r = SikatuSkip(*g);
        std::printf("skip=%d %s\n", r, CandidateList().c_str());
    }
    if (std::getenv("PROBE_THINK")) {
        KohoCount = 0;
        SikatuThink();
        std::printf("think %s\n", CandidateList().c_str());
    }
}
}
}
