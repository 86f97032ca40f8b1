#pragma once
// "Hearthtable Data Options": the per-user settings that tell this workstation, and the host,
// where the shared database lives. Nothing in the console opens it; the installation or the host
// offers it. The settings take effect the next time the host starts.

#include <QDialog>
#include <functional>

class Dialogs;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFormRegistryEditor : public QDialog
{
    Q_OBJECT
public:
    // Asks the user for a folder: returns the chosen folder, or an empty text when cancelled.
    using FolderPicker =
        std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder)>;

    explicit TFormRegistryEditor(Dialogs& dialogs, QWidget* parent = nullptr);

    // The platform's folder picker (hidden folders shown) unless replaced.
    void setFolderPicker(FolderPicker picker);
    static QString chooseFolder(QWidget* parent, const QString& caption,
                                const QString& startFolder);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void rgOperationModeClick();
    void btnBrowseClick();
    void btnOKClick();

    Dialogs& dialogs_;
    FolderPicker folderPicker_;

    QButtonGroup* rgOperationMode = nullptr;
    QRadioButton* rbFileServer = nullptr;
    QRadioButton* rbClientServer = nullptr;
    QLabel* lblDataLocation = nullptr;
    QLineEdit* editDataLocation = nullptr;
    QPushButton* btnBrowse = nullptr;
    QLineEdit* editServerIP = nullptr;
    QComboBox* cboServerType = nullptr;
    QPushButton* btnDeleteAllSettings = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
