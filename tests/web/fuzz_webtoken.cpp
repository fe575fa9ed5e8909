// The token file as any bytes, kept private: a token stored there is used as it is, anything else (a token
// among other text, or in a file longer than any token file, included) gives a new one; either way the token
// is 32 lowercase hex digits and the next start finds the same.
#include "fuzz/FuzzCheck.h"
#include "web/WebToken.h"

namespace {

bool IsToken(const QByteArray& text)
{
    return text.size() == 32 && QByteArray::fromHex(text).toHex() == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = FuzzInputFile(bytes);
    FUZZ_CHECK(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QByteArray token = LoadWebToken(path);
    FUZZ_CHECK(IsToken(token));
    // Longer than any token file: damaged, whatever it holds.
    if (IsToken(bytes.trimmed()) && bytes.size() <= 4096)
        FUZZ_CHECK(token == bytes.trimmed());
    else
        FUZZ_CHECK(!bytes.contains(token));
    FUZZ_CHECK(LoadWebToken(path) == token);
    return 0;
}
