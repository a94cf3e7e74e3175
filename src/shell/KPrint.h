// KifuPrint: the game printed in the classic record form.  A header with the
// game information, the board with every stone played labelled with its move
// number (the stones that stood before the first move labelled 0), and below
// the board the list of moves played where an earlier stone had stood, each
// followed by the bracketed stone whose number the board shows there.  Moves
// 1 to the move shown are printed.
//
// Coordinates are pixels of a page at 300 dots per inch, so the page looks
// the same on every printer and in a PDF.  The layout is worked out first
// (KifuPrintLayout); the pages are then drawn through a TPrintCanvas.  The
// list goes on over further pages when it does not fit below the board.
#pragma once

#include <string>
#include <vector>

#include "board/Array.h"
#include "board/Hooks.h"

namespace vorn {

class TTejun;

// The surface the record is printed on: page pixels at 300 dpi, colours as
// $BBGGRR.  Rectangles cover left..right-1, top..bottom-1.
class TPrintCanvas {
public:
    virtual ~TPrintCanvas() = default;
    virtual void FillRect(int left, int top, int right, int bottom, int colour) = 0;
    // An unfilled rectangle drawn with a pen of the width.
    virtual void FrameRect(int left, int top, int right, int bottom, int colour, int penWidth) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, int colour, int penWidth) = 0;
    // A filled ellipse inside the rectangle, outlined with a pen of the width.
    virtual void Ellipse(int left, int top, int right, int bottom, int pen, int penWidth, int brush) = 0;
    // UTF-8 text in a font of the size in points, its top at y, no background.
    virtual void Text(int x, int y, const std::string& text, int points, bool bold, int colour) = 0;
};

// Cells and the page's fixed places, in page pixels.
constexpr int kPrintCell = 92;
constexpr int kPrintOrgY = 560;
constexpr int kPrintDpi = 300;

// A move played on a point where a stone already stood: its number and the
// number printed on the board there, with the colour of each stone.
struct TPrintOver {
    int Te = 0;
    int TeColor = 0;
    int Prev = 0;
    int PrevColor = 0;
    // Where the entry is printed: its page (1 first) and the corner of its
    // first stone.
    int Page = 1;
    int X = 0;
    int Y = 0;
};

struct TKifuPrintLayout {
    int Size = 19;
    int PageWidth = 0;
    int PageHeight = 0;
    int PrintOrgX = 0;
    int PrintOrgY = kPrintOrgY;
    int Pages = 1;
    // [x][y]: colour of the stone printed (0 none, 1 black, 2 white) and its
    // number (0 for a stone that stood before the first move).
    Grid<int, 1, 19> PrintIsiMap{};
    Grid<int, 1, 19> PrintBangoMap{};
    std::vector<TPrintOver> Over;
    // The four header lines.
    std::string Header[4];
};

// The print job's title.
extern const char* const kKifuPrintTitle;

// The layout of moves 1 to t.Current() on a board of the size whose stones
// before the first move are setup ([x][y]: 0, 1 black, 2 white), on a page
// of pageWidth x pageHeight pixels at 300 dpi.
TKifuPrintLayout KifuPrintLayout(const TTejun& t, int size, const Grid<unsigned char, 1, 19>& setup,
                                 const TKifuHeader& header, int pageWidth, int pageHeight);
// The stones of board 0 before the first move: the handicap of the size and
// the setup stones of the record.
Grid<unsigned char, 1, 19> StonesBeforeFirstMove(int size, int handicap);

// Draws page 1..layout.Pages.
void KifuPrintPage(const TKifuPrintLayout& layout, TPrintCanvas& canvas, int page);

} // namespace vorn
