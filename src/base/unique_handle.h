// A move-only owner of a handle with a close function: the shape of every RAII handle of
// the program. Platform-free: the close functions come from the code that uses it.
#pragma once

#include <utility>

// A handle with a close function, move-only.
template <class H, class Closer>
class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(H h) : m_h(h) {}
    ~CUniqueHandle() { Reset(); }
    CUniqueHandle(CUniqueHandle&& o) noexcept : m_h(o.Release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& o) noexcept
    {
        if (this != &o)
            Reset(o.Release());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    H Get() const { return m_h; }
    operator H() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    H Release() { return std::exchange(m_h, H{}); }
    void Reset(H h = H{})
    {
        if (m_h)
            Closer()(m_h);
        m_h = h;
    }

private:
    H m_h{};
};
