#pragma once
// Reading a long history a batch of lines at a time: the lines of a batch are
// read ahead, on the calling thread or a second one, and then read in order on
// the calling thread; not for the windows.

#include "engine/history/DrawImport.h"

#include <cstddef>
#include <functional>

namespace pick3::importing {

struct BatchPlan {
    // Batches of about this many bytes, each to the end of the line its bytes end in.
    std::size_t bytes = 256 * 1024;
    bool secondThread = false;
};

// The plan for a text of this many bytes: batches small enough that both
// threads have work to the end, large enough that handing them over costs
// little; a second thread where the machine has a second core.
BatchPlan batchPlanFor(std::size_t textBytes);

// recognizeDraws with batches of the caller's choosing: the result is the same
// for every plan.
Result<ImportResult> recognizeDraws(std::string_view utf8, const ImportChoices& choices,
                                    const ImportProgress& progress, const BatchPlan& plan);

// Calls ahead(batch, slot) once for each batch from 0 to count - 1, on this
// thread or on a second one, and inOrder(batch, slot) on this thread, batch
// after batch, each after its ahead has returned. A batch has its slot (below
// `slots`) to itself from its ahead until its inOrder returns. Stops after the
// first inOrder that returns false, and returns false then; an exception thrown
// by either is thrown here, once the second thread has stopped.
bool aheadThenInOrder(std::size_t count, std::size_t slots, bool secondThread,
                      const std::function<void(std::size_t batch, std::size_t slot)>& ahead,
                      const std::function<bool(std::size_t batch, std::size_t slot)>& inOrder);

} // namespace pick3::importing
