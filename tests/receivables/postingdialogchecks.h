#pragma once
// What every posting dialog (Post AR Invoices, Post AR Payments) does the same way, checked
// once for both: OK posting what waits and closing with OK, OK on nothing waiting closing with
// Cancel, and the balances held by another workstation answered with Cancel. A failed check
// ends the calling test (QTest::currentTestFailed()).

#include "modalwatcher.h"
#include "receivables/posting/ui/postingdialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace postingdialogchecks
{

inline void clickOk(PostingDialog& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
}

// Shows the dialog and clicks OK; the message boxes it showed, answered in turn by `answers`
// (by their default button once those run out).
inline QStringList messagesOnOk(PostingDialog& dialog,
                                const QList<QMessageBox::StandardButton>& answers = {})
{
    dialog.show();
    ModalWatcher watcher;
    watcher.answers = answers;
    clickOk(dialog);
    return watcher.messages;
}

// Shows the dialog; it finds `waiting` documents, saying so in `toBePosted`, and OK posts them
// without a message and closes with OK, the progress bar full and the busy cursor gone.
inline void checkOkPostsAndCloses(PostingDialog& dialog, int waiting, const QString& toBePosted)
{
    dialog.show();
    QCOMPARE(dialog.LabelCount->text(), toBePosted);
    QCOMPARE(dialog.waiting(), waiting);
    QCOMPARE(messagesOnOk(dialog), QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.ProgressBar->maximum(), waiting);
    QCOMPARE(dialog.ProgressBar->value(), waiting);
    QVERIFY(!QGuiApplication::overrideCursor());
}

// Shows the dialog over nothing waiting: it says `noneText`, and OK closes with Cancel.
inline void checkNothingWaitingCancels(PostingDialog& dialog, const QString& noneText)
{
    dialog.show();
    QCOMPARE(dialog.LabelCount->text(), noneText);
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

// Shows the dialog while another workstation holds the balances (CBalance); Cancel to the lock
// question (asked once, and once more as it gives up) closes with Cancel, the cursor back.
inline void checkHeldBalancesCancel(PostingDialog& dialog)
{
    const QString question = QStringLiteral(
        "Unable to lock Customer Balance table... this table is being updated by another job.");
    QCOMPARE(messagesOnOk(dialog, {QMessageBox::Cancel}), QStringList({question, question}));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!QGuiApplication::overrideCursor());
}

} // namespace postingdialogchecks
