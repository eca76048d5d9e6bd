#pragma once

#include <QAtomicInt>
#include <QFuture>
#include <QFutureInterface>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>

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
    QFutureInterface<Result> future;
    future.reportStarted();
    if (inputs.isEmpty()) {
        future.reportFinished();
        return future.future();
    }
    const auto left = std::make_shared<QAtomicInt>(inputs.size());
    for (int i = 0; i < inputs.size(); ++i) {
        const Input input = inputs.at(i);
        pool.start([future, left, i, input, work]() mutable {
            if (!future.isCanceled())
                future.reportResult(work(input), i);
            if (!left->deref())
                future.reportFinished();
        });
    }
    return future.future();
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
    QFutureInterface<void> future;
    future.reportStarted();
    if (inputs.isEmpty()) {
        future.reportFinished();
        return future.future();
    }
    const auto left = std::make_shared<QAtomicInt>(inputs.size());
    for (int i = 0; i < inputs.size(); ++i) {
        const Input input = inputs.at(i);
        pool.start([future, left, i, input, work, receiver, deliver]() mutable {
            if (!future.isCanceled()) {
                const Result result = work(input);
                QMetaObject::invokeMethod(receiver, [deliver, i, result] { deliver(i, result); }, Qt::QueuedConnection);
            }
            if (!left->deref())
                future.reportFinished();
        });
    }
    return future.future();
}
