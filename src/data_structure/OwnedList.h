#pragma once

#include <QtGlobal>
#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// An ordered list that owns its elements, each in an allocation of its own.
// Pointers to elements are handed to the GUI and to worker threads, so an
// element never moves while others are added or removed, and the list
// itself cannot be copied (a copy would either duplicate or double-own the
// elements behind those pointers). It can be moved.
//
// The interface follows Qt's list naming so that code reads like code over
// a QList, but iteration yields references to the elements.
template <typename T>
class OwnedList
{
    using Storage = std::vector<std::unique_ptr<T>>;

public:
    template <typename Ptr, typename Ref, typename BaseIt>
    class Iter
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Ptr;
        using reference = Ref;

        Iter() = default;
        explicit Iter(BaseIt it) : m_it(it) {}
        Ref operator*() const { return **m_it; }
        Ptr operator->() const { return m_it->get(); }
        Ref operator[](difference_type n) const { return *m_it[n]; }
        Iter& operator++() { ++m_it; return *this; }
        Iter operator++(int) { Iter t(*this); ++m_it; return t; }
        Iter& operator--() { --m_it; return *this; }
        Iter operator--(int) { Iter t(*this); --m_it; return t; }
        Iter& operator+=(difference_type n) { m_it += n; return *this; }
        Iter& operator-=(difference_type n) { m_it -= n; return *this; }
        Iter operator+(difference_type n) const { return Iter(m_it + n); }
        Iter operator-(difference_type n) const { return Iter(m_it - n); }
        difference_type operator-(const Iter& o) const { return m_it - o.m_it; }
        bool operator==(const Iter& o) const { return m_it == o.m_it; }
        bool operator!=(const Iter& o) const { return m_it != o.m_it; }
        bool operator<(const Iter& o) const { return m_it < o.m_it; }

    private:
        BaseIt m_it{};
    };

    using iterator = Iter<T*, T&, typename Storage::iterator>;
    using const_iterator = Iter<const T*, const T&, typename Storage::const_iterator>;

    OwnedList() = default;
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;
    OwnedList(OwnedList&&) noexcept = default;
    OwnedList& operator=(OwnedList&&) noexcept = default;
    ~OwnedList() = default;

    int size() const { return int(m_items.size()); }
    int count() const { return size(); }
    int length() const { return size(); }
    bool isEmpty() const { return m_items.empty(); }
    bool empty() const { return m_items.empty(); }
    void reserve(int n) { m_items.reserve(size_t(std::max(0, n))); }

    T& operator[](int i) { Q_ASSERT(i >= 0 && i < size()); return *m_items[size_t(i)]; }
    const T& operator[](int i) const { Q_ASSERT(i >= 0 && i < size()); return *m_items[size_t(i)]; }
    const T& at(int i) const { return (*this)[i]; }
    T& first() { return (*this)[0]; }
    const T& first() const { return (*this)[0]; }
    T& last() { return (*this)[size() - 1]; }
    const T& last() const { return (*this)[size() - 1]; }

    // The element's stable address, or null for an index out of range.
    T* ptr(int i) const { return (i >= 0 && i < size()) ? m_items[size_t(i)].get() : nullptr; }
    // Position of the element at that address, -1 when it is not here.
    int indexOf(const T* p) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].get() == p)
                return int(i);
        return -1;
    }
    bool containsPtr(const T* p) const { return indexOf(p) >= 0; }

    // Adding returns the new element's stable address.
    T* append(std::unique_ptr<T> p) { m_items.push_back(std::move(p)); return m_items.back().get(); }
    T* append(T&& v) { return append(std::make_unique<T>(std::move(v))); }
    T* append(const T& v) { return append(std::make_unique<T>(v)); }
    template <typename... Args>
    T* emplaceBack(Args&&... args) { return append(std::make_unique<T>(std::forward<Args>(args)...)); }
    T* insert(int i, std::unique_ptr<T> p)
    {
        i = std::clamp(i, 0, size());
        return m_items.insert(m_items.begin() + i, std::move(p))->get();
    }

    // Removing destroys the element.
    void removeAt(int i) { if (i >= 0 && i < size()) m_items.erase(m_items.begin() + i); }
    void removeFirst() { removeAt(0); }
    void removeLast() { removeAt(size() - 1); }
    // Hands the element over to the caller instead.
    std::unique_ptr<T> takeAt(int i)
    {
        if (i < 0 || i >= size())
            return nullptr;
        std::unique_ptr<T> p = std::move(m_items[size_t(i)]);
        m_items.erase(m_items.begin() + i);
        return p;
    }
    // Keeps the first n elements and destroys the rest.
    void truncate(int n) { if (n >= 0 && n < size()) m_items.erase(m_items.begin() + n, m_items.end()); }
    void clear() { m_items.clear(); }
    // Moves element from to position to; addresses stay valid.
    void move(int from, int to)
    {
        if (from < 0 || from >= size() || to < 0 || to >= size() || from == to)
            return;
        std::unique_ptr<T> p = std::move(m_items[size_t(from)]);
        m_items.erase(m_items.begin() + from);
        m_items.insert(m_items.begin() + to, std::move(p));
    }

    iterator begin() { return iterator(m_items.begin()); }
    iterator end() { return iterator(m_items.end()); }
    const_iterator begin() const { return const_iterator(m_items.cbegin()); }
    const_iterator end() const { return const_iterator(m_items.cend()); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

private:
    Storage m_items;
};
