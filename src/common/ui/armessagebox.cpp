#include "common/ui/armessagebox.h"

#include "common/ui/fontfactor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TFormARMessageBox::TFormARMessageBox(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormARMessageBox"));
    setWindowTitle(QStringLiteral("Hearthtable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    LabelMessage = new QLabel(QStringLiteral("Saving data. Please do not interrupt!"), this);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    QFont bold = LabelMessage->font();
    bold.setBold(true);
    LabelMessage->setFont(bold);
    RzProgressBarSaveStatus = new QProgressBar(this);
    RzProgressBarSaveStatus->setObjectName(QStringLiteral("RzProgressBarSaveStatus"));
    RzProgressBarSaveStatus->setRange(0, 100);
    RzProgressBarSaveStatus->setValue(0);
    LabelRecordCount = new QLabel(QStringLiteral("Total Clients:"), this);
    LabelRecordCount->setObjectName(QStringLiteral("LabelRecordCount"));
    layout->addWidget(LabelMessage);
    layout->addWidget(RzProgressBarSaveStatus);
    layout->addWidget(LabelRecordCount);
    setFixedSize(360, sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    applyFontFactor(this);
}

void TFormARMessageBox::setRange(int minimum, int maximum)
{
    RzProgressBarSaveStatus->setRange(minimum, maximum);
}

void TFormARMessageBox::setValue(int value)
{
    RzProgressBarSaveStatus->setValue(value);
    // The run works on the user-interface thread: let the window repaint, but take no clicks.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormARMessageBox::setCaption(const QString& caption)
{
    LabelMessage->setText(caption);
}
