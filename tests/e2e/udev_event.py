#!/usr/bin/env python3
"""udev_event.py ACTION SUBSYSTEM MAJOR:MINOR: announces a device event as the udev daemon does (needs root):
libudev's framing, with the subsystem hash its monitors filter on, to the netlink group they listen to."""
import socket
import struct
import sys


def murmur_hash2(data):
    m, h, tail = 0x5BD1E995, len(data), len(data) % 4
    for (k,) in struct.iter_unpack("<I", data[:len(data) - tail]):
        k = (k * m) & 0xFFFFFFFF
        h = ((h * m) & 0xFFFFFFFF) ^ (((k ^ (k >> 24)) * m) & 0xFFFFFFFF)
    if tail:
        h = ((h ^ int.from_bytes(data[-tail:], "little")) * m) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * m) & 0xFFFFFFFF
    return h ^ (h >> 15)


action, subsystem, node = sys.argv[1:4]
major, minor = node.split(":")
name = subsystem + minor
properties = (f"ACTION={action}\0DEVPATH=/devices/virtual/{subsystem}/{name}\0SUBSYSTEM={subsystem}\0"
              f"DEVNAME=/dev/{name}\0MAJOR={major}\0MINOR={minor}\0SEQNUM=1\0").encode()
header = (b"libudev\0" + struct.pack(">I", 0xFEEDCAFE) + struct.pack("=III", 40, 40, len(properties)) +
          struct.pack(">IIII", murmur_hash2(subsystem.encode()), 0, 0, 0))
with socket.socket(socket.AF_NETLINK, socket.SOCK_RAW, 15) as sender:  # NETLINK_KOBJECT_UEVENT
    sender.sendto(header + properties, (0, 2))  # the group udev monitors listen to
