#pragma once

#include <QAtomicInt>
#include <QFuture>
#include <QFutureInterface>
#include <QList>
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
