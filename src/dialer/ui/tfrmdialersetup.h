#pragma once
// "Dialer Setup": which of the four serial ports the modem is on, kept in Larkmoor.ini.

#include <QDialog>
#include <memory>

class Dialogs;
class QComboBox;
class QPushButton;

class TfrmDialerSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDialerSetup(QString iniPath, QWidget* parent = nullptr);
    ~TfrmDialerSetup() override;

    // Where the message goes when the choice cannot be stored; message boxes unless replaced.
    Dialogs* dialogs;

    QComboBox* cboPort;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public Q_SLOTS:
    // OK: stores the chosen port; a file that cannot be written keeps the screen open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Dialogs> ownDialogs_;
    QString iniPath_;
};
