#pragma once
#include <atomic>
#include <functional>

// Work cut into numbered items and shared out over the machine's cores. The
// helper threads are started once and wait for work between calls: starting
// a thread, and giving it fresh memory for its stack, costs as much as the
// work of many items. They keep nothing of one call for the next.
namespace basic {

// One thread for each core, or one when the number of cores cannot be told.
unsigned MachineThreads();

// The threads to share count items of work on: requested when it is not 0,
// else MachineThreads() but no more than leave each at least minItems.
unsigned ThreadsFor(unsigned requested, long count, long minItems);

// Runs work(worker, item) for the items 0 .. count - 1 on up to `threads`
// threads, the calling thread among them (worker 0; the others are numbered
// below threads). Each takes the next item not yet taken, so one that the
// machine holds up delays the rest by one item at most, and where a helper
// cannot be had the others do its share. work returns false when no item
// after its own is wanted: later ones not yet taken are then left alone.
// Returns when every item taken is done.
void ForEachItem(long count, unsigned threads, const std::function<bool(unsigned worker, long item)>& work);

// Lowers value to candidate unless it already is lower, whatever the other
// threads do to it meanwhile.
void LowerTo(std::atomic<long>& value, long candidate);

}  // namespace basic
