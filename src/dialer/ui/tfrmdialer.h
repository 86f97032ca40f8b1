#pragma once
// "Dialer": dials the phone number of a client, funder or salesman through the modem. Made once
// at console start and reused: the caller sets the number and whose it is, then shows it modally.

#include <QDialog>
#include <functional>
#include <memory>

class Dialogs;
class QLabel;
class QPushButton;

class TfrmDialer : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDialer(QWidget* parent = nullptr);
    ~TfrmDialer() override;

    void setPhoneNumber(const QString& number) { phoneNumber_ = number; }
    void setPartyName(const QString& name) { partyName_ = name; }
    QString phoneNumber() const { return phoneNumber_; }
    QString partyName() const { return partyName_; }
    // "Phone '<name>'", a carriage return, "at <number>", as the label reads it.
    QString prompt() const;

    // Replaceable for tests: where messages go, the ini file, and the device of each port.
    Dialogs* dialogs;
    QString iniPath;
    std::function<QString(int port)> deviceFor;

    QLabel* lblPrompt;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnSetup;

public Q_SLOTS:
    void btnOKClick();
    void btnSetupClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Dialogs> ownDialogs_;
    QString phoneNumber_;
    QString partyName_;
};
