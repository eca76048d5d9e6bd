#pragma once

#include "platform/ThreadHandoff.h"

#include <QAtomicInt>
#include <QFuture>
#include <QFutureInterface>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>

namespace PoolMap {

// Runs `task(future, i)` for every i below `count` on `pool`, then ends the
// returned future; tasks not begun when it is cancelled skip their work.
template <typename Result, typename Task>
QFuture<Result> forEach(QThreadPool &pool, int count, const Task &task)
{
    QFutureInterface<Result> future;
    future.reportStarted();
    if (count == 0) {
        future.reportFinished();
        return future.future();
    }
    const auto left = std::make_shared<QAtomicInt>(count);
    for (int i = 0; i < count; ++i) {
        std::function<void()> run = [future, left, i, task]() mutable {
            ThreadHandoff::takeOver();
            if (!future.isCanceled())
                task(future, i);
            if (!left->deref())
                future.reportFinished();
        };
        ThreadHandoff::handOver();
        pool.start(std::move(run));
    }
    return future.future();
}

// A result on its way to the receiver's thread, with what delivers it. The
// last copy may go on either thread (the call made, or dropped with its
// receiver gone): whichever it is takes over what the other did first.
template <typename Result>
struct Delivery
{
    std::function<void(int, const Result &)> deliver;
    int index;
    std::shared_ptr<const Result> result;
    ~Delivery() { ThreadHandoff::takeOver(); }
    void operator()() const
    {
        ThreadHandoff::takeOver();
        deliver(index, *result);
        ThreadHandoff::handOver();
    }
};

} // namespace PoolMap

// QtConcurrent::mapped on a pool of the caller's own: result i of the
// returned future is work(inputs[i]), reported as soon as it is made;
// cancelling the future skips the inputs not yet begun. Long decodings run on
// such a pool, never on Qt's global one: Qt hands the global pool short
// tasks of its own (a large image smoothly scaled on the GUI thread waits
// for them), which must not queue behind seconds of decoding.
template <typename Result, typename Input>
QFuture<Result> mappedOnPool(QThreadPool &pool, const QList<Input> &inputs,
                             const std::function<Result(const Input &)> &work)
{
    return PoolMap::forEach<Result>(pool, inputs.size(), [inputs, work](QFutureInterface<Result> &future, int i) {
        future.reportResult(work(inputs.at(i)), i);
    });
}

// The same work, but each result goes to `deliver(i, result)` on the thread
// of `receiver` as soon as it is made, and the future (which only tells
// progress, cancelling and the end) keeps none: a batch of large results
// (a file's bytes beside each preview) holds each only until it is
// delivered. `receiver` must outlive the tasks, as it does when the pool is
// its member (the pool's end waits for them). Results are delivered before
// the future's end is announced.
template <typename Result, typename Input>
QFuture<void> deliveredOnPool(QThreadPool &pool, const QList<Input> &inputs,
                              const std::function<Result(const Input &)> &work, QObject *receiver,
                              const std::function<void(int, const Result &)> &deliver)
{
    return PoolMap::forEach<void>(pool, inputs.size(), [inputs, work, receiver, deliver](QFutureInterface<void> &,
                                                                                          int i) {
        const PoolMap::Delivery<Result> delivery{deliver, i, std::make_shared<const Result>(work(inputs.at(i)))};
        ThreadHandoff::handOver();
        QMetaObject::invokeMethod(receiver, delivery, Qt::QueuedConnection);
    });
}
