#include "library/HeldBytes.h"

HeldBytes::Block::Block(const QByteArray &b, std::shared_ptr<std::atomic<qint64>> t)
    : bytes(b), total(std::move(t))
{
    if (total)
        total->fetch_add(bytes.size());
}

HeldBytes::Block::~Block()
{
    if (total)
        total->fetch_sub(bytes.size());
}

HeldBytes HeldBytes::loose(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return HeldBytes();
    return HeldBytes(std::make_shared<const Block>(bytes, nullptr));
}

const QByteArray &HeldBytes::bytes() const
{
    static const QByteArray none;
    return m_block ? m_block->bytes : none;
}
