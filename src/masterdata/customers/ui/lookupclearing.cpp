#include "masterdata/customers/ui/lookupclearing.h"

#include <QComboBox>
#include <QKeyEvent>

namespace
{
class DeleteClears : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            static_cast<QComboBox*>(watched)->setCurrentIndex(0);
            return true;
        }
        return false;
    }
};
} // namespace

void deleteKeyClears(QComboBox* lookup)
{
    lookup->installEventFilter(new DeleteClears(lookup));
}
