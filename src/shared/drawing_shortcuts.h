// Shortcuts of the wavefront drawing that change how fast it runs, never what it draws.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace sorvel_kampyles {

struct DrawingShortcuts {
    // Per-angle constants computed once per medium instead of once per point.
    bool hoisting = true;
    // The ray points of a train computed on two threads (drawing stays on the calling thread).
    bool threads = true;
};

// The switches in force; tests turn them off to show that the pictures stay the same.
DrawingShortcuts& Shortcuts();

// Computes items 0..count−1 with compute(i, item) and hands them to draw(i, item) one after the
// other in order on the calling thread. Where allowed, a helper thread computes items ahead while
// this one draws, and this one computes whatever the helper has not yet taken when it needs it, so
// the two share the work however it divides. It works a chunk at a time so that memory stays
// bounded however long the train. compute must not touch shared state, which only the hoisted
// path guarantees: the straightforward ray functions write PI_VALUE.
template <class Item, class Compute, class Draw>
void ComputeThenDrawInOrder(std::size_t count, Compute compute, Draw draw)
{
    constexpr std::size_t kChunk = 1024;       // items held at once
    constexpr std::size_t kWorthAThread = 16;  // below this a second thread costs more than it saves
    if (!Shortcuts().threads || !Shortcuts().hoisting || count < kWorthAThread) {
        Item item;
        for (std::size_t i = 0; i < count; ++i) {
            compute(i, item);
            draw(i, item);
        }
        return;
    }
    std::vector<Item> items(std::min(count, kChunk));
    std::vector<std::atomic<bool>> ready(items.size());
    for (std::size_t begin = 0; begin < count; begin += kChunk) {
        const std::size_t n = std::min(count - begin, kChunk);
        for (std::size_t i = 0; i < n; ++i)
            ready[i].store(false, std::memory_order_relaxed);
        std::atomic<std::size_t> next{0};
        // Takes the next item nobody has taken; false when all are taken.
        const auto computeOne = [&] {
            const std::size_t i = next.fetch_add(1, std::memory_order_relaxed);
            if (i >= n)
                return false;
            compute(begin + i, items[i]);
            ready[i].store(true, std::memory_order_release);
            return true;
        };
        std::thread helper([&] {
            while (computeOne()) {
            }
        });
        struct Join {  // also when a draw throws: a thread left unjoined ends the program
            std::thread& thread;
            ~Join() { thread.join(); }
        } join{helper};
        for (std::size_t i = 0; i < n; ++i) {
            while (!ready[i].load(std::memory_order_acquire))
                if (!computeOne())
                    std::this_thread::yield();  // the helper is finishing this very item
            draw(begin + i, items[i]);
        }
    }
}

}  // namespace sorvel_kampyles
