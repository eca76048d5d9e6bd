#pragma once

// Hand-overs between threads that go through Qt's own locks (a task queued
// on a thread pool, a call queued to another thread), told to
// ThreadSanitizer: Qt is not built with it, so it does not see them and
// would take what the receiving thread reads for a race. Nothing in other
// builds.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#endif

namespace ThreadHandoff {

// The key of every hand-over: what is handed over is read by the receiving
// thread before it could name a key of its own.
inline void *key()
{
    static char one = 0;
    return &one;
}

// What this thread wrote so far is handed over...
inline void handOver()
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(key());
#endif
}

// ...and seen by the thread that takes it over.
inline void takeOver()
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(key());
#endif
}

} // namespace ThreadHandoff
