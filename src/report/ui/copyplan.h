#pragma once
// How many copies the printer driver makes and how often the whole batch is sent, for a number
// of copies asked for. Collated sets are printed batch after batch; uncollated copies are left
// to a driver that can make them all.

namespace report
{

struct CopyPlan {
    int driverCopies = 1; // the printer's own copy count
    int passes = 1;       // how many times the batch is printed

    bool operator==(const CopyPlan&) const = default;
};

// `driverCopies` is the copy count the driver accepted when asked for `requested` (1 when it
// makes no copies of its own). A request of 0 or less prints one copy.
CopyPlan planCopies(int requested, bool collate, int driverCopies);

} // namespace report
