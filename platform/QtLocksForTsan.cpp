// Built into the tests of the ThreadSanitizer build only. Qt is not built
// with ThreadSanitizer, so the locking of a QMutex is not seen by it; the
// lock and unlock called from code built here (the future templates that
// hand a worker's result over: QFutureInterface<T>::reportResult and
// QFuture<T>::result) take these, which call Qt's own and tell the
// sanitizer.
#include <QMutex>

#include <dlfcn.h>

extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);

namespace {

template <typename Method>
Method qtOwn(const char *symbol)
{
    static_assert(sizeof(Method) == 2 * sizeof(void *), "a member function pointer");
    void *const address = dlsym(RTLD_NEXT, symbol);
    Method method;
    const void *parts[2] = {address, nullptr};
    static_assert(sizeof(parts) == sizeof(method));
    __builtin_memcpy(&method, parts, sizeof(method));
    return method;
}

using Lock = void (QMutex::*)() QT_MUTEX_LOCK_NOEXCEPT;
using Unlock = void (QMutex::*)() noexcept;

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const Lock own = qtOwn<Lock>("_ZN6QMutex4lockEv");
    (this->*own)();
    __tsan_acquire(this);
}

void QMutex::unlock() noexcept
{
    static const Unlock own = qtOwn<Unlock>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    (this->*own)();
}
