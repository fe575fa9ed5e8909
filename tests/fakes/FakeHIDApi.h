#pragma once

/* A stand-in for the companion library, built as its own libHIDApi.so in build/tests/fake/.
 *
 * OpenHIDDevice hands out one end of socketpair(AF_UNIX, SOCK_SEQPACKET). The other end, the peer, stays
 * with the fake: every report the program writes arrives there as one message, stamped by the kernel with
 * its send time. Closing the peer makes the program's next write fail.
 *
 * In-process tests link this library. The program's dlopen("libHIDApi.so") then finds it already loaded
 * (same soname), and the test steers it with the FakeHid functions below.
 *
 * End-to-end tests run the real executable with LD_LIBRARY_PATH pointing at this library's directory and
 * TESSALY_FAKE_HID_LOG naming a file. The fake appends one line per event to that file:
 *   "OpenHIDDevice <vendor> <product> <reserved1> <reserved2> <flags>"   each call, in decimal
 *   "report <microseconds> <hex bytes>"                                   each report the handle received,
 *                                                                         written when the handle is closed
 *   "CloseHIDDevice"                                                      each call with the open handle
 *
 * With TESSALY_FAKE_HID_SOCKET naming a listening AF_UNIX SOCK_SEQPACKET socket, OpenHIDDevice instead
 * connects to it and hands out that connection: the listener (the benchmark runner) receives each report the
 * moment it is written. No peer exists then.
 *
 * With TESSALY_FAKE_HID_NODE naming a character device (/dev/null), OpenHIDDevice hands out that node opened
 * for writing, so the handle has a device number as a real hidraw node does. No peer exists then either.
 *
 * With TESSALY_FAKE_HID_FAIL_WRITES holding an errno value, the handles fail their writes as after
 * FakeHid_FailWritesWith.
 *
 * With TESSALY_FAKE_HID_STALL set, the handles stall their writes as after
 * FakeHid_FailWritesWith(FAKEHID_STALLED_WRITE).
 *
 * With TESSALY_FAKE_HID_DENIED set, the transmitter is present but may not be opened: OpenHIDDevice returns
 * -1 with errno EACCES, as without the udev rule (FakeHid_SetDenied in process).
 *
 * With TESSALY_FAKE_HID_FEW_BUFFERS set when OpenHIDDevice runs, a handle holds only six reports its peer has
 * not read, as a transmitter's few receive buffers do: while the peer (the test, or the listener) stops
 * reading, the next write stalls until it reads again.
 */

#include "companion/HIDApi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* 0: OpenHIDDevice returns -1 with errno ENODEV, as when the transmitter is unplugged. Present at load. */
HIDAPI_EXPORT void FakeHid_SetPresent(int present);
/* 1: OpenHIDDevice returns -1 with errno EACCES, as for a transmitter its user may not write to. */
HIDAPI_EXPORT void FakeHid_SetDenied(int denied);

/* Closes the peer of the open handle, so the program's writes fail. */
HIDAPI_EXPORT void FakeHid_ClosePeer(void);

/* 1 to 99: every handle OpenHIDDevice hands out from now on fails each write with that errno (EIO, ENODEV,
 * ...) as a broken transmitter would; 0: handles work again. The handle is placed at descriptor
 * 900 + errnoValue, and a seccomp filter, installed for the rest of the process on first use, makes write(2)
 * to that descriptor fail. Returns -1 for a value out of range. */
HIDAPI_EXPORT int FakeHid_FailWritesWith(int errnoValue);
/* For FakeHid_FailWritesWith: each write takes only half the report, and says so. */
#define FAKEHID_SHORT_WRITE 100
/* For FakeHid_FailWritesWith: a transmitter that stopped reading, on usbhid. Each write waits 5 s, which no
 * signal shortens, then fails with ETIMEDOUT; CloseHIDDevice, and the end of the process, wait for a write in
 * flight. The log gets "stalled <hex bytes>" as each write begins. */
#define FAKEHID_STALLED_WRITE 101

/* Takes the next report from the peer without waiting. Returns its length (the report is cut to size), 0 once
 * the program closed the handle and every report was taken, -1 when nothing is waiting or no peer exists.
 * *sentAtNs receives the send time in nanoseconds of CLOCK_REALTIME. */
HIDAPI_EXPORT int FakeHid_ReadReport(unsigned char* report, int size, long long* sentAtNs);

/* Calls so far, the arguments of the last OpenHIDDevice, the handle it last gave and the handle of the last
 * CloseHIDDevice. */
HIDAPI_EXPORT int FakeHid_OpenCalls(void);
HIDAPI_EXPORT void FakeHid_LastOpenArguments(int arguments[5]);
HIDAPI_EXPORT int FakeHid_LastOpenedHandle(void);
HIDAPI_EXPORT int FakeHid_CloseCalls(void);
HIDAPI_EXPORT int FakeHid_LastClosedHandle(void);

/* Back to the state at load: present and allowed, writes working, no calls recorded, peer closed. Open
 * handles stay the program's. */
HIDAPI_EXPORT void FakeHid_Reset(void);

#ifdef __cplusplus
}
#endif
