#!/usr/bin/env python3
"""Writes the demo working directory data/demo: the configuration marker, three flat
correction curves and three demo DSP program files. The program files are filler
bytes from a fixed-seed generator: they are long enough to hold the coefficient
areas, which is all a transfer needs, and are no real DSP code."""
import os
import random

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "demo")
os.makedirs(here, exist_ok=True)


def exponent_form(v):
    mant, exp = f"{abs(v):.14E}".split("E")
    sign = "-" if v < 0 else " "
    e = int(exp)
    return f"{sign}{mant}E{'-' if e < 0 else '+'}{abs(e):04d}"


def write_lines(name, lines):
    with open(os.path.join(here, name), "w", newline="") as f:
        for line in lines:
            f.write(line + "\r\n")


write_lines("impuls.cfg", ["Quorvane demo working directory"])
# The synthesis samples the target at the correction curve's frequencies, so
# the flat curves are dense: 0 Hz, then 48 points per octave from 10 Hz up.
freqs = [0.0] + [10.0 * 2 ** (k / 48) for k in range(0, 48 * 12) if 10.0 * 2 ** (k / 48) < 24000] + [24000.0]
flat = [exponent_form(f) + "  " + exponent_form(0.0) for f in freqs]
for name in ("amlin.cor", "amlow.cor", "amroom.cor"):
    write_lines(name, flat)

for name, length, seed in (("quorvane.dat", 18000, 1), ("inout.ldr", 18500, 2), ("high.ldr", 15000, 3)):
    rng = random.Random(seed)
    write_lines(name, [f"0x{rng.randrange(256):02X}" for _ in range(length)])
