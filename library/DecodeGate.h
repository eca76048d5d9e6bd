#pragma once

#include <QtGlobal>

// The memory all decodings of the process take at once: each decoding
// reserves what it will take (DecodeGate::Pass) before its reader allocates,
// and waits while others hold too much for it. Readers that cannot decode at
// a reduced size keep full-size copies, so two of them on two threads could
// otherwise hold several gigabytes.
class DecodeGate
{
public:
    // The most one decoding may take, and all of them together.
    static constexpr qint64 Budget = qint64(1) << 30;

    // Holds `bytes` of the budget (at most the whole) while it lives.
    class Pass
    {
    public:
        explicit Pass(qint64 bytes);
        ~Pass();
        Pass(const Pass &) = delete;
        Pass &operator=(const Pass &) = delete;

    private:
        int m_units;
    };
};
