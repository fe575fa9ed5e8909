#include "FakeHIDApi.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static int present = 1;
static int peer = -1;
static int openCalls;
static int lastOpenArguments[5];
static int closeCalls;
static int lastClosedHandle = -1;

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

int OpenHIDDevice(int vendorId, int productId, int reserved1, int reserved2, int flags)
{
    ++openCalls;
    const int arguments[5] = {vendorId, productId, reserved1, reserved2, flags};
    memcpy(lastOpenArguments, arguments, sizeof arguments);
    char line[128];
    snprintf(line, sizeof line, "OpenHIDDevice %d %d %d %d %d\n", vendorId, productId, reserved1, reserved2,
             flags);
    appendToLog(line);

    if (!present)
        return -1;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return -1;
    const int on = 1;
    setsockopt(ends[1], SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    FakeHid_ClosePeer();
    peer = ends[1];
    return ends[0];
}

void CloseHIDDevice(int handle)
{
    ++closeCalls;
    lastClosedHandle = handle;
    if (handle < 0)
        return;
    close(handle);
    logPendingReports();
    appendToLog("CloseHIDDevice\n");
}

void FakeHid_SetPresent(int isPresent)
{
    present = isPresent;
}

void FakeHid_ClosePeer(void)
{
    if (peer >= 0)
        close(peer);
    peer = -1;
}

int FakeHid_ReadReport(unsigned char* report, int size, long long* sentAtNs)
{
    if (peer < 0)
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
    const ssize_t length = recvmsg(peer, &message, MSG_DONTWAIT);
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

int FakeHid_LastClosedHandle(void)
{
    return lastClosedHandle;
}

void FakeHid_Reset(void)
{
    present = 1;
    FakeHid_ClosePeer();
    openCalls = 0;
    memset(lastOpenArguments, 0, sizeof lastOpenArguments);
    closeCalls = 0;
    lastClosedHandle = -1;
}
