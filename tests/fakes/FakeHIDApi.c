#define _GNU_SOURCE /* dup3 */

#include "FakeHIDApi.h"

#include <errno.h>
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <pthread.h>
#include <signal.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

static int present = 1;
static int denied;
/* The program closes its handles on a thread of its own: the peer is used under this lock. */
static pthread_mutex_t peerLock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
static int peer = -1;
static int peerHandle = -1;
static int openCalls;
static int lastOpenArguments[5];
static int closeCalls;
static int lastClosedHandle = -1;
static int lastOpenedHandle = -1;
static int failWritesWith;

enum
{
    FailingHandleBase = 900
};

static void appendToLog(const char* line);

/* A stalled write in flight, and how many have ended: a close, and the end of the process, wait for one. */
static pthread_mutex_t stallLock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t stallEnded = PTHREAD_COND_INITIALIZER;
static int stalling;
static unsigned stallsEnded;

enum
{
    StallSeconds = 5 /* usbhid's output-report time-out */
};

/* As usbhid with a transmitter that stopped reading: the write waits its whole time-out, whatever signal
 * comes (the handler runs with every signal blocked, and a wake-up sleeps on to the deadline), then fails
 * with ETIMEDOUT. */
static long stallWrite(const unsigned char* report, long length)
{
    pthread_mutex_lock(&stallLock);
    stalling = 1;
    pthread_mutex_unlock(&stallLock);
    char line[32 + 2 * 64] = "stalled ";
    size_t used = strlen(line);
    for (long i = 0; i < length && i < 64; ++i)
        used += (size_t)snprintf(line + used, sizeof line - used, "%02X", report[i]);
    snprintf(line + used, sizeof line - used, "\n");
    appendToLog(line);
    struct timespec deadline;
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += StallSeconds;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, NULL) == EINTR)
        ;
    pthread_mutex_lock(&stallLock);
    stalling = 0;
    ++stallsEnded;
    pthread_cond_broadcast(&stallEnded);
    pthread_mutex_unlock(&stallLock);
    return -ETIMEDOUT;
}

/* A trapped write stalls on the stalling descriptor; elsewhere it returns half its length, as if the device
 * took that much. */
static void trapWrite(int signalNumber, siginfo_t* info, void* context)
{
    (void)signalNumber;
    (void)info;
    mcontext_t* registers = &((ucontext_t*)context)->uc_mcontext;
#if defined(__x86_64__)
    greg_t* const result = &registers->gregs[REG_RAX];
    const long fd = registers->gregs[REG_RDI];
    const unsigned char* const report = (const unsigned char*)registers->gregs[REG_RSI];
    const long length = registers->gregs[REG_RDX];
#elif defined(__aarch64__)
    unsigned long long* const result = &registers->regs[0];
    const long fd = (long)registers->regs[0];
    const unsigned char* const report = (const unsigned char*)registers->regs[1];
    const long length = (long)registers->regs[2];
#endif
    *result = fd == FailingHandleBase + FAKEHID_STALLED_WRITE ? stallWrite(report, length) : length / 2;
}

/* Makes every write(2) to descriptor fd fail with errnoValue (or take half, for FAKEHID_SHORT_WRITE), for the
 * rest of the process. */
static int installWriteFailure(int fd, int errnoValue)
{
#if defined(__x86_64__)
    const unsigned int arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    const unsigned int arch = AUDIT_ARCH_AARCH64;
#else
    (void)fd;
    (void)errnoValue;
    return -1;
#endif
#if defined(__x86_64__) || defined(__aarch64__)
    const int trapped = errnoValue == FAKEHID_SHORT_WRITE || errnoValue == FAKEHID_STALLED_WRITE;
    struct sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_write, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        /* The low half of the first argument, the descriptor (little-endian targets only above). */
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, (unsigned int)fd, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, trapped
                                      ? SECCOMP_RET_TRAP
                                      : SECCOMP_RET_ERRNO | ((unsigned int)errnoValue & SECCOMP_RET_DATA)),
    };
    struct sigaction trap = {.sa_sigaction = trapWrite, .sa_flags = SA_SIGINFO};
    sigfillset(&trap.sa_mask);
    if (trapped && sigaction(SIGSYS, &trap, NULL) != 0)
        return -1;
    struct sock_fprog filter = {(unsigned short)(sizeof program / sizeof program[0]), program};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return -1;
    /* For every thread: the program writes on a thread of its own, which may already run. */
    return syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_TSYNC, &filter) == 0 ? 0 : -1;
#endif
}

/* Moves a fresh handle to the descriptor reserved for the chosen error, filtered on first use. */
static int failingHandle(int handle)
{
    static int filtered[256];
    const int reserved = FailingHandleBase + failWritesWith;
    if (fcntl(reserved, F_GETFD) != -1)
        return -1; /* the last failing handle is not closed yet */
    if (!filtered[failWritesWith]) {
        if (installWriteFailure(reserved, failWritesWith) != 0)
            return -1;
        filtered[failWritesWith] = 1;
    }
    if (dup3(handle, reserved, O_CLOEXEC) < 0)
        return -1;
    close(handle);
    return reserved;
}

static void appendToLog(const char* line)
{
    const char* path = getenv("TESSALY_FAKE_HID_LOG");
    if (path == NULL)
        return;
    FILE* log = fopen(path, "a");
    if (log == NULL)
        return;
    fputs(line, log);
    fclose(log);
}

/* Only when logging: in-process tests read the peer themselves. */
static void logPendingReports(void)
{
    if (getenv("TESSALY_FAKE_HID_LOG") == NULL)
        return;
    unsigned char report[64];
    long long sentAtNs;
    int length;
    while ((length = FakeHid_ReadReport(report, (int)sizeof report, &sentAtNs)) > 0) {
        char line[64 + 2 * sizeof report];
        int used = snprintf(line, sizeof line, "report %lld ", sentAtNs / 1000);
        for (int i = 0; i < length; ++i)
            used += snprintf(line + used, sizeof line - (size_t)used, "%02X", report[i]);
        snprintf(line + used, sizeof line - (size_t)used, "\n");
        appendToLog(line);
    }
}

/* TESSALY_FAKE_HID_FEW_BUFFERS: the least send buffer the system allows holds six reports. */
static void takeFewReports(int handle)
{
    const int least = 1; /* the system's minimum */
    if (getenv("TESSALY_FAKE_HID_FEW_BUFFERS") != NULL)
        setsockopt(handle, SOL_SOCKET, SO_SNDBUF, &least, sizeof least);
}

/* A process that ends without closing the device (exit() called deep inside a library) still shows what
   it sent before. */
__attribute__((destructor)) static void logReportsAtExit(void)
{
    logPendingReports();
}

/* The handle is a connection to a process outside, which takes the reports as they are written. */
static int connectToListener(const char* path)
{
    struct sockaddr_un address;
    memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (strlen(path) >= sizeof address.sun_path)
        return -1;
    strcpy(address.sun_path, path);
    const int handle = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (handle < 0)
        return -1;
    takeFewReports(handle);
    if (connect(handle, (const struct sockaddr*)&address, sizeof address) != 0) {
        close(handle);
        return -1;
    }
    return handle;
}

/* Until the stalled write in flight, if any, has returned. */
static void waitForStalledWrite(void)
{
    pthread_mutex_lock(&stallLock);
    const unsigned seen = stallsEnded;
    while (stalling && stallsEnded == seen)
        pthread_cond_wait(&stallEnded, &stallLock);
    pthread_mutex_unlock(&stallLock);
}

/* The kernel lets a process whose thread sits in a stalled write end only once that write has returned. */
__attribute__((destructor)) static void endAfterStalledWrite(void)
{
    waitForStalledWrite();
}

static int openDevice(int vendorId, int productId, int reserved1, int reserved2, int flags)
{
    ++openCalls;
    const int arguments[5] = {vendorId, productId, reserved1, reserved2, flags};
    memcpy(lastOpenArguments, arguments, sizeof arguments);
    char line[128];
    snprintf(line, sizeof line, "OpenHIDDevice %d %d %d %d %d\n", vendorId, productId, reserved1, reserved2,
             flags);
    appendToLog(line);

    if (!present) {
        errno = ENODEV;
        return -1;
    }
    if (denied || getenv("TESSALY_FAKE_HID_DENIED") != NULL) {
        errno = EACCES;
        return -1;
    }
    const char* listener = getenv("TESSALY_FAKE_HID_SOCKET");
    if (listener != NULL)
        return connectToListener(listener);
    const char* node = getenv("TESSALY_FAKE_HID_NODE");
    if (node != NULL)
        return open(node, O_WRONLY | O_CLOEXEC);
    const char* failure = getenv("TESSALY_FAKE_HID_FAIL_WRITES");
    if (failure != NULL)
        FakeHid_FailWritesWith(atoi(failure));
    if (getenv("TESSALY_FAKE_HID_STALL") != NULL)
        FakeHid_FailWritesWith(FAKEHID_STALLED_WRITE);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return -1;
    const int on = 1;
    setsockopt(ends[1], SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    takeFewReports(ends[0]);
    const int handle = failWritesWith == 0 ? ends[0] : failingHandle(ends[0]);
    if (handle < 0) {
        close(ends[0]);
        close(ends[1]);
        return -1;
    }
    pthread_mutex_lock(&peerLock);
    FakeHid_ClosePeer();
    peer = ends[1];
    peerHandle = handle;
    pthread_mutex_unlock(&peerLock);
    return handle;
}

int OpenHIDDevice(int vendorId, int productId, int reserved1, int reserved2, int flags)
{
    const int handle = openDevice(vendorId, productId, reserved1, reserved2, flags);
    if (handle >= 0)
        lastOpenedHandle = handle;
    return handle;
}

void CloseHIDDevice(int handle)
{
    ++closeCalls;
    lastClosedHandle = handle;
    if (handle < 0)
        return;
    /* As hidraw's release: a close waits for the write in flight on the handle. */
    waitForStalledWrite();
    pthread_mutex_lock(&peerLock);
    close(handle);
    if (handle == peerHandle)
        logPendingReports();
    pthread_mutex_unlock(&peerLock);
    appendToLog("CloseHIDDevice\n");
}

void FakeHid_SetPresent(int isPresent)
{
    present = isPresent;
}

void FakeHid_SetDenied(int isDenied)
{
    denied = isDenied;
}

int FakeHid_FailWritesWith(int errnoValue)
{
    if (errnoValue < 0 || errnoValue > FAKEHID_STALLED_WRITE)
        return -1;
    failWritesWith = errnoValue;
    return 0;
}

void FakeHid_ClosePeer(void)
{
    pthread_mutex_lock(&peerLock);
    if (peer >= 0)
        close(peer);
    peer = -1;
    pthread_mutex_unlock(&peerLock);
}

int FakeHid_ReadReport(unsigned char* report, int size, long long* sentAtNs)
{
    pthread_mutex_lock(&peerLock);
    const int from = peer;
    pthread_mutex_unlock(&peerLock);
    if (from < 0)
        return -1;
    union {
        char buffer[CMSG_SPACE(sizeof(struct timespec))];
        struct cmsghdr align;
    } control;
    struct iovec data = {report, (size_t)size};
    struct msghdr message;
    memset(&message, 0, sizeof message);
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control.buffer;
    message.msg_controllen = sizeof control.buffer;
    const ssize_t length = recvmsg(from, &message, MSG_DONTWAIT);
    if (length < 0)
        return -1;
    *sentAtNs = 0;
    for (struct cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_TIMESTAMPNS) {
            struct timespec sentAt;
            memcpy(&sentAt, CMSG_DATA(header), sizeof sentAt);
            *sentAtNs = (long long)sentAt.tv_sec * 1000000000LL + sentAt.tv_nsec;
        }
    }
    return (int)length;
}

int FakeHid_OpenCalls(void)
{
    return openCalls;
}

void FakeHid_LastOpenArguments(int arguments[5])
{
    memcpy(arguments, lastOpenArguments, sizeof lastOpenArguments);
}

int FakeHid_CloseCalls(void)
{
    return closeCalls;
}

int FakeHid_LastOpenedHandle(void)
{
    return lastOpenedHandle;
}

int FakeHid_LastClosedHandle(void)
{
    return lastClosedHandle;
}

void FakeHid_Reset(void)
{
    present = 1;
    denied = 0;
    FakeHid_ClosePeer();
    openCalls = 0;
    memset(lastOpenArguments, 0, sizeof lastOpenArguments);
    closeCalls = 0;
    lastClosedHandle = -1;
    lastOpenedHandle = -1;
    failWritesWith = 0;
}
