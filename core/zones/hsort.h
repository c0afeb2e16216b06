#pragma once

#include <span>

// Heap sort of the first n entries of key ascending; first and second receive
// the same permutation. Not stable: for equal keys the build phase follows the
// left child, the extraction phase the right one, and a child equal to the
// sifted key stops the sift. Entries from n on are left alone. All spans must
// hold at least n entries.
void hSort(int n, std::span<double> key, std::span<double> first, std::span<double> second);
