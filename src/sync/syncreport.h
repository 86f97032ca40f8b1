#pragma once
// What one synchronization run did: the rows it added and every error it showed on the way.
// The console only shows the messages; the command line and the tests read the rest.

#include <QString>
#include <QStringList>

// The closing message of both synchronizations, worded as the users know it.
inline const QString kSynchronizationCompleted =
    QStringLiteral("Succesfully completed the synchronization.");

struct SyncReport {
    int clientsAdded = 0;
    int fundersAdded = 0;
    int itemsAdded = 0;
    int pledgeItemsAdded = 0;
    QStringList errorsShown; // in the order they were shown
    bool completed = false;  // the run reached its closing message

    // Completed without showing any error.
    bool clean() const { return completed && errorsShown.isEmpty(); }
};
