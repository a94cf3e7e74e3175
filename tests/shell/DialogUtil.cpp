#include "DialogUtil.h"

namespace vorn::test {

void DialogTest::TearDown()
{
    if (ctl)
        ctl->FormClose();
    ctl.reset();
    ShellTest::TearDown();
}

void DialogTest::Start(const std::string& ini)
{
    if (!ini.empty())
        WriteIni(ini);
    ctl = std::make_unique<TMainCtl>(view, canvas, prompt);
    view.ctl = ctl.get();
    ctl->FormCreate(exeDir, {});
}

void DialogTest::Restart()
{
    ctl->FormClose();
    ctl.reset();
    ResetProgramState();
    Start();
}

void DialogTest::Play(int x, int y) { ASSERT_TRUE(ctl->BanUtu(x, y, 0)) << x << "," << y; }

void DialogTest::Type(const std::string& text)
{
    ctl->CommntF.Memo = text;
    ctl->CommntF.Modified = true;
}

} // namespace vorn::test
