// Injected file-system failures, linked into a test, whose definitions then stand in front of the C
// library's for the program's code linked with it (a preload would do the same for a whole program, but not
// before a sanitizer's runtime). TESSALY_FAIL_IO set to
// "CALL:ERRNO:PART" makes every CALL (open, write, fsync, close or rename) on a path containing PART fail
// with ERRNO (ENOSPC, EIO, EROFS or EACCES), as a full, failing or read-only disk would. The path is the one
// opened or renamed to, or the one an open descriptor names. Read again at each call, so a test may change it
// as it goes.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int injected(const char* call, const char* path)
{
    const char* rule = getenv("TESSALY_FAIL_IO");
    size_t length = strlen(call);
    if (!rule || !path || strncmp(rule, call, length) != 0 || rule[length] != ':')
        return 0;
    const char* error = rule + length + 1;
    const char* part = strchr(error, ':');
    if (!part || !strstr(path, part + 1))
        return 0;
    static const struct
    {
        const char* name;
        int value;
    } errors[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EROFS", EROFS}, {"EACCES", EACCES}};
    for (size_t i = 0; i < sizeof errors / sizeof errors[0]; ++i) {
        if (strncmp(error, errors[i].name, (size_t)(part - error)) == 0 &&
            strlen(errors[i].name) == (size_t)(part - error))
            return errors[i].value;
    }
    return 0;
}

static int injectedOnDescriptor(const char* call, int fd)
{
    if (!getenv("TESSALY_FAIL_IO"))
        return 0;
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0)
        return 0;
    path[length] = '\0';
    return injected(call, path);
}

typedef void (*Function)(void);

// The C library's own function of that name; copied, as ISO C has no cast from dlsym's object pointer.
static Function next(const char* symbol)
{
    void* found = dlsym(RTLD_NEXT, symbol);
    Function function;
    memcpy(&function, &found, sizeof function);
    return function;
}

#define REAL(name) ((__typeof__(&name))next(#name))

static int openWith(const char* symbol, const char* path, int flags, mode_t mode)
{
    const int error = injected("open", path);
    if (error) {
        errno = error;
        return -1;
    }
    int (*real)(const char*, int, ...) = (int (*)(const char*, int, ...))next(symbol);
    return real(path, flags, mode);
}

int open(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    return openWith("open", path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    return openWith("open64", path, flags, mode);
}

ssize_t write(int fd, const void* bytes, size_t count)
{
    const int error = injectedOnDescriptor("write", fd);
    if (error) {
        errno = error;
        return -1;
    }
    return REAL(write)(fd, bytes, count);
}

int fsync(int fd)
{
    const int error = injectedOnDescriptor("fsync", fd);
    if (error) {
        errno = error;
        return -1;
    }
    return REAL(fsync)(fd);
}

// As the kernel does: the descriptor is gone even when close reports an error.
int close(int fd)
{
    const int error = injectedOnDescriptor("close", fd);
    const int closed = REAL(close)(fd);
    if (error) {
        errno = error;
        return -1;
    }
    return closed;
}

int rename(const char* from, const char* to)
{
    const int error = injected("rename", to);
    if (error) {
        errno = error;
        return -1;
    }
    return REAL(rename)(from, to);
}
