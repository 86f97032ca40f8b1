#include "cli/commands.h"

int runDemoCommand(const QStringList&, CliContext& context)
{
    context.err << "demo: being built" << Qt::endl;
    return 1;
}
