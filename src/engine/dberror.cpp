#include "engine/dberror.h"

DbError::DbError(int code, const QString& message)
    : std::runtime_error(message.toStdString()), code_(code)
{
}
