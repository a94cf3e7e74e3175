#include "ShellUtil.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

namespace vorn::test {

namespace fs = std::filesystem;

std::string SourceData(const std::string& name)
{
    const char* src = std::getenv("VORN_SOURCE_DIR");
    return std::string(src != nullptr ? src : ".") + "/data/" + name;
}

void NewHumanGame(TMainCtl& ctl)
{
    ctl.Click("mnuNew");
    ConfirmHumanGame(ctl);
}

void ConfirmHumanGame(TMainCtl& ctl)
{
    TGameInfo& d = ctl.GameInfo;
    if (!d.Visible || GameInfoLock != 1)
        return;
    d.cmbBlackPlayer.Text = d.cmbBlackPlayer.Items.at(0);
    d.cmbWhitePlayer.Text = d.cmbWhitePlayer.Items.at(0);
    d.btnOKClick();
}

void ShellTest::SetUp()
{
    VornTest::SetUp();
    // The link windows listen on a port the system picks, never on the
    // program's own.
    TcpReset();
    TcpPort = 0;
    NngsConnected = 0;
    char tmpl[] = "/tmp/vorn-shell-XXXXXX";
    root_ = mkdtemp(tmpl);
    configDir = root_ + "/config";
    exeDir = root_ + "/bin/";
    fs::create_directories(configDir);
    fs::create_directories(exeDir);
    setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
    for (const char* f : {"ENGLISH.INI", "JAPANESE.INI", "CHINESE.INI"})
        fs::copy_file(SourceData(f), exeDir + f);
    // The joseki dictionaries are compiled by the build beside the tests.
    const fs::path built = fs::read_symlink("/proc/self/exe").parent_path();
    for (const char* f : {"VORN5F.JSK", "VORN5J.JSK", "Vorn9.jsk"}) {
        std::error_code ec;
        fs::copy_file(built / f, exeDir + f, ec);
    }
}

void ShellTest::TearDown()
{
    std::error_code ec;
    if (!savedCwd_.empty())
        fs::current_path(savedCwd_, ec);
    fs::remove_all(root_, ec);
    VornTest::TearDown();
}

std::string ShellTest::EnterFolder(const std::string& name)
{
    if (savedCwd_.empty())
        savedCwd_ = fs::current_path().string();
    const std::string dir = exeDir + name;
    fs::create_directories(dir);
    fs::current_path(dir);
    return dir;
}

std::string ShellTest::IniFile() const { return configDir + "/vorn/VORN.INI"; }

void ShellTest::WriteIni(const std::string& text) const
{
    fs::create_directories(configDir + "/vorn");
    WriteText(IniFile(), text);
}

std::string ShellTest::ReadText(const std::string& path) const
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void ShellTest::WriteText(const std::string& path, const std::string& text) const
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

void CtlTest::Start(const std::string& ini)
{
    if (!ini.empty())
        WriteIni(ini);
    view.soundOn = &ctl.SoundOn;
    ctl.FormCreate(exeDir, {});
}

std::string CtlTest::OpenRecord(const std::string& name, const std::string& text)
{
    const std::string path = exeDir + name;
    WriteText(path, text);
    prompt.files.push_back(path);
    ctl.Click("mnuOpen");
    ConfirmHumanGame(ctl);
    return path;
}

std::string CtlTest::Controls() const
{
    auto all = [this](std::initializer_list<const char*> names) {
        int on = 0;
        for (const char* n : names)
            on += ctl.Item(n).enabled ? 1 : 0;
        if (on != 0 && on != static_cast<int>(names.size()))
            return std::string("?");
        return std::string(on != 0 ? "1" : "0");
    };
    return all({"btnFirst", "mnuFirst", "btnPrev10", "mnuPrev10", "btnPrev", "mnuPrev"}) + " "
           + all({"btnNext", "mnuNext", "btnNext10", "mnuNext10", "btnLast", "mnuLast"}) + " " + all({"mnuDel"});
}

void WindowTest::TearDown()
{
    form.reset();
    ShellTest::TearDown();
}

void WindowTest::Open(int size, const std::string& gobanIni, const std::string& moreIni)
{
    WriteIni("[Goban]\nSize=" + std::to_string(size) + "\n" + gobanIni + moreIni);
    form = std::make_unique<TSDIAppForm>(std::vector<std::string>{}, &prompt, exeDir);
    form->resize(620, 700);
    form->show();
    QApplication::processEvents();
}

QImage WindowTest::Grab()
{
    QApplication::processEvents();
    return form->Client()->grab().toImage();
}

int WindowTest::At(const QImage& img, int x, int y, int dx, int dy)
{
    // On a scaled screen the grabbed picture has more pixels than the window.
    const TBanDraw& b = form->Ctl().Ban;
    const double r = img.devicePixelRatio();
    const auto px = [r](int logical) { return static_cast<int>(logical * r); };
    return BgrFromColor(img.pixelColor(px(b.CellLeft(x) + b.BanHalf + dx), px(b.CellTop(y) + b.BanHalf + dy)));
}

void WindowTest::Click(int x, int y, Qt::MouseButton button)
{
    const TBanDraw& b = form->Ctl().Ban;
    ClickPixel(b.CellLeft(x) + b.BanHalf, b.CellTop(y) + b.BanHalf, button);
}

void WindowTest::ClickPixel(int px, int py, Qt::MouseButton button)
{
    const QPointF at(px, py);
    QMouseEvent press(QEvent::MouseButtonPress, at, form->Client()->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(form->Client(), &press);
}

} // namespace vorn::test
