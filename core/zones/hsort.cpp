#include "hsort.h"

namespace {

// Heap positions are 1-based; position p lives in slot p - 1.
struct Triples
{
    std::span<double> key, first, second;

    double keyAt(int position) const { return key[std::size_t(position - 1)]; }

    struct Triple
    {
        double key, first, second;
    };

    Triple take(int position) const
    {
        const std::size_t slot = std::size_t(position - 1);
        return {key[slot], first[slot], second[slot]};
    }

    void put(int position, const Triple &triple) const
    {
        const std::size_t slot = std::size_t(position - 1);
        key[slot] = triple.key;
        first[slot] = triple.first;
        second[slot] = triple.second;
    }

    void move(int from, int to) const { put(to, take(from)); }
};

} // namespace

void hSort(int n, std::span<double> key, std::span<double> first, std::span<double> second)
{
    if (n < 2 || key.size() < std::size_t(n) || first.size() < std::size_t(n) ||
        second.size() < std::size_t(n))
        return;
    const Triples heap{key, first, second};

    for (int root = n / 2; root >= 1; --root) {
        const Triples::Triple temp = heap.take(root);
        int parent = root;
        while (2 * parent <= n) {
            int child = 2 * parent;
            if (child + 1 <= n && heap.keyAt(child) < heap.keyAt(child + 1))
                ++child;
            if (heap.keyAt(child) <= temp.key)
                break;
            heap.move(child, parent);
            parent = child;
        }
        heap.put(parent, temp);
    }

    for (int size = n - 1; size >= 1; --size) {
        const Triples::Triple temp = heap.take(size + 1);
        heap.move(1, size + 1);
        int parent = 1;
        while (2 * parent <= size) {
            int child = 2 * parent;
            if (child + 1 <= size && heap.keyAt(child) <= heap.keyAt(child + 1))
                ++child;
            if (heap.keyAt(child) <= temp.key)
                break;
            heap.move(child, parent);
            parent = child;
        }
        heap.put(parent, temp);
    }
}
