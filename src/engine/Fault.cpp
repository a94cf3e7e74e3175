#include "engine/Fault.h"

#include <cstdio>

#include "board/Array.h"
#include "board/Diagram.h"
#include "board/GameKeep.h"
#include "board/Goban.h"
#include "board/Hooks.h"
#include "engine/Reading.h"
#include "engine/Think.h"
#include "records/Log.h"

namespace vorn {

std::string FaultMessage(const std::exception& e)
{
    std::string what = e.what();
    if (dynamic_cast<const ERangeError*>(&e) != nullptr)
        what = Msg("Range check error (", "範囲チェックエラー（") + what + Msg(")", "）");
    return Msg("The operation was stopped by an error: ", "エラーのため操作を中止しました: ") + what;
}

std::string FaultMessage()
{
    return Msg("The operation was stopped by an unknown error.", "原因不明のエラーのため操作を中止しました。");
}

bool FaultRecover(const TGameKeep* keep)
{
    // Switches that are on only while a reader or a refinement runs.
    SichoYomiFlag = 0;
    RenSabun = 0;
    KankeiOff = 0;
    InSakiyomi = 0;
    SikatuYomiOn = 0;
    UrgentPassFlag = 0;
    HintMode = 0;
    bool repaired = false;
    try {
        YomiUnwind();
        if (keep != nullptr && keep->Changed()) {
            keep->Restore();
            repaired = true;
        }
        TGoban& b = *GobanLv[0];
        if (!b.CheckChains()) {
            b.RenMake();
            repaired = true;
        }
        b.Analyze();
    } catch (...) {
        // The analysis itself failed on this position: the chains at least
        // are the board's.
        Level = 0;
        try {
            GobanLv[0]->RenMake();
        } catch (...) {
        }
        repaired = true;
    }
    return repaired;
}

std::string FaultReport(const std::string& operation, const std::string& message)
{
    const TGoban& b = *GobanLv[0];
    return "VORN: " + operation + ": " + message + "\n" + (b.Tejun.NextColor() == kKuro ? "Black" : "White")
           + " to play after move " + std::to_string(b.Tejun.Current()) + "\n" + DiagramText(b);
}

void FaultLog(const std::string& report)
{
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
    if (LogMode)
        LogWrite(report);
}

} // namespace vorn
