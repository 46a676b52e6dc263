#pragma once

#include "avl_array/avl_array_exceptions.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>

// A sequence with logarithmic access by position, insertion and erasure anywhere.
//
// The elements live in a rank-counted AVL tree whose nodes are also chained, in sequence
// order, into a circular doubly linked list. The container object itself is the list's
// anchor and the tree's sentinel (the "dummy"): it is the end position, its only child
// (slot 0) is the root, and its parent link is null, which is how any upward walk knows
// it has arrived.
//
//            dummy (end)  m_count = size + 1, m_height = tree height + 1
//              |
//            root
//           /    \        m_next / m_prev:  dummy <-> first <-> ... <-> last <-> dummy
//         ...    ...
//
// Nothing here compares elements except binary_search; callers that want a sorted sequence
// insert at the position the search returns.
namespace avl_detail {

struct node_base
{
    node_base* m_parent = nullptr;
    node_base* m_children[2] = {nullptr, nullptr};
    node_base* m_next = nullptr;
    node_base* m_prev = nullptr;
    std::uint32_t m_height = 1;
    std::uint32_t m_count = 1;
};

template <class T> struct node : node_base
{
    template <class... Args> explicit node(Args&&... args) : m_value(std::forward<Args>(args)...) {}
    T m_value;
};

inline std::uint32_t height(const node_base* n)
{
    return n ? n->m_height : 0;
}

inline std::uint32_t count(const node_base* n)
{
    return n ? n->m_count : 0;
}

inline void update(node_base* n)
{
    const std::uint32_t hl = height(n->m_children[0]);
    const std::uint32_t hr = height(n->m_children[1]);
    n->m_height = 1 + (hl > hr ? hl : hr);
    n->m_count = 1 + count(n->m_children[0]) + count(n->m_children[1]);
}

// Which of its parent's two slots holds n (the root sits in the dummy's slot 0).
inline int slot_of(const node_base* n)
{
    return n->m_parent->m_children[0] == n ? 0 : 1;
}

inline void set_child(node_base* parent, int side, node_base* child)
{
    parent->m_children[side] = child;
    if (child)
        child->m_parent = parent;
}

// Rotates the subtree rooted at n, which is unbalanced towards `side`, and returns its new
// root. Single rotation (side = left shown; in-order x c y n z throughout):
//
//          n                c       |
//         / \              / \      |
//        c   z    ->      x   n     |
//       / \                  / \    |
//      x   y                y   z   |
//
// Double rotation, when the inner grandchild g is the taller one:
//
//          n                  g     |
//         / \               /   \   |
//        c   z    ->       c     n  |
//       / \               / \   / \ |
//      x   g             x  g0 g1  z|
//         / \                       |
//        g0  g1                     |
inline node_base* rotate(node_base* n, int side)
{
    node_base* parent = n->m_parent;
    const int parentSlot = slot_of(n);
    node_base* c = n->m_children[side];
    const int other = 1 - side;
    if (height(c->m_children[side]) >= height(c->m_children[other])) {
        set_child(n, side, c->m_children[other]);
        set_child(c, other, n);
        set_child(parent, parentSlot, c);
        update(n);
        update(c);
        return c;
    }
    node_base* g = c->m_children[other];
    set_child(c, other, g->m_children[side]);
    set_child(n, side, g->m_children[other]);
    set_child(g, side, c);
    set_child(g, other, n);
    set_child(parent, parentSlot, g);
    update(c);
    update(n);
    update(g);
    return g;
}

// Restores heights, counts and balance from n up to and including the dummy.
inline void rebalance_from(node_base* n)
{
    while (n) {
        update(n);
        if (!n->m_parent)
            return; // the dummy: never rotated, updated last
        const std::uint32_t hl = height(n->m_children[0]);
        const std::uint32_t hr = height(n->m_children[1]);
        if (hl > hr + 1)
            n = rotate(n, 0);
        else if (hr > hl + 1)
            n = rotate(n, 1);
        n = n->m_parent;
    }
}

// A comparator may also offer three_way(value, element), negative, zero or positive; the search
// then asks it once per node instead of twice.
template <class Less, class V, class T, class = void> struct has_three_way : std::false_type
{
};

template <class Less, class V, class T>
struct has_three_way<Less, V, T,
                     std::void_t<decltype(std::declval<const Less&>().three_way(
                         std::declval<const V&>(), std::declval<const T&>()))>> : std::true_type
{
};

} // namespace avl_detail

template <class T> class avl_array
{
    using node_base = avl_detail::node_base;
    using node_type = avl_detail::node<T>;

public:
    using value_type = T;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = T&;
    using const_reference = const T&;

    template <bool IsConst> class basic_iterator
    {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<IsConst, const T*, T*>;
        using reference = std::conditional_t<IsConst, const T&, T&>;

        basic_iterator() = default;
        // A mutable iterator converts to a const one, not the other way round.
        template <bool OtherConst, class = std::enable_if_t<IsConst && !OtherConst>>
        basic_iterator(const basic_iterator<OtherConst>& other) : m_node(other.m_node)
        {}

        reference operator*() const
        {
            if (!m_node->m_parent)
                throw invalid_op_with_end();
            return static_cast<node_type*>(m_node)->m_value;
        }
        pointer operator->() const { return &**this; }

        basic_iterator& operator++()
        {
            m_node = m_node->m_next;
            return *this;
        }
        basic_iterator operator++(int)
        {
            basic_iterator old = *this;
            m_node = m_node->m_next;
            return old;
        }
        basic_iterator& operator--()
        {
            m_node = m_node->m_prev;
            return *this;
        }
        basic_iterator operator--(int)
        {
            basic_iterator old = *this;
            m_node = m_node->m_prev;
            return old;
        }

        friend bool operator==(const basic_iterator& a, const basic_iterator& b)
        {
            return a.m_node == b.m_node;
        }
        friend bool operator!=(const basic_iterator& a, const basic_iterator& b)
        {
            return a.m_node != b.m_node;
        }

    private:
        friend class avl_array;
        template <bool> friend class basic_iterator;
        explicit basic_iterator(node_base* n) : m_node(n) {}
        node_base* m_node = nullptr;
    };

    using iterator = basic_iterator<false>;
    using const_iterator = basic_iterator<true>;

    avl_array() { reset_dummy(); }

    // Linear time and no comparisons: the count is known, so the shape is made by halving it.
    avl_array(const avl_array& other)
    {
        reset_dummy();
        const node_base* source = other.m_dummy.m_next;
        try {
            m_dummy.m_children[0] = build(other.size(), source, &m_dummy);
        } catch (...) {
            destroy_all();
            reset_dummy();
            throw;
        }
        avl_detail::update(&m_dummy);
    }

    avl_array& operator=(const avl_array& other)
    {
        if (this != &other) {
            avl_array copy(other);
            swap(copy);
        }
        return *this;
    }

    ~avl_array() { destroy_all(); }

    void swap(avl_array& other) noexcept
    {
        std::swap(m_dummy, other.m_dummy);
        m_dummy.m_parent = nullptr;
        other.m_dummy.m_parent = nullptr;
        adopt_after_swap();
        other.adopt_after_swap();
    }

    size_type size() const { return m_dummy.m_count - 1; }
    bool empty() const { return m_dummy.m_count == 1; }

    iterator begin() { return iterator(m_dummy.m_next); }
    iterator end() { return iterator(&m_dummy); }
    const_iterator begin() const { return const_iterator(m_dummy.m_next); }
    const_iterator end() const { return const_iterator(const_cast<node_base*>(&m_dummy)); }

    // Position i counted from 0; i == size() gives end().
    iterator iterator_at(size_type i) { return iterator(node_at(i)); }
    const_iterator iterator_at(size_type i) const { return const_iterator(node_at(i)); }

    T& at(size_type i)
    {
        if (i >= size())
            throw index_out_of_bounds();
        return static_cast<node_type*>(node_at(i))->m_value;
    }
    const T& at(size_type i) const { return const_cast<avl_array*>(this)->at(i); }
    T& operator[](size_type i) { return at(i); }
    const T& operator[](size_type i) const { return at(i); }

    // The position of an element: the number of elements before it (size() for end()).
    size_type index_of(const_iterator pos) const
    {
        const node_base* n = pos.m_node;
        if (!n->m_parent)
            return size();
        size_type rank = avl_detail::count(n->m_children[0]);
        for (const node_base* p = n->m_parent; p; n = p, p = p->m_parent) {
            if (p->m_children[1] == n)
                rank += avl_detail::count(p->m_children[0]) + 1;
        }
        return rank;
    }

    // Looks for an element equivalent to value under the strict ordering `less`. Returns
    // whether one was found; pos is then that element, otherwise the first element that sorts
    // after value (or end()), which is where value belongs.
    template <class V, class Less> bool binary_search(const V& value, Less less, iterator& pos)
    {
        node_base* n = m_dummy.m_children[0];
        if (!n) {
            pos = end();
            return false;
        }
        for (;;) {
            const T& element = static_cast<node_type*>(n)->m_value;
            bool valueFirst;
            bool elementFirst;
            if constexpr (avl_detail::has_three_way<Less, V, T>::value) {
                const int order = less.three_way(value, element);
                valueFirst = order < 0;
                elementFirst = order > 0;
            } else {
                valueFirst = less(value, element);
                elementFirst = less(element, value);
            }
            if (valueFirst && elementFirst)
                throw lesser_and_greater();
            if (!valueFirst && !elementFirst) {
                pos = iterator(n);
                return true;
            }
            if (elementFirst) {
                if (!n->m_children[1]) {
                    pos = iterator(n->m_next);
                    return false;
                }
                n = n->m_children[1];
            } else {
                if (!n->m_children[0]) {
                    pos = iterator(n);
                    return false;
                }
                n = n->m_children[0];
            }
        }
    }

    template <class V, class Less>
    bool binary_search(const V& value, Less less, const_iterator& pos) const
    {
        iterator found;
        const bool hit = const_cast<avl_array*>(this)->binary_search(value, less, found);
        pos = found;
        return hit;
    }

    // Inserts before pos (end() appends) and returns the new element's position.
    iterator insert(const_iterator pos, const T& value) { return emplace(pos, value); }
    iterator insert(const_iterator pos, T&& value) { return emplace(pos, std::move(value)); }

    template <class... Args> iterator emplace(const_iterator pos, Args&&... args)
    {
        node_base* p = pos.m_node;
        assert(p && "insertion before a null position");
        void* memory = ::operator new(sizeof(node_type), std::nothrow);
        if (!memory)
            throw allocator_returned_null();
        node_type* x;
        try {
            x = new (memory) node_type(std::forward<Args>(args)...);
        } catch (...) {
            ::operator delete(memory);
            throw;
        }
        // Either p has a free left slot, or its predecessor (the rightmost node of p's left
        // subtree, or the last element when p is the end) has a free right slot.
        if (!p->m_children[0])
            avl_detail::set_child(p, 0, x);
        else
            avl_detail::set_child(p->m_prev, 1, x);
        x->m_prev = p->m_prev;
        x->m_next = p;
        p->m_prev->m_next = x;
        p->m_prev = x;
        avl_detail::rebalance_from(x->m_parent);
        return iterator(x);
    }

    // Erases the element at pos and returns the position that followed it.
    iterator erase(const_iterator pos)
    {
        node_base* p = pos.m_node;
        if (!p->m_parent)
            throw invalid_op_with_end();
        assert(owns(p) && "erasing a position of another container");
        node_base* following = p->m_next;
        node_base* lowestChanged = unlink(p);
        avl_detail::rebalance_from(lowestChanged);
        free_node(p);
        return iterator(following);
    }

    void clear()
    {
        destroy_all();
        reset_dummy();
    }

    // The height of the tree (0 when empty); exposed so tests can check the balance bound.
    std::uint32_t tree_height() const { return m_dummy.m_height - 1; }

    // Walks the whole structure and checks every link, height, count and balance factor, and
    // that the list visits the nodes in tree order. Linear time; for tests and assertions.
    bool is_consistent() const
    {
        const node_base* root = m_dummy.m_children[0];
        if (m_dummy.m_parent || m_dummy.m_children[1] || (root && root->m_parent != &m_dummy))
            return false;
        const node_base* expectedNext = m_dummy.m_next;
        const node_base* previous = &m_dummy;
        if (!check_subtree(root, expectedNext, previous))
            return false;
        return expectedNext == &m_dummy && m_dummy.m_prev == previous &&
               m_dummy.m_count == 1 + avl_detail::count(root) &&
               m_dummy.m_height == 1 + avl_detail::height(root);
    }

private:
    void reset_dummy()
    {
        m_dummy.m_parent = nullptr;
        m_dummy.m_children[0] = m_dummy.m_children[1] = nullptr;
        m_dummy.m_next = m_dummy.m_prev = &m_dummy;
        m_dummy.m_height = 1;
        m_dummy.m_count = 1;
    }

    // After the dummies were swapped, the nodes still point at the other container's dummy.
    void adopt_after_swap()
    {
        if (empty()) {
            m_dummy.m_next = m_dummy.m_prev = &m_dummy;
            return;
        }
        m_dummy.m_children[0]->m_parent = &m_dummy;
        m_dummy.m_next->m_prev = &m_dummy;
        m_dummy.m_prev->m_next = &m_dummy;
    }

    node_base* node_at(size_type i) const
    {
        node_base* dummy = const_cast<node_base*>(&m_dummy);
        const size_type n = size();
        if (i >= n)
            return dummy;
        if (i == 0)
            return dummy->m_next;
        if (i == n - 1)
            return dummy->m_prev;
        // Rank descent: with L nodes on the left, position L is this node.
        node_base* cur = dummy->m_children[0];
        for (;;) {
            const size_type left = avl_detail::count(cur->m_children[0]);
            if (i < left) {
                cur = cur->m_children[0];
            } else if (i == left) {
                return cur;
            } else {
                i -= left + 1;
                cur = cur->m_children[1];
            }
        }
    }

    // In-order walk that also follows the list: `expected` is the node the list says comes
    // next, `previous` the last node visited.
    static bool check_subtree(const node_base* n, const node_base*& expected,
                              const node_base*& previous)
    {
        if (!n)
            return true;
        for (const node_base* child : n->m_children) {
            if (child && child->m_parent != n)
                return false;
        }
        if (!check_subtree(n->m_children[0], expected, previous))
            return false;
        if (n != expected || n->m_prev != previous)
            return false;
        previous = n;
        expected = n->m_next;
        if (!check_subtree(n->m_children[1], expected, previous))
            return false;
        const std::uint32_t hl = avl_detail::height(n->m_children[0]);
        const std::uint32_t hr = avl_detail::height(n->m_children[1]);
        return n->m_height == 1 + (hl > hr ? hl : hr) && (hl > hr ? hl - hr : hr - hl) <= 1 &&
               n->m_count ==
                   1 + avl_detail::count(n->m_children[0]) + avl_detail::count(n->m_children[1]);
    }

    bool owns(const node_base* n) const
    {
        while (n->m_parent)
            n = n->m_parent;
        return n == &m_dummy;
    }

    // Takes p out of the tree and the list; returns the lowest node whose subtree changed.
    node_base* unlink(node_base* p)
    {
        p->m_prev->m_next = p->m_next;
        p->m_next->m_prev = p->m_prev;

        node_base* parent = p->m_parent;
        const int parentSlot = avl_detail::slot_of(p);
        node_base* left = p->m_children[0];
        node_base* right = p->m_children[1];

        if (!left || !right) {
            avl_detail::set_child(parent, parentSlot, left ? left : right);
            return parent;
        }
        if (!left->m_children[1]) {
            avl_detail::set_child(left, 1, right);
            avl_detail::set_child(parent, parentSlot, left);
            return left;
        }
        if (!right->m_children[0]) {
            avl_detail::set_child(right, 0, left);
            avl_detail::set_child(parent, parentSlot, right);
            return right;
        }
        // Both children have inner subtrees: replace p by its in-order neighbour on the
        // heavier side, which lies deep inside that subtree and has no inner child itself.
        const bool usePredecessor = avl_detail::count(left) > avl_detail::count(right);
        node_base* s = usePredecessor ? p->m_prev : p->m_next;
        node_base* sParent = s->m_parent;
        if (usePredecessor)
            avl_detail::set_child(sParent, 1, s->m_children[0]);
        else
            avl_detail::set_child(sParent, 0, s->m_children[1]);
        avl_detail::set_child(s, 0, left);
        avl_detail::set_child(s, 1, right);
        avl_detail::set_child(parent, parentSlot, s);
        return sParent;
    }

    node_base* build(size_type n, const node_base*& source, node_base* parent)
    {
        if (n == 0)
            return nullptr;
        const size_type leftCount = (n - 1) / 2;
        node_base* left = build(leftCount, source, nullptr);
        void* memory = ::operator new(sizeof(node_type), std::nothrow);
        if (!memory)
            throw allocator_returned_null();
        node_type* x;
        try {
            x = new (memory) node_type(static_cast<const node_type*>(source)->m_value);
        } catch (...) {
            ::operator delete(memory);
            throw;
        }
        source = source->m_next;
        // Appended to the list at once, so a failure part way leaves every node reachable.
        x->m_prev = m_dummy.m_prev;
        x->m_next = &m_dummy;
        m_dummy.m_prev->m_next = x;
        m_dummy.m_prev = x;
        x->m_parent = parent;
        avl_detail::set_child(x, 0, left);
        avl_detail::set_child(x, 1, build(n - 1 - leftCount, source, x));
        avl_detail::update(x);
        return x;
    }

    // Kept out of line: inlined into erase(), the compiler cannot see that the dummy never
    // gets here and warns about freeing it.
    [[gnu::noinline]] static void free_node(node_base* n)
    {
        node_type* victim = static_cast<node_type*>(n);
        victim->~node_type();
        ::operator delete(static_cast<void*>(victim));
    }

    void destroy_all()
    {
        node_base* n = m_dummy.m_next;
        while (n != &m_dummy) {
            node_base* next = n->m_next;
            free_node(n);
            n = next;
        }
    }

    node_base m_dummy;
};
