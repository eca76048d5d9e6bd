#include "library/DecodeGate.h"

#include <QSemaphore>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The budget is counted in kilobytes, so that it fits a semaphore's int.
constexpr qint64 Unit = 1024;
// A decoding of at least this many units (256 MB) gives its memory back.
constexpr int LargeUnits = 256 * 1024;

QSemaphore &gate()
{
    static QSemaphore semaphore(int(DecodeGate::Budget / Unit));
    return semaphore;
}

} // namespace

DecodeGate::Pass::Pass(qint64 bytes)
    : m_units(int(qBound<qint64>(1, (bytes + Unit - 1) / Unit, DecodeGate::Budget / Unit)))
{
    gate().acquire(m_units);
}

DecodeGate::Pass::~Pass()
{
    gate().release(m_units);
#if defined(__GLIBC__)
    // The heap may be asked to keep what is freed (BufferReuse); the pages of
    // a decoding this large are handed back all the same, since the next
    // large block seldom fits the holes it leaves and the heap would hold
    // both.
    if (m_units >= LargeUnits)
        malloc_trim(0);
#endif
}
