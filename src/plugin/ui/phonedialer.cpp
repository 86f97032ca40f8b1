#include "plugin/ui/phonedialer.h"

#include "dialer/ui/tfrmdialer.h"
#include "plugin/ui/arprocess.h"

void createDialer()
{
    ArProcess& process = arProcess();
    // The previous console start's dialer is not needed again; the new one takes its place.
    delete process.dialer;
    process.dialer = new TfrmDialer;
}

void dialPhone(const QString& number, const QString& name)
{
    TfrmDialer* dialer = arProcess().dialer;
    if (!dialer)
        return;
    dialer->setPhoneNumber(number);
    dialer->setPartyName(name);
    dialer->exec();
}
