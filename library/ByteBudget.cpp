#include "library/ByteBudget.h"

HeldBytes ByteBudget::hold(const HeldBytes &bytes)
{
    if (bytes.m_block && bytes.m_block->total == m_total)
        return bytes;
    return hold(bytes.bytes());
}

HeldBytes ByteBudget::hold(const QByteArray &bytes)
{
    if (bytes.isEmpty() || spent())
        return HeldBytes();
    return HeldBytes(std::make_shared<const HeldBytes::Block>(bytes, m_total));
}
