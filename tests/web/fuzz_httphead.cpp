// A request head as any bytes: what the reader accepts holds only what HTTP allows there, and reads the
// same once written out again.
#include "fuzz/FuzzCheck.h"
#include "web/HttpHead.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const std::optional<HttpHead> head = ParseHttpHead(bytes);
    if (!head)
        return 0;
    FUZZ_CHECK(!head->method.isEmpty() && head->path.startsWith('/'));
    FUZZ_CHECK(!head->path.contains('?') && !(head->path + head->query).contains(' '));
    QByteArray written = head->method + ' ' + head->path + (bytes.contains('?') ? '?' + head->query : "") +
                         " HTTP/1." + QByteArray::number(head->minorVersion);
    for (const auto& [name, value] : head->fields) {
        FUZZ_CHECK(!name.isEmpty() && !name.contains(':') && !name.contains(' '));
        // No line ends or NULs in a value: what a reader further on takes for a new field or line.
        FUZZ_CHECK(!value.contains('\r') && !value.contains('\n') && !value.contains('\0'));
        FUZZ_CHECK(head->Count(name) >= 1);
        written += "\r\n" + name + ": " + value;
    }
    const std::optional<HttpHead> again = ParseHttpHead(written);
    FUZZ_CHECK(again && again->method == head->method && again->path == head->path &&
               again->query == head->query && again->minorVersion == head->minorVersion &&
               again->fields == head->fields);
    return 0;
}
