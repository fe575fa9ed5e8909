#pragma once

/* The companion library: the only code that knows how to find the transmitter. The program loads it at run
 * time by its bare name and looks both entry points up by name; test stand-ins build against this header. */

#ifdef __cplusplus
extern "C" {
#endif

#define HIDAPI_EXPORT __attribute__((visibility("default")))

/* Bit of OpenHIDDevice's flags: open the node for writing output reports. Reading is not offered, so a call
 * without this bit returns -1; the other bits are ignored. */
#define HIDAPI_OPEN_WRITE 1

/* Returns a file descriptor open for writing on the transmitter's hidraw node, or -1 with errno set: EACCES
 * (or EPERM) when a matching node exists but none of them may be opened, ENODEV when none exists, EINVAL
 * without HIDAPI_OPEN_WRITE.
 * vendorId and productId name the USB device (the program passes 0x046D and 0x0A0E); any bus matches.
 * reserved1 and reserved2 are ignored: callers pass 0. flags: HIDAPI_OPEN_WRITE (the program passes 1).
 * Each write of the descriptor sends one output report, report ID first. The caller owns the descriptor
 * and gives it back with CloseHIDDevice. */
HIDAPI_EXPORT int OpenHIDDevice(int vendorId, int productId, int reserved1, int reserved2, int flags);

/* Closes a descriptor from OpenHIDDevice; a negative handle is ignored. */
HIDAPI_EXPORT void CloseHIDDevice(int handle);

#ifdef __cplusplus
}
#endif
