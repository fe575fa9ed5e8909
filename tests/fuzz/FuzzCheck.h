#pragma once

// What fuzz targets share: a check that stops the run on a broken property, and the input as a file for the
// readers that take a path.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

extern "C" __attribute__((weak)) void __sanitizer_report_error_summary(const char* summary);

// Aborts, which libFuzzer takes as a crash and keeps the input for. The message also goes where the
// sanitizers report, as libFuzzer may have closed stderr (-close_fd_mask) to quieten a target.
[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    char message[512];
    std::snprintf(message, sizeof message, "fuzz check failed at %s:%d: %s", file, line, condition);
    std::fprintf(stderr, "%s\n", message);
    if (__sanitizer_report_error_summary)
        __sanitizer_report_error_summary(message);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? void() : FuzzCheckFailed(#condition, __FILE__, __LINE__))

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A file holding bytes, in a directory of this process's own, made anew for each input: ext4 writes a file
// cut to nothing and refilled out to disk at once, which would take most of a run's time.
inline QString FuzzInputFile(const QByteArray& bytes)
{
    static const QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("input"));
    QFile::remove(path);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::NewOnly));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    return path;
}
