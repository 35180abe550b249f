#include "platform/terminalpasswordprompt.h"

#include <QByteArray>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace Quillet {

std::optional<QString> TerminalPasswordPrompt::password(const QString& prompt)
{
    if (qEnvironmentVariableIsSet("QUILLET_PASSWORD"))
        return qEnvironmentVariable("QUILLET_PASSWORD");
    FILE* terminal = std::fopen("/dev/tty", "r+");
    if (!terminal)
        return std::nullopt;
    const int fd = fileno(terminal);
    termios saved{};
    const bool echoOff = tcgetattr(fd, &saved) == 0;
    if (echoOff) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    std::fputs(prompt.toLocal8Bit().constData(), terminal);
    std::fflush(terminal);
    QByteArray line;
    for (int c = std::fgetc(terminal); c != EOF && c != '\n'; c = std::fgetc(terminal))
        line.append(char(c));
    const bool ended = std::feof(terminal) && line.isEmpty();
    if (echoOff)
        tcsetattr(fd, TCSAFLUSH, &saved);
    std::fputs("\n", terminal);
    std::fclose(terminal);
    if (ended)
        return std::nullopt;
    return QString::fromLocal8Bit(line);
}

} // namespace Quillet
