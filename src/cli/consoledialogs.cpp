#include "cli/consoledialogs.h"

namespace
{
QString forTerminal(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    // A carriage return alone would make the terminal write the next line over this one.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

QString ConsoleDialogs::terminalText(const QString& text)
{
    return forTerminal(text);
}

void ConsoleDialogs::inform(Kind kind, const QString& text)
{
    QTextStream& stream = (kind == Kind::Information || kind == Kind::Confirmation) ? out_ : err_;
    stream << forTerminal(text) << Qt::endl;
}

Dialogs::Button ConsoleDialogs::ask(Kind kind, const QString& text, Buttons buttons)
{
    const bool yes = answer_ == Answer::Yes;
    const Button order[] = {yes ? Yes : No, yes ? Ok : Cancel, yes ? Retry : Abort,
                            yes ? Ignore : Cancel};
    if (answer_ != Answer::None) {
        for (Button b : order) {
            if (buttons.testFlag(b)) {
                inform(kind, text);
                return b;
            }
        }
    }
    throw UnansweredQuestion(forTerminal(text));
}
