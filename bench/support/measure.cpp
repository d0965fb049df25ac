#include "support/measure.h"

#include <QFile>
#include <cstdio>
#include <cstring>

namespace orvanel::bench {

double StatusMiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field))).simplified().split(' ')[0]
                       .toDouble() / 1024.0;
    }
    return 0;
}

std::optional<std::vector<int>> SizesFromArguments(const QStringList& args,
                                                   std::vector<int> defaults)
{
    std::vector<int> sizes;
    for (const QString& arg : args) {
        if (arg.toInt() <= 0) {
            std::fprintf(stderr, "not a number of persons: %s\n", qPrintable(arg));
            return std::nullopt;
        }
        sizes.push_back(arg.toInt());
    }
    return sizes.empty() ? defaults : sizes;
}

}  // namespace orvanel::bench
