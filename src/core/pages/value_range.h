#pragma once
// The values a setting takes, inclusive at both ends: the page model refuses the rest, and the
// command line names the same limits in its usage errors.
namespace oryn7px {

struct ValueRange {
    int minimum;
    int maximum;
    constexpr bool Contains(int value) const { return value >= minimum && value <= maximum; }
};

}  // namespace oryn7px
