#pragma once
// Driving second-workstation programs (secondworkstation.h) from a posting test: two posting
// the same ledger at once, one killed in the middle of a pass, one posting what is left.

#include <QByteArray>
#include <QString>
#include <utility>

struct ConnectionParams;

namespace workstations
{
// How a workstation's pass ended: `ok` when it ran to the end and exited 0, with how many
// documents it posted; otherwise what it wrote to stderr.
struct Finished {
    bool ok = false;
    int posted = 0;
    QByteArray errors;
};

// One workstation posting every document waiting on the ledger.
Finished postToTheEnd(const QString& program, const ConnectionParams& ledger);
// Two workstations started together on the same ledger.
std::pair<Finished, Finished> postOnTwoAtOnce(const QString& program,
                                              const ConnectionParams& ledger);
// A workstation pausing `pauseMs` after each block, killed (SIGKILL, no clean-up of any kind)
// after a random wait below `maxWaitMs` unless it finished first. False when it could not be
// started or did not die.
bool postAndKill(const QString& program, const ConnectionParams& ledger, int pauseMs,
                 int maxWaitMs);
} // namespace workstations
