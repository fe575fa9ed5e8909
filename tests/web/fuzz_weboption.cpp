// Web.ini as any bytes: the choices read are always ones the page can be served with, and read back the same
// from the lines that store them.
#include "fuzz/FuzzCheck.h"
#include "state/Properties.h"
#include "web/WebOption.h"

#include <QMap>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const WebOption option = ReadWebOption(FuzzInputFile(bytes));
    FUZZ_CHECK(option.port >= Property::WebPort.lowest);
    // Switched on only by a file that says so.
    if (option.on)
        FUZZ_CHECK(bytes.contains("WebControl=1"));
    const QByteArray lines = "WebControl=" + QByteArray::number(int(option.on)) +
                             "\nWebNetwork=" + QByteArray::number(int(option.network)) +
                             "\nWebPort=" + QByteArray::number(option.port) + '\n';
    // Choices other than the defaults come from a file whose every line says one of them.
    if (!(option == WebOption{})) {
        const QMap<QByteArray, uint> stored{
            {"WebControl", option.on}, {"WebNetwork", option.network}, {"WebPort", option.port}};
        for (const QByteArray& line : bytes.split('\n')) {
            const QList<QByteArray> keyValue = line.trimmed().split('=');
            bool number = false;
            FUZZ_CHECK(line.trimmed().isEmpty() ||
                       (keyValue.size() == 2 && stored.contains(keyValue[0]) &&
                        keyValue[1].toUInt(&number) == stored[keyValue[0]] && number));
        }
    }
    FUZZ_CHECK(ReadWebOption(FuzzInputFile(lines)) == option);
    return 0;
}
