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


def owner_loads(port, cookie):
    """Empty when the whole page came within the time, else what happened instead."""
    received = b""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=answer_time) as sock:
            sock.settimeout(answer_time)
            sock.sendall(head(port, cookie + b"Connection: close\r\n\r\n"))
            while data := sock.recv(65536):
                received += data
    except OSError as error:
        return type(error).__name__
    return "" if received.startswith(b"HTTP/1.1 200 ") and b"</html>" in received else repr(received[:12])


def open_page(port, cookie):
    """The owner's page: its WebSocket, open."""
    sock = socket.create_connection(("127.0.0.1", port), timeout=10)
    key = base64.b64encode(os.urandom(16))
    sock.sendall(b"GET /socket HTTP/1.1\r\nHost: 127.0.0.1:%d\r\n%sOrigin: http://127.0.0.1:%d\r\n"
                 b"Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                 b"Sec-WebSocket-Key: %s\r\n\r\n" % (port, cookie, port, key))
    if not sock.recv(12).startswith(b"HTTP/1.1 101"):
        raise SystemExit("FAIL: the owner's page did not open")
    return sock


def page_answers(page):
    """A change the page may not make, which the server answers with its refusal (the server's frames
    are unmasked, so its words are read as they come)."""
    message, mask = b'{"set":"Nothing","value":1}', os.urandom(4)
    masked = bytes(byte ^ mask[i % 4] for i, byte in enumerate(message))
    received = b""
    try:
        page.settimeout(answer_time)
        page.sendall(bytes([0x81, 0x80 | len(message)]) + mask + masked)
        while b"refused" not in received:
            data = page.recv(65536)
            if not data:
                return False
            received += data
        return True
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
    page.close()
    return 1 if failed else 0


if __name__ == "__main__":
    if sys.argv[1] == "attack":
        attack(sys.argv[2], int(sys.argv[3]), float(sys.argv[4]))
    else:
        sys.exit(owner(sys.argv[1]))
