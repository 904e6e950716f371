#!/usr/bin/env python3
"""A UDP listener on 127.0.0.1 that writes each datagram it receives as one line
(Escape shown as <ESC>) and, given a port, hands it on to the keyer there and the
keyer's replies back to the sender.

    udp_relay.py PORT_FILE LOG_FILE [FORWARD_PORT]

It binds a free port and writes the number to PORT_FILE once it listens."""
import os
import select
import socket
import sys


def shown(data: bytes) -> str:
    out = []
    for b in data:
        if b == 27:
            out.append("<ESC>")
        elif 32 <= b < 127:
            out.append(chr(b))
        else:
            out.append("<%02X>" % b)
    return "".join(out)


def main() -> None:
    port_file, log_file = sys.argv[1], sys.argv[2]
    forward = int(sys.argv[3]) if len(sys.argv) > 3 else None
    inside = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    inside.bind(("127.0.0.1", 0))
    onward = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    onward.bind(("127.0.0.1", 0))
    with open(port_file + ".tmp", "w") as f:
        f.write(str(inside.getsockname()[1]))
    os.rename(port_file + ".tmp", port_file)
    client = None
    with open(log_file, "a", buffering=1) as log:
        while True:
            ready, _, _ = select.select([inside, onward], [], [])
            if inside in ready:
                data, client = inside.recvfrom(65536)
                log.write(shown(data) + "\n")
                if forward:
                    onward.sendto(data, ("127.0.0.1", forward))
            if onward in ready:
                data, _ = onward.recvfrom(65536)
                if client:
                    inside.sendto(data, client)


if __name__ == "__main__":
    main()
