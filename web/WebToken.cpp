#include "web/WebToken.h"

#include "state/FileWriter.h"
#include "state/SmallTextFile.h"
#include "web/WebLog.h"

#include <array>
#include <QCoreApplication>
#include <QRandomGenerator>

namespace {

constexpr int tokenBytes = 16;

bool IsToken(const QByteArray& text)
{
    if (text.size() != tokenBytes * 2)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

QByteArray LoadWebToken(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, 4096);
    const bool readable = file.status == SmallTextFile::Read;
    const bool secret = readable && (file.permissions & 077) == 0;
    if (secret && !file.cut && IsToken(file.Text()))
        return file.Text();
    if (file.status != SmallTextFile::Missing)
        ComplainAboutFile(path, !readable ? "not a readable regular file, a new token is made"
                                : !secret ? "readable by others, a new token is made"
                                          : "not a token, a new token is made");
    return RenewWebToken(path);
}

QByteArray RenewWebToken(const QString& path, QString* failure)
{
    std::array<quint32, tokenBytes / 4> random;
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    const QByteArray token = QByteArray(reinterpret_cast<const char*>(random.data()), tokenBytes).toHex();
    const QString notStored = ReplaceFile(path, token + '\n', {FileWrite::Mode::Exactly, 0600});
    if (notStored.isEmpty())
        return token;
    if (failure)
        *failure = notStored;
    else
        qCWarning(
            webLog, "%s",
            qUtf8Printable(QCoreApplication::translate("WebToken", "the web page's token not stored: %1")
                               .arg(notStored)));
    return {};
}
