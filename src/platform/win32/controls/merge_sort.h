// The list view's sort: a bottom-up merge over indexes. It never asks the comparison about
// an index outside the rows and its number of steps does not depend on the answers, so an
// inconsistent comparison gives some order of the same rows, never a loop or a crash.
#pragma once

#include <vector>

namespace win32::controls {

template <class Less>
std::vector<int> MergeSortIndexes(int count, Less less) {
    std::vector<int> order(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        order[static_cast<size_t>(i)] = i;
    }
    std::vector<int> buffer(order.size());
    size_t n = order.size();
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            size_t mid = lo + width < n ? lo + width : n;
            size_t hi = lo + 2 * width < n ? lo + 2 * width : n;
            size_t a = lo;
            size_t b = mid;
            size_t out = lo;
            while (a < mid && b < hi) {
                // Take from the right only when it strictly goes first: stable.
                if (less(order[b], order[a])) {
                    buffer[out++] = order[b++];
                } else {
                    buffer[out++] = order[a++];
                }
            }
            while (a < mid) {
                buffer[out++] = order[a++];
            }
            while (b < hi) {
                buffer[out++] = order[b++];
            }
        }
        order.swap(buffer);
    }
    return order;
}

} // namespace win32::controls
