#include "web/WebToken.h"

#include "web/PrivateFile.h"

#include <array>
#include <cstdio>
#include <QFile>
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
    bool missing = false;
    mode_t mode = 0;
    const std::optional<QByteArray> text = ReadPrivateFile(path, &missing, &mode);
    if (text && IsToken(text->trimmed()) && (mode & 077) == 0)
        return text->trimmed();
    if (!missing) {
        std::fprintf(stderr, "tessaly: %s: %s, a new token is made\n", QFile::encodeName(path).constData(),
                     !text               ? "not a readable regular file"
                     : (mode & 077) != 0 ? "readable by others"
                                         : "not a token");
    }
    return RenewWebToken(path);
}

QByteArray RenewWebToken(const QString& path)
{
    std::array<quint32, tokenBytes / 4> random;
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    const QByteArray token = QByteArray(reinterpret_cast<const char*>(random.data()), tokenBytes).toHex();
    if (!WritePrivateFile(path, token + '\n', 0600)) {
        std::fprintf(stderr, "tessaly: %s: the web page's token could not be stored\n",
                     QFile::encodeName(path).constData());
        return {};
    }
    return token;
}
