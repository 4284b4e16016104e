#pragma once
// Intrusive reference counting, the ownership model of every host and platform object: the
// count lives in the object, so a raw pointer handed across a thread or a module boundary can
// always be wrapped again without losing track of its owners.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace zt::base {

// The count itself, for classes that want AddRef/Release without writing them. The first
// reference is taken by whoever wraps the new object (RefCountedPtr or an explicit AddRef).
class RefCountedBase
{
public:
    RefCountedBase() = default;
    RefCountedBase(const RefCountedBase&) : m_refCount(0) {}
    RefCountedBase& operator=(const RefCountedBase&) { return *this; }

    std::uint32_t AddRef() const { return m_refCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    std::uint32_t Release() const
    {
        std::uint32_t left = m_refCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    std::uint32_t GetRefCount() const { return m_refCount.load(std::memory_order_relaxed); }

protected:
    virtual ~RefCountedBase() = default;

private:
    mutable std::atomic<std::uint32_t> m_refCount{0};
};

} // namespace zt::base

// A smart pointer over any type with AddRef() and Release(). It never creates a count of its
// own; copying takes a reference, destruction drops one.
template <class T>
class RefCountedPtr
{
public:
    using element_type = T;

    RefCountedPtr() noexcept = default;
    RefCountedPtr(std::nullptr_t) noexcept {}
    RefCountedPtr(T* p) noexcept : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    RefCountedPtr(const RefCountedPtr& o) noexcept : RefCountedPtr(o.m_p) {}
    RefCountedPtr(RefCountedPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    template <class U>
    RefCountedPtr(const RefCountedPtr<U>& o) noexcept : RefCountedPtr(o.get())
    {}
    template <class U>
    RefCountedPtr(RefCountedPtr<U>&& o) noexcept : m_p(o.release())
    {}
    ~RefCountedPtr()
    {
        if (m_p)
            m_p->Release();
    }

    RefCountedPtr& operator=(const RefCountedPtr& o) noexcept
    {
        RefCountedPtr(o).swap(*this);
        return *this;
    }
    RefCountedPtr& operator=(RefCountedPtr&& o) noexcept
    {
        RefCountedPtr(std::move(o)).swap(*this);
        return *this;
    }
    RefCountedPtr& operator=(T* p) noexcept
    {
        RefCountedPtr(p).swap(*this);
        return *this;
    }
    RefCountedPtr& operator=(std::nullptr_t) noexcept
    {
        RefCountedPtr().swap(*this);
        return *this;
    }

    T* get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    T& operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    bool IsValid() const noexcept { return m_p != nullptr; }
    bool IsNull() const noexcept { return m_p == nullptr; }

    // Gives up the reference without dropping it; the caller now owns one count.
    T* release() noexcept { return std::exchange(m_p, nullptr); }
    void swap(RefCountedPtr& o) noexcept { std::swap(m_p, o.m_p); }

    friend bool operator==(const RefCountedPtr& a, const RefCountedPtr& b)
    {
        return a.m_p == b.m_p;
    }
    friend bool operator==(const RefCountedPtr& a, std::nullptr_t) { return a.m_p == nullptr; }
    friend bool operator<(const RefCountedPtr& a, const RefCountedPtr& b) { return a.m_p < b.m_p; }

private:
    T* m_p = nullptr;
};

// Wraps an object and, for types derived from RefCountedBase, is the usual way to create one:
// auto p = MakeRefCounted<Foo>(args...);
template <class T, class... Args>
RefCountedPtr<T> MakeRefCounted(Args&&... args)
{
    return RefCountedPtr<T>(new T(std::forward<Args>(args)...));
}
