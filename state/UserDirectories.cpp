#include "state/UserDirectories.h"

#include <QDir>
#include <QFile>

QString XdgBaseDirectory(const char* variable, const char* homeDefault)
{
    const QString value = QFile::decodeName(qgetenv(variable));
    if (value.startsWith(QLatin1Char('/')))
        return value;
    if (!homeDefault)
        return {};
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(homeDefault);
}
