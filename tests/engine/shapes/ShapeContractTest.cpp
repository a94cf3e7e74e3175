// Every registered shape routine on random positions keeps the contract of
// the relation handlers, and answers the same in every orientation of the
// board.
#include "Util.h"
#include "engine/shapes/ShapeHarness.h"

namespace vorn::test {
namespace {

using ShapeContract = VornTest;

// Every registered handler must have met its kind at least once.
void ExpectAllCalled(const std::vector<int>& calls)
{
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_GT(calls[i], 0) << ContractHandlers()[i].name << " was never called";
}

TEST_F(ShapeContract, RandomPositions9)
{
    // Openings, fights and crowded boards.
    std::vector<int> calls;
    RunContract(9, 20, 30, 101, &calls);
    RunContract(9, 20, 60, 201, &calls);
    // Early positions, where stones stand three lines apart.
    RunContract(9, 20, 20, 401, &calls);
    ExpectAllCalled(calls);
}

TEST_F(ShapeContract, RandomPositions19)
{
    std::vector<int> calls;
    RunContract(19, 8, 150, 301, &calls);
    ExpectAllCalled(calls);
}

TEST_F(ShapeContract, Symmetry)
{
    for (const TSymmetryCase& c : SymmetryCases())
        RunSymmetry(c);
}

} // namespace
} // namespace vorn::test
