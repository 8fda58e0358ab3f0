#pragma once
// The single-instance question the application asks at start-up, answered by
// the per-user instance lock.

namespace ostrel {

class InstanceLock;

// True when this copy may run: it holds the lock, or the lock could not be
// made at all (then one line on standard error says why, and the program
// runs rather than refusing to start). False when another copy holds it.
bool claimInstance(InstanceLock& lock);

}  // namespace ostrel
