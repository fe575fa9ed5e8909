"""Attacks that once locked the owner out of the phone page, each run against the page on 127.0.0.1 while
the owner loads the page again and again and talks on an open page: the owner must be served within 1 s
in at least 95 % of tries.

Usage: web_attack.py ADDRESS                    (the owner's side; starts each attacker itself)
       web_attack.py attack SHAPE PORT SECONDS  (an attacker, bounded in time and in connections)
"""
import base64
import os
import selectors
import socket
import subprocess
import sys
import time

# More than the page's places, so that every one is taken.
attackers = 40
# At most this many connections a second, so the attack stays bounded whatever the server does.
most_connects_per_second = 200
answer_time = 1.0


def head(port, extra=b""):
    return b"GET / HTTP/1.1\r\nHost: 127.0.0.1:%d\r\n%s" % (port, extra)


def attack(shape, port, seconds):
    """idle: each connection sends a request without the token when opened and every 25 s; slow: each
    sends half a head and a byte now and then. Both reopen at once what the server closes."""
    chooser = selectors.DefaultSelector()
    end = time.monotonic() + seconds
    connects, budget_start, reported = 0, time.monotonic(), False

    def open_one():
        nonlocal connects
        connection = socket.socket()
        connection.setblocking(False)
        connection.connect_ex(("127.0.0.1", port))
        first = head(port, b"\r\n") if shape == "idle" else head(port)
        chooser.register(connection, selectors.EVENT_READ, [first, time.monotonic()])
        connects += 1

    while time.monotonic() < end:
        while len(chooser.get_map()) < attackers and connects < (
                time.monotonic() - budget_start + 1) * most_connects_per_second:
            open_one()
        if not reported and connects >= attackers:
            print("ready", flush=True)
            reported = True
        now = time.monotonic()
        for key in list(chooser.get_map().values()):
            pending, due = key.data
            if now >= due:
                try:
                    key.fileobj.send(pending)
                except OSError:  # still connecting: sent on a later round
                    continue
                key.data[0] = head(port, b"\r\n") if shape == "idle" else b"X"
                key.data[1] = now + (25 if shape == "idle" else 5)
        for key, _ in chooser.select(0.05):
            try:
                data = key.fileobj.recv(65536)
            except (BlockingIOError, InterruptedError):
                continue
            except OSError:
                data = b""
            if not data:
                chooser.unregister(key.fileobj)
                key.fileobj.close()
    print("connects", connects, flush=True)


def answered(sock):
    """Reads one whole HTTP answer; its status, or 0."""
    received = b""
    while b"\r\n\r\n" not in received:
        data = sock.recv(65536)
        if not data:
            return 0
        received += data
    top, _, body = received.partition(b"\r\n\r\n")
    length = 0
    for line in top.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value)
    while len(body) < length:
        data = sock.recv(65536)
        if not data:
            return 0
        body += data
    return int(top[9:12]) if b"<html" in body else 0


def owner_loads(port, cookie):
    """Empty when the page came within the time, else what happened instead."""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=answer_time) as sock:
            sock.settimeout(answer_time)
            sock.sendall(head(port, cookie + b"Connection: close\r\n\r\n"))
            status = answered(sock)
            return "" if status == 200 else "status %d" % status
    except OSError as error:
        return type(error).__name__


def open_page(port, cookie):
    """The owner's page, its WebSocket open and its first state read."""
    sock = socket.create_connection(("127.0.0.1", port), timeout=10)
    key = base64.b64encode(os.urandom(16))
    sock.sendall(b"GET /socket HTTP/1.1\r\nHost: 127.0.0.1:%d\r\n%sOrigin: http://127.0.0.1:%d\r\n"
                 b"Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                 b"Sec-WebSocket-Key: %s\r\n\r\n" % (port, cookie, port, key))
    received = b""
    while b"\r\n\r\n" not in received:
        received += sock.recv(4096)
    if not received.startswith(b"HTTP/1.1 101"):
        raise SystemExit("FAIL: the owner's page did not open: %r" % received[:40])
    page = {"sock": sock, "rest": received.partition(b"\r\n\r\n")[2]}
    frame(page)
    return page


def frame(page):
    """One unmasked text frame from the server (short lengths only: the page's messages are small)."""
    sock = page["sock"]
    while True:
        if len(page["rest"]) >= 2:
            length = page["rest"][1] & 0x7F
            size = 4 if length == 126 else 2
            if length == 126 and len(page["rest"]) >= 4:
                length = int.from_bytes(page["rest"][2:4], "big")
            if len(page["rest"]) >= size + length:
                payload, page["rest"] = page["rest"][size:size + length], page["rest"][size + length:]
                return payload
        data = sock.recv(65536)
        if not data:
            raise OSError("closed")
        page["rest"] += data


def page_answers(page):
    """A change the page may not make, which the server answers with its refusal."""
    message = b'{"set":"Nothing","value":1}'
    mask = os.urandom(4)
    masked = bytes(byte ^ mask[i % 4] for i, byte in enumerate(message))
    try:
        page["sock"].settimeout(answer_time)
        page["sock"].sendall(bytes([0x81, 0x80 | len(message)]) + mask + masked)
        return b"refused" in frame(page)
    except OSError:
        return False


def owner(address):
    port = int(address.split(":")[2].split("/")[0])
    cookie = b"Cookie: tessaly_token=%s\r\n" % address.split("token=")[1].encode()
    page = open_page(port, cookie)
    failed = False
    for shape in ("idle", "slow"):
        attacker = subprocess.Popen([sys.executable, __file__, "attack", shape, str(port), "25"],
                                    stdout=subprocess.PIPE, text=True)
        if attacker.stdout.readline().strip() != "ready":
            raise SystemExit("FAIL: the %s attacker did not start" % shape)
        loads = talks = tries = 0
        missed = {}
        while attacker.poll() is None and tries < 200:
            tries += 1
            why = owner_loads(port, cookie)
            loads += not why
            if why:
                missed[why] = missed.get(why, 0) + 1
            talks += page_answers(page)
            time.sleep(0.2)
        connects = attacker.communicate()[0].strip()
        print("%s: the owner loaded the page %d of %d times (missed: %s), the open page answered %d of %d; "
              "attacker's %s" % (shape, loads, tries, missed or "none", talks, tries, connects))
        failed = failed or tries < 20 or loads < 0.95 * tries or talks < 0.95 * tries
    page["sock"].close()
    return 1 if failed else 0


if __name__ == "__main__":
    if sys.argv[1] == "attack":
        attack(sys.argv[2], int(sys.argv[3]), float(sys.argv[4]))
    else:
        sys.exit(owner(sys.argv[1]))
