#pragma once

// The threads that puzzle generation runs on; internal to the supply.
//
// One process-wide pool of at most four threads, one per difficulty. Its
// threads run below the interface's priority. The pool lives until the end of
// the process, so a task never outlives the threads it runs on even when its
// supply is long gone; at exit it raises the stop flag of every task still
// running and waits for them, which takes one generation step, not a whole
// generation.

#include <atomic>
#include <functional>
#include <memory>

namespace pondrel::detail {

// Runs `task` on a pool thread at reduced priority. `stop` is the flag the
// task checks; the pool raises it too when the process exits.
void startGeneration(std::shared_ptr<std::atomic<bool>> stop, std::function<void()> task);

// Queues `function` to run on the thread that first called startGeneration()
// (the main thread), in its event loop. Safe to call from any thread while
// the process runs.
void postToOwnerThread(std::function<void()> function);

} // namespace pondrel::detail
