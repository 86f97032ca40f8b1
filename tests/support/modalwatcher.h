#pragma once
// Answers the modal windows a screen test runs into: message boxes are recorded and answered
// (by default with their default button), and any other modal dialog is handed to `onDialog`,
// which closes it. Lets a test drive code that calls exec().

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

class ModalWatcher : public QObject
{
public:
    explicit ModalWatcher(QObject* parent = nullptr) : QObject(parent)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
        timer_.start();
    }

    QStringList messages;                       // every message box text, in order
    QList<QMessageBox::StandardButton> answers; // used in order; the box's first button when empty
    std::function<void(QDialog*)> onDialog = [](QDialog* dialog) { dialog->accept(); };

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            QAbstractButton* button = nullptr;
            if (!answers.isEmpty())
                button = box->button(answers.takeFirst());
            else if (box->defaultButton())
                button = box->defaultButton();
            else
                button = box->buttons().value(0);
            if (button)
                button->click();
            else
                box->reject();
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            onDialog(dialog);
    }

    QTimer timer_;
};
