// Program-wide state of the core (board model, engine, records).
#pragma once

namespace vorn {

// Puts every program-wide variable of the core back to its start-up value:
// eleven empty 19x19 boards at level 0, silent shell hooks, default flags.
// Every test fixture calls it; the program calls it once at start-up.
void ResetProgramState();

} // namespace vorn
