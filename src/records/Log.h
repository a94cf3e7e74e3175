// The engine's trace log, written only while the trace switch (LogMode) is
// on, which the main window keeps equal to developer mode (its developer
// menu shown): "log.txt" holds the trace of the last move choice, and each
// look-ahead run leaves a file named after the game and the move number.
// Every write opens and closes its file, so the trace is complete after every
// line.  A file that cannot be opened is skipped silently: the engine never
// depends on its trace.
#pragma once

#include <string>

#include "board/Point.h"

namespace vorn {

// Name of the per-game trace file made by the last LogNewGameFile.
extern std::string LogGameFileName;

// Creates or empties "log.txt" in the current directory.
void LogClear();
// Names the per-game trace file after the game and the move about to be
// chosen (game name, "_", move number, ".txt") and creates or empties it.
void LogNewGameFile();
// Appends the text and a line end to "log.txt".
void LogWrite(const std::string& text);
// Appends the text to the per-game trace file, with a line end when asked.
void LogWriteGame(const std::string& text, bool newLine);
// Appends the text (and a line end when asked) to the named file.
void LogAppend(const std::string& text, const std::string& fileName, bool newLine);

// The point as the trace writes it: "<x,y>", a pass as "<0,0>".  Works
// whether the trace is on or not.
void ItiToStr(Point p, std::string& out);
std::string ItiToStr(Point p);

void LogReset();

} // namespace vorn
