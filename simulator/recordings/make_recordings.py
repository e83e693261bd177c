#!/usr/bin/env python3
"""Writes the recorded sessions of this folder: link traces as Quellaro --trace FILE writes
them, for cm-simulator --replay FILE and the replay tests. Run it from anywhere; it rewrites
the .trace files next to it."""

from datetime import datetime, timedelta, timezone
from pathlib import Path

HERE = Path(__file__).resolve().parent
PEER = "127.0.0.1:2050"
POLL = "04 00"  # request 4, the boiler panel's poll
BOILER_ON = "03 06 14 00 00 00 00 00"  # request 3, command 20
MASTER, TRADE = 4, 2
WAITING = 1000
# The inputs of an idle machine: power, water level, the selector and cup dispenser at home...
IDLE_INPUTS = [1, 1, 1, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0]


def reply4(mode, temperature, heating):
    """A whole reply 4: type, byte 1, then the extended record (16-bit fields little-endian)."""
    record = [mode, WAITING & 0xFF, WAITING >> 8, 0, 0, temperature & 0xFF, temperature >> 8, 0, 0]
    outputs = [0] * 22
    outputs[1] = heating
    return bytes([4, 0] + record + IDLE_INPUTS + outputs)


def hexed(data):
    return " ".join(f"{b:02x}" for b in data)


class Trace:
    def __init__(self, start, utc_offset_hours):
        self.zone = timezone(timedelta(hours=utc_offset_hours))
        self.start = start.replace(tzinfo=self.zone)
        self.lines = []

    def line(self, at_ms, link, event):
        """at_ms: milliseconds (may have a fraction) since the start; the trace keeps whole ms."""
        when = self.start + timedelta(milliseconds=int(at_ms))
        self.lines.append(f"{when.isoformat(timespec='milliseconds')} #{link} {event}")

    def connect(self, at_ms, link):
        self.line(at_ms, link, f"connecting to {PEER}")
        self.line(at_ms + 1, link, f"connected to {PEER}")

    def request(self, at_ms, link, frame):
        self.line(at_ms, link, f"request to {PEER}: {frame}")

    def reads(self, link, pieces):
        """pieces: (at_ms, bytes) as the program read them; verdicts as its assembler gives them."""
        kept = b""
        for at_ms, data in pieces:
            self.line(at_ms, link, f"read: {hexed(data)}")
            kept += data
            if len(kept) < 51:
                self.line(at_ms, link, f"reply kept, unfinished frame: {hexed(kept)}")
            else:
                self.line(at_ms, link, f"reply delivered: {hexed(kept)}")
                kept = b""

    def write(self, name, comment):
        text = "".join(f"# {c}\n" for c in comment) + "\n".join(self.lines) + "\n"
        (HERE / name).write_text(text)


def gateway_9600():
    """A controller behind a gateway that forwards each byte of a 9600-baud line: every reply 4
    comes in 51 reads about 1.04 ms apart. The technician switches the boiler on after a second;
    the temperature then rises 0.2 degrees every third poll."""
    t = Trace(datetime(2026, 12, 6, 14, 30, 0, 102000), +1)
    t.connect(0, 1)
    byte_ms = 10_000 / 9600
    for k in range(24):
        asked = 101 + 100 * k
        t.request(asked, 1, POLL)
        if k == 10:
            t.request(asked + 40, 1, BOILER_ON)
        heating = 1 if k >= 10 else 0
        temperature = 850 if k < 12 else 850 + 2 * ((k - 12) // 3 + 1)
        frame = reply4(MASTER, temperature, heating)
        # The controller starts answering 3 ms after the poll; each byte is read as it arrives.
        t.reads(1, [(asked + 3 + (i + 1) * byte_ms, frame[i:i + 1]) for i in range(len(frame))])
    t.write("gateway_9600_heating.trace", [
        "A boiler panel on a controller behind a serial gateway at 9600 baud that forwards each",
        "byte: every reply 4 arrives in 51 reads. Boiler On after a second; it heats from 85.0.",
    ])


def stops_answering():
    """First try refused (the controller was not up yet); then a second connection that answers,
    falls silent for 2.7 s, comes back after a restart in mode Trade and then hangs up."""
    t = Trace(datetime(2026, 12, 7, 9, 15, 20, 540000), +3)
    t.line(0, 1, f"connecting to {PEER}")
    t.line(1, 1, f"error with {PEER}: Connection refused")
    t.connect(2500, 2)
    for k in range(46):
        asked = 2601 + 100 * k
        t.request(asked, 2, POLL)
        if k < 10:
            t.reads(2, [(asked + 2, reply4(MASTER, 925, 0))])
        elif k >= 36:
            t.reads(2, [(asked + 2, reply4(TRADE, 918, 0))])
    end = 2601 + 100 * 46
    t.line(end, 2, f"error with {PEER}: The remote host closed the connection")
    t.line(end, 2, f"disconnected from {PEER}")
    t.write("controller_stops_answering.trace", [
        "A boiler panel on a controller that answers for a second, falls silent for 2.7 s (the",
        "panel says it does not answer), comes back in mode Trade and then closes the connection.",
    ])


gateway_9600()
stops_answering()
