#include "web/HttpHead.h"

#include <algorithm>

namespace {

// RFC 9110's token characters: what a method and a field name may hold.
bool IsToken(const QByteArray& text)
{
    static const QByteArray punctuation = "!#$%&'*+-.^_`|~";
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        const bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alphanumeric && !punctuation.contains(c))
            return false;
    }
    return true;
}

// A target in origin form, as RFC 3986 spells it: visible ASCII only, so no control character or byte
// beyond ASCII reaches what reads the path.
bool IsOriginTarget(const QByteArray& text)
{
    return text.startsWith('/') &&
           std::all_of(text.cbegin(), text.cend(), [](char c) { return c > ' ' && c < 0x7f; });
}

bool IsFieldValue(const QByteArray& text)
{
    for (const char c : text) {
        if ((c >= 0 && c < ' ' && c != '\t') || c == 0x7f)
            return false;
    }
    return true;
}

} // namespace

QByteArray HttpHead::Field(const QByteArray& name) const
{
    for (const auto& [fieldName, value] : fields) {
        if (fieldName.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

qsizetype HttpHead::Count(const QByteArray& name) const
{
    return std::count_if(fields.cbegin(), fields.cend(), [&](const auto& field) {
        return field.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

bool HttpHead::FieldHas(const QByteArray& name, const QByteArray& token) const
{
    for (const QByteArray& item : Field(name).split(',')) {
        if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool HttpHead::ClosesConnection() const
{
    return FieldHas("Connection", "close") || (minorVersion == 0 && !FieldHas("Connection", "keep-alive"));
}

std::optional<HttpHead> ParseHttpHead(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() != 3 || !IsToken(request[0]) || !IsOriginTarget(request[1]))
        return std::nullopt;
    HttpHead parsed;
    if (request[2] == "HTTP/1.0")
        parsed.minorVersion = 0;
    else if (request[2] != "HTTP/1.1")
        return std::nullopt;
    parsed.method = request[0];
    const qsizetype question = request[1].indexOf('?');
    parsed.path = question < 0 ? request[1] : request[1].left(question);
    parsed.query = question < 0 ? QByteArray() : request[1].mid(question + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype colon = line.indexOf(':');
        // No folded lines and no space before the colon: both have served to smuggle requests.
        if (colon <= 0 || !IsToken(line.left(colon)))
            return std::nullopt;
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (!IsFieldValue(value))
            return std::nullopt;
        parsed.fields.append({line.left(colon), value});
    }
    return parsed;
}
