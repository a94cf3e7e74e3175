// After a run-time error: an error (a range error of an array, a failed
// conversion, a fault of a reader) ends the operation that raised it, and
// the program goes on from the game as it was.  The shell's error display
// and the engine's turn come here to put the program back and to say what
// happened.
#pragma once

#include <exception>
#include <string>

namespace vorn {

class TGameKeep;

// The message of an error in the selected language.
std::string FaultMessage(const std::exception& e);
// The same for an error that is no std::exception.
std::string FaultMessage();

// Puts the program back at the game: every reader's switch off, the
// look-ahead unwound to level 0, board 0 and its record as kept (when a keep
// is given and they changed), the chains of board 0 rebuilt when they
// disagree with its stones, and board 0 analysed again.  Throws nothing: an
// analysis that fails again leaves the rebuilt chains.  True when board 0
// had to be put back or its chains rebuilt.
bool FaultRecover(const TGameKeep* keep = nullptr);

// What went wrong where, with board 0 as a diagram (GTP coordinates) and the
// side to move: for the trace log and the error stream.
std::string FaultReport(const std::string& operation, const std::string& message);
// Writes the report to the error stream, and to the trace log while it is on.
void FaultLog(const std::string& report);

} // namespace vorn
