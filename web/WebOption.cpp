#include "web/WebOption.h"

#include "state/FileWriter.h"
#include "state/Properties.h"
#include "state/PropertyValues.h"
#include "state/SmallTextFile.h"

#include <algorithm>
#include <optional>
#include <QList>

namespace {

// "0" or "1"; anything else is no answer.
std::optional<bool> Flag(const QByteArray& text)
{
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

// A port the page may use, in digits alone: toUInt by itself also takes "+8188", " 8188" and "8188" followed
// by a NUL and anything (a file damaged in a crash).
std::optional<quint16> Port(const QByteArray& text)
{
    bool number = false;
    const uint port = text.toUInt(&number);
    const bool digits =
        !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && number && Property::InRange(Property::WebPort, port))
        return quint16(port);
    return std::nullopt;
}

} // namespace

WebOption ReadWebOption(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, 4096);
    if (file.status == SmallTextFile::Missing)
        return {};
    const char* const notUnderstood = "not understood, the web page stays off";
    if (file.status == SmallTextFile::Unreadable) {
        ComplainAboutFile(path, "not a readable regular file, the web page stays off");
        return {};
    }
    // Its last line read could be cut short ("WebPort=1024" of "WebPort=10240").
    if (file.cut) {
        ComplainAboutFile(path, notUnderstood);
        return {};
    }
    WebOption option;
    std::optional<bool> on, network;
    bool portRead = false;
    for (const QByteArray& line : file.Text().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        const qsizetype equals = trimmed.indexOf('=');
        const QByteArray key = trimmed.left(equals), value = trimmed.mid(equals + 1);
        if (equals > 0 && key == Property::WebControl.name && !on && Flag(value)) {
            on = Flag(value);
        } else if (equals > 0 && key == Property::WebNetwork.name && !network && Flag(value)) {
            network = Flag(value);
        } else if (equals > 0 && key == Property::WebPort.name && !portRead && Port(value)) {
            option.port = *Port(value);
            portRead = true;
        } else {
            ComplainAboutFile(path, notUnderstood);
            return {};
        }
    }
    option.on = on.value_or(false);
    option.network = network.value_or(false);
    return option;
}

QString WriteWebOption(const QString& path, const WebOption& option)
{
    // The keys are the bus's names of the same choices.
    const QByteArray text = QByteArray(Property::WebControl.name) + '=' + QByteArray::number(int(option.on)) +
                            '\n' + Property::WebNetwork.name + '=' + QByteArray::number(int(option.network)) +
                            '\n' + Property::WebPort.name + '=' + QByteArray::number(option.port) + '\n';
    return ReplaceFile(path, text, {FileWrite::Mode::Exactly, 0644});
}
