#pragma once

#include "library/HeldBytes.h"

#include <atomic>
#include <memory>

// The memory budget for image-file bytes of one document: the selection
// list and the page frames keep a file's bytes only while fewer than
// `Limit` bytes are held (the file that crosses the limit is still kept),
// and previews are decoded smaller once the budget is spent. The count is
// exact: it falls when the last copy of a held block goes.
class ByteBudget
{
public:
    static constexpr qint64 Limit = 50000000;

    ByteBudget() = default;
    ByteBudget(const ByteBudget &) = delete;
    ByteBudget &operator=(const ByteBudget &) = delete;

    // `bytes` held against the budget, or an empty handle when it is spent.
    // Bytes already held by this budget are shared, not counted twice.
    HeldBytes hold(const HeldBytes &bytes);
    HeldBytes hold(const QByteArray &bytes);

    qint64 total() const { return m_total->load(); }
    bool spent() const { return total() > Limit; }
    // Preview width: 500 pixels, 250 once the budget is spent.
    int previewWidth() const { return spent() ? 250 : 500; }

private:
    std::shared_ptr<std::atomic<qint64>> m_total = std::make_shared<std::atomic<qint64>>(0);
};
