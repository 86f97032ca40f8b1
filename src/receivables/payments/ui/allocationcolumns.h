#pragma once
// The columns of the payment's allocation grid, in their order.

enum class AllocationColumn {
    Invoice,
    Date,
    Owing,
    Payment,
    Discount,
    WriteOff,
    WriteOffAccount,
    AccountName,
};
