#pragma once

#include <QFuture>
#include <QPromise>
#include <QThreadPool>
#include <memory>

// Runs `work` on the program's thread pool and returns the future of its result; watch it
// with a QFutureWatcher to have the result delivered on the owner's thread. Whatever `work`
// needs it must hold by value, since its caller may be gone before it ends.
template <class Result, class Work> QFuture<Result> runInBackground(Work work) {
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, work = std::move(work)]() mutable {
        promise->addResult(work());
        promise->finish();
    });
    return future;
}
