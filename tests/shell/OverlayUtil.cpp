#include "OverlayUtil.h"

#include <cstdlib>

#include "GnuGo.h"

namespace vorn::test {

bool PlayRandomWithGnuGo(GnuGo& gg)
{
    const int c = GobanLv[0]->Tejun.NextColor();
    const Point p = RandomMove(*GobanLv[0]);
    if (p.x == 0)
        return false;
    EXPECT_EQ(GobanLv[0]->Utu(p.x, p.y), kUtuOk);
    gg.Command(std::string("play ") + (c == kKuro ? "black " : "white ") + gg.Vertex(p));
    return true;
}

void OverlayTest::Start(int size, const std::string& form)
{
    WriteIni("[Goban]\nSize=" + std::to_string(size) + "\n[Form]\nLanguage=1\n" + form);
    view.soundOn = &ctl.SoundOn;
    canvas.Resize(view.ClientWidth(), view.ClientHeight());
    ctl.FormCreate(exeDir, {});
    Repaint();
}

void OverlayTest::Position(const std::string& diagram)
{
    SetBoard(diagram);
    GobanLv[0]->Analyze();
    Repaint();
}

void OverlayTest::Repaint()
{
    ctl.FormPaint();
    canvas.texts.clear();
    canvas.lines.clear();
}

int OverlayTest::At(Point p, int dx, int dy) const
{
    const TBanDraw& b = ctl.Ban;
    return BgrFromColor(canvas.Image().pixelColor(b.CellLeft(p.x) + b.BanHalf + dx, b.CellTop(p.y) + b.BanHalf + dy));
}

bool OverlayTest::Near(Point p, int dx, int dy, int colour) const
{
    const int got = At(p, dx, dy);
    for (int shift : {0, 8, 16})
        if (std::abs(((got >> shift) & 0xFF) - ((colour >> shift) & 0xFF)) > 64)
            return false;
    return true;
}

int OverlayTest::Count(Point p, int colour, int x0, int y0, int x1, int y1) const
{
    const TBanDraw& b = ctl.Ban;
    int n = 0;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            n += BgrFromColor(canvas.Image().pixelColor(b.CellLeft(p.x) + x, b.CellTop(p.y) + y)) == colour;
    return n;
}

std::vector<std::string> OverlayTest::TextsIn(Point p) const
{
    const TBanDraw& b = ctl.Ban;
    std::vector<std::string> out;
    for (const auto& t : canvas.texts)
        if (t.x >= b.CellLeft(p.x) && t.x < b.CellLeft(p.x) + b.BanPitch && t.y >= b.CellTop(p.y)
            && t.y < b.CellTop(p.y) + b.BanPitch)
            out.push_back(t.text + " " + std::to_string(t.colour));
    return out;
}

std::vector<std::string> OverlayTest::Texts() const
{
    std::vector<std::string> out;
    for (const auto& t : canvas.texts) {
        Point p;
        ctl.Ban.PixelToPoint(t.x, t.y, p);
        out.push_back(std::to_string(p.x) + "," + std::to_string(p.y) + " " + t.text + " "
                      + std::to_string(t.colour));
    }
    return out;
}

} // namespace vorn::test
