#include "companion/HIDApi.h"

#include "companion/HidId.h"

#include <errno.h>
#include <fcntl.h>
#include <libudev.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* Opens the first matching hidraw node that lets us write. *deniedNode receives a copy of the first node
 * that exists but refused us, so the caller can say once how to fix the permissions. */
static int openMatchingNode(struct udev* udev, int vendorId, int productId, char** deniedNode)
{
    int fd = -1;
    struct udev_enumerate* enumerate = udev_enumerate_new(udev);
    if (enumerate == NULL || udev_enumerate_add_match_subsystem(enumerate, "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate) < 0) {
        udev_enumerate_unref(enumerate);
        return -1;
    }
    struct udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        struct udev_device* node = udev_device_new_from_syspath(udev, udev_list_entry_get_name(entry));
        if (node == NULL)
            continue;
        /* The parent belongs to the node: it is released with it. */
        struct udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", NULL);
        const char* path = udev_device_get_devnode(node);
        if (hid != NULL && path != NULL &&
            HidIdMatches(udev_device_get_property_value(hid, "HID_ID"), vendorId, productId)) {
            fd = open(path, O_WRONLY | O_CLOEXEC);
            if (fd < 0 && (errno == EACCES || errno == EPERM) && *deniedNode == NULL)
                *deniedNode = strdup(path);
        }
        udev_device_unref(node);
        if (fd >= 0)
            break;
    }
    udev_enumerate_unref(enumerate);
    return fd;
}

int OpenHIDDevice(int vendorId, int productId, int reserved1, int reserved2, int flags)
{
    (void)reserved1;
    (void)reserved2;
    if ((flags & HIDAPI_OPEN_WRITE) == 0) {
        errno = EINVAL;
        return -1;
    }
    struct udev* udev = udev_new();
    if (udev == NULL) {
        errno = ENODEV;
        return -1;
    }
    char* deniedNode = NULL;
    const int fd = openMatchingNode(udev, vendorId, productId, &deniedNode);
    /* Decided before the hint and the clean-up, which may change errno. */
    const int failure = deniedNode != NULL ? EACCES : ENODEV;
    if (fd < 0 && deniedNode != NULL)
        fprintf(stderr,
                "libHIDApi: no permission to write %s: install the udev rule 70-tessaly.rules into "
                "/usr/lib/udev/rules.d/ (the tessaly package does), run 'sudo udevadm control --reload' and "
                "plug the transmitter in again\n",
                deniedNode);
    free(deniedNode);
    udev_unref(udev);
    if (fd < 0)
        errno = failure;
    return fd;
}

void CloseHIDDevice(int handle)
{
    if (handle >= 0)
        close(handle);
}
