// Writes <count> values named <prefix><n> into one key of the given settings database,
// one transaction each, so that two running copies can be checked for lost writes.
#include "platform/sqliteregistry.h"

#include <QString>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    Quillet::SqliteRegistry registry(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int n = 0; n < count; ++n) {
        registry.setValue(Quillet::RootKey::CurrentUser, QStringLiteral("Software\\Quillet\\Race"),
                          prefix + QString::number(n), QByteArray::number(n));
    }
    return 0;
}
