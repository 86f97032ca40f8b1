#pragma once
// What a register's deletion came to. Each deletion asks its question through Dialogs and
// says through them why it refused.

enum class DeleteOutcome {
    Deleted,
    Refused,   // posted (before or after the question), or nothing to delete: said why
    Abandoned, // the bookkeeper answered No
    NotFound,  // no such document (deleted elsewhere meanwhile)
};
