#!/usr/bin/env python3
"""The other end of the contact broadcast in the e2e tests.

  udp_sink.py listen DIR       binds 127.0.0.1 on a free port, writes the port to
                               DIR/port and each datagram to DIR/NNN.xml
  udp_sink.py check FILE ROOT LOGLINE [ID]
                               FILE must be well-formed XML with root ROOT telling the
                               contact of LOGLINE (a log.txt line); ID, when given, must
                               be its ID. Prints the ID.
"""
import os
import socket
import sys
import xml.etree.ElementTree as ET
from datetime import datetime

BANDS = {"160": "1.8", "80": "3.5", "40": "7", "20": "14", "15": "21", "10": "28"}


def listen(folder):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", 0))
    with open(os.path.join(folder, "port.tmp"), "w") as f:
        f.write(str(sock.getsockname()[1]))
    os.rename(os.path.join(folder, "port.tmp"), os.path.join(folder, "port"))
    n = 0
    while True:
        data, _ = sock.recvfrom(65536)
        n += 1
        tmp = os.path.join(folder, "%03d.tmp" % n)
        with open(tmp, "wb") as f:
            f.write(data)
        os.rename(tmp, os.path.join(folder, "%03d.xml" % n))


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def check(path, root, logline, want_id=None):
    with open(path, "rb") as f:
        data = f.read()
    try:
        tree = ET.fromstring(data)
    except ET.ParseError as e:
        fail("%s is not well-formed XML (%s): %r" % (path, e, data))
    if tree.tag != root:
        fail("%s: root %s, expected %s" % (path, tree.tag, root))
    fields = [f.strip('"') for f in logline.strip().split('","')]
    serial, received, prec, call, ck, sec, date, time, band = fields
    stamp = datetime.strptime(date + " " + time, "%m/%d/%Y %H:%M:%S")
    expected = {"call": call, "timestamp": stamp.strftime("%Y-%m-%d %H:%M:%S"),
                "app": "Vantor", "contestnr": "1"}
    if root != "contactdelete":
        expected.update({"sntnr": serial, "rcvnr": received, "prec": prec, "ck": ck,
                         "section": sec, "band": BANDS[band], "mycall": "W1AW",
                         "mode": "CW", "contestname": "ARRL-SS-CW",
                         "SentExchange": serial + " A W1AW 85 CT"})
    for name, value in expected.items():
        got = tree.findtext(name)
        if got != value:
            fail("%s: <%s> is %r, expected %r" % (path, name, got, value))
    got_id = tree.findtext("ID") or ""
    if len(got_id) != 32 or (want_id and got_id != want_id):
        fail("%s: ID %r, expected %r" % (path, got_id, want_id))
    print(got_id)


if __name__ == "__main__":
    if sys.argv[1] == "listen":
        listen(sys.argv[2])
    else:
        check(*sys.argv[2:])
