#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/registry.h"

#include <QRegularExpression>

namespace
{

const QStringList kSettings = {reg::Mode, reg::Alias, reg::ServerIP, reg::Connection,
                               reg::PdfFolder};

QString canonicalName(const QString& typed)
{
    QString squeezed = typed;
    squeezed.remove(QLatin1Char(' ')).remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    for (const QString& name : kSettings) {
        if (QString(name).remove(QLatin1Char(' ')).compare(squeezed, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

// The values the data options dialog itself can write; anything else is refused.
QString validate(const QString& name, const QString& value)
{
    if (name == reg::Mode && value != QLatin1String("C") && value != QLatin1String("F"))
        return QStringLiteral("Mode is C (client-server) or F (file server).");
    if (name == reg::Connection && value != QLatin1String("LAN") &&
        value != QLatin1String("Internet"))
        return QStringLiteral("Connection is LAN or Internet.");
    if (name == reg::ServerIP) {
        static const QRegularExpression address(
            QStringLiteral(R"(^\d{1,3}(\.\d{1,3}){3}(:\d{1,5})?$)"));
        if (!address.match(value).hasMatch())
            return QStringLiteral("Server IP is four groups of one to three digits separated by "
                                  "points, optionally followed by :port.");
    }
    return {};
}

int show(CliContext& context)
{
    for (const QString& name : kSettings)
        context.out << name << ": " << GetRegString(name, reg::ValueName) << Qt::endl;
    const QString fallback = GetRegString(reg::Alias, reg::FallbackValueName);
    if (!fallback.isEmpty())
        context.out << "Alias (Hearth Table): " << fallback << Qt::endl;
    return 0;
}

} // namespace

int runSettingsCommand(const QStringList& args, CliContext& context)
{
    if (args.value(0) == QLatin1String("show") && args.size() == 1)
        return show(context);
    if (args.value(0) == QLatin1String("set") && args.size() == 3) {
        const QString name = canonicalName(args[1]);
        if (name.isEmpty()) {
            context.err << "Unknown setting " << args[1]
                        << ". The settings are: " << kSettings.join(QStringLiteral(", "))
                        << Qt::endl;
            return 2;
        }
        const QString problem = validate(name, args[2]);
        if (!problem.isEmpty()) {
            context.err << problem << Qt::endl;
            return 2;
        }
        return SetRegString(context.dialogs, name, args[2]) ? 0 : 1;
    }
    context.err << "Usage: tallywick settings show | tallywick settings set NAME VALUE" << Qt::endl;
    return 2;
}
