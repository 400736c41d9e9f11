#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An independent re-computation of the column check, for cross-checking the engine's figures.

Python floats are the same IEEE doubles as the engine's; the four-digit decimals are rounded
exactly with the decimal module. Usage: reference-calculation.py D T H K P
"""
import math
import sys
from decimal import ROUND_CEILING, ROUND_HALF_EVEN, Decimal


def fixed4(x):
    return Decimal(x).quantize(Decimal("0.0001"), rounding=ROUND_HALF_EVEN)


def whole(x):
    return int(Decimal(x).quantize(Decimal("1"), rounding=ROUND_HALF_EVEN))


def run(D, T, H, K, P, E=200000.0, fy=240.0, fc=40.0, fb=1850.0):
    """The design quantities, or None for an impossible pipe (no wall: 2T >= D), which is refused."""
    if not 2 * T < D:
        return None
    q = {}
    L = H * 100
    d = D - T * 2
    r = fixed4((D**2 + d**2) ** 0.5 / 40)
    KL = K * L
    lam = whole(KL / float(r))
    A = fixed4((D**2 - d**2) * 22 / 2800)
    Qcc = (3.1428**2 * E) / float(lam) ** 2
    SB = fixed4((Qcc**1.4 + fy**1.4) ** 0.714)
    Qac = whole(((Qcc * fy) / float(SB)) * 0.6)
    cap = A * Qac * 10
    maxf = whole(cap)
    bar = P / fc
    B = whole(bar**0.5 + 1)
    if B < whole(D / 10 + 2):
        B = whole(D / 10 + 2)
    w = (B * 10 - D) / 20
    if w < 1:
        w = 1.0
    fp = fixed4(P / (B * B))
    t = fixed4((((float(fp * 3)) / fb) * (w**2 - w**2 / 4)) ** 0.5)
    if t < Decimal("0.2"):
        t = Decimal("0.2000")
    tmm = int((t * 10).to_integral_value(rounding=ROUND_CEILING))
    q.update(r=r, lam=lam, A=A, Qcc=Qcc, SB=SB, Qac=Qac, cap=cap, maxf=maxf, B=B, w=repr(w), fp=fp,
             t=t, tmm=tmm, passes=float(cap) >= P)
    return q


if __name__ == "__main__":
    print(run(*map(float, sys.argv[1:6])))
