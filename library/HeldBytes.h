#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>

// The bytes of an image file held in memory, shared by every copy of the
// frame or image row that holds them. Bytes taken through a ByteBudget count
// against it until the last copy lets them go; loose bytes count nowhere.
class HeldBytes
{
public:
    HeldBytes() = default;
    // Bytes that count against no budget (a record in transit, a worker's
    // own copy).
    static HeldBytes loose(const QByteArray &bytes);

    const QByteArray &bytes() const;
    bool isEmpty() const { return bytes().isEmpty(); }
    qint64 size() const { return bytes().size(); }
    void clear() { m_block.reset(); }

private:
    friend class ByteBudget;
    // Made in place only: a copy would give its count back twice.
    struct Block
    {
        Block(const QByteArray &bytes, std::shared_ptr<std::atomic<qint64>> total);
        Block(const Block &) = delete;
        Block &operator=(const Block &) = delete;
        ~Block();
        QByteArray bytes;
        std::shared_ptr<std::atomic<qint64>> total; // null for loose bytes
    };
    explicit HeldBytes(std::shared_ptr<const Block> block) : m_block(std::move(block)) {}
    std::shared_ptr<const Block> m_block;
};
