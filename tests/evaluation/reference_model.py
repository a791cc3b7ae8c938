#!/usr/bin/env python3
"""Independent model of the strength evaluation in exact rational arithmetic.

Every extended-format operation is the exact result rounded to a 64-bit significand (ties to
even), every stored value the same rounded to a 53-bit significand. Used to derive the expected
texts of the evaluation tests, and to search for inputs where shortcuts (doubles only, printing
straight to 15 digits, keeping the unrounded mean) would give another text.
"""
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, getcontext
from fractions import Fraction
import math
import random
import sys

getcontext().prec = 2000


def round_bits(x, bits):
    x = Fraction(x)
    if x == 0:
        return Fraction(0)
    sign = -1 if x < 0 else 1
    a = abs(x)
    e = math.floor(math.log2(a.numerator) - math.log2(a.denominator))
    while Fraction(2) ** e > a:
        e -= 1
    while Fraction(2) ** (e + 1) <= a:
        e += 1
    scale = Fraction(2) ** (bits - 1 - e)
    m = a * scale
    fl = m.numerator // m.denominator
    rest = m - fl
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and fl % 2 == 1):
        fl += 1
    return sign * Fraction(fl) / scale


def ext(x):
    return round_bits(x, 64)


def dbl(x):
    return round_bits(x, 53)


def text_to_number(text):
    return ext(Fraction(Decimal(text.strip())))


def digits_of(value, places, mode):
    d = Decimal(value.numerator) / Decimal(value.denominator)
    q = Decimal(1).scaleb(d.adjusted() - places + 1)
    r = d.quantize(q, rounding=mode)
    return r


def number_to_text(value, direct=False):
    value = Fraction(value)
    if value == 0:
        return "0"
    sign = "-" if value < 0 else ""
    a = abs(value)
    if direct:
        r = digits_of(a, 15, ROUND_HALF_EVEN)
    else:
        r18 = digits_of(a, 18, ROUND_HALF_EVEN)
        q = Decimal(1).scaleb(r18.adjusted() - 14)
        r = r18.quantize(q, rounding=ROUND_HALF_UP)
    digits = str(r.scaleb(-r.adjusted()).normalize()).replace(".", "")
    order = r.adjusted() + 1
    if -3 <= order <= 15:
        if order <= 0:
            body = "0." + "0" * (-order) + digits
        elif len(digits) <= order:
            body = digits + "0" * (order - len(digits))
        else:
            body = digits[:order] + "." + digits[order:]
    else:
        body = digits[0] + ("." + digits[1:] if len(digits) > 1 else "") + "E" + str(order - 1)
    return sign + body


def round_to_decimals(x, d, op=ext):
    scaled = op(Fraction(x) * 10 ** d)
    fl = math.floor(scaled)
    rest = scaled - fl
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and fl % 2 == 1):
        fl += 1
    return op(fl * op(Fraction(1, 10 ** d)))


AGES = [7, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130,
        140, 150, 160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 260, 270, 280, 290, 300, 310,
        320, 330, 340, 350, 360, 450, 540, 630, 720, 810, 900, 990, 1080, 1170, 100000000000]
KTS = ["1.150", "1.108", "1.079", "1.05", "1.043", "1.036", "1.029", "1.022", "1.014", "1.007",
       "1", "0.997", "0.985", "0.972", "0.96", "0.95", "0.94", "0.93", "0.921", "0.912", "0.903",
       "0.894", "0.886", "0.877", "0.868", "0.859", "0.85", "0.844", "0.839", "0.833", "0.828",
       "0.822", "0.817", "0.811", "0.806", "0.8", "0.794", "0.789", "0.783", "0.778", "0.772",
       "0.767", "0.761", "0.756", "0.75", "0.73", "0.71", "0.69", "0.67", "0.66", "0.65", "0.64",
       "0.63", "0.6", "0.6"]
KD = {"надолу": "1.05", "хориз.": "1", "нагоре": "0.95"}


def compute_row(readings, direction, device, age, method, kd, shortcut=None):
    """Returns (texts by column, kd). shortcut: None, 'double', 'direct15' or 'nomeanreadback'."""
    op = dbl if shortcut == "double" else ext
    show = (lambda v: number_to_text(v, direct=True)) if shortcut == "direct15" else number_to_text
    out = {}
    s = Fraction(0)
    n = Fraction(0)
    for r in readings:
        if r == "":
            continue
        s = dbl(op(s + text_to_number(r)))
        n = dbl(n + 1)
    mean = dbl(op(s / n))
    out[13] = show(mean)
    out[14] = show(n)
    if n < 9:
        return out, kd
    N = mean if shortcut == "nomeanreadback" else dbl(text_to_number(out[13]))
    c = lambda t: dbl(Fraction(Decimal(t)))
    if method == 0:
        sq = op(N * N)
        t1 = op(sq * c("0.011"))
        t2 = op(c("0.948") * N)
        t3 = op(t1 + t2)
        value = op(t3 - c("13.53"))
    else:
        cube = op(N * op(N * N))
        t1 = op(cube * c("-0.0003"))
        sq = op(N * N)
        t2 = op(sq * c("0.0399"))
        t3 = op(t2 + t1)
        t4 = op(c("0.1525") * N)
        t5 = op(t3 - t4)
        value = op(t5 + c("3.9976"))
    R = dbl(round_to_decimals(value, 2, op))
    out[15] = show(R)
    if direction in KD:
        kd = c(KD[direction])
    out[17] = show(kd)
    k = dbl(text_to_number(device))
    A = dbl(text_to_number(age))
    kt = Fraction(0)
    for i in range(54):
        if AGES[i] <= A < AGES[i + 1]:
            k1, k2 = c(KTS[i]), c(KTS[i + 1])
            a1, a2 = Fraction(AGES[i]), Fraction(AGES[i + 1])
            d1 = op(k1 - k2)
            d2 = op(A - a1)
            d3 = op(d1 * d2)
            d4 = op(a2 - a1)
            d5 = op(d3 / d4)
            kt = dbl(op(k1 - d5))
            out[20] = show(kt)
    P = dbl(round_to_decimals(op(op(op(R * kd) * kt) * k), 1, op))
    out[21] = show(P)
    for lower in range(10, 55, 5):
        if lower < P <= lower + 5:
            out[22] = "B%d" % lower
    return out, kd


def row_line(readings, direction, device, age, method, kd=Fraction(1)):
    out, _ = compute_row(readings, direction, device, age, method, kd)
    return out


def search(seed, trials):
    rng = random.Random(seed)
    found = {"double": [], "direct15": [], "nomeanreadback": []}
    for _ in range(trials):
        count = rng.randint(9, 12)
        readings = [str(rng.randint(20, 55)) if rng.random() < 0.7 else
                    "%d.%d" % (rng.randint(20, 55), rng.randint(0, 9)) for _ in range(count)]
        direction = rng.choice(list(KD))
        device = rng.choice(["1", "1.1", "0.97", "1.03", "%.3f" % rng.uniform(0.9, 1.1)])
        age = str(rng.choice([rng.randint(7, 400), rng.randint(7, 2000)]))
        method = rng.randint(0, 1)
        good, _ = compute_row(readings, direction, device, age, method, Fraction(1))
        for shortcut, hits in found.items():
            other, _ = compute_row(readings, direction, device, age, method, Fraction(1), shortcut)
            if other != good and len(hits) < 6:
                hits.append((readings, direction, device, age, method, good, other))
    for shortcut, hits in found.items():
        print("==", shortcut)
        for h in hits:
            print(h)


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "search":
        search(int(sys.argv[2]), int(sys.argv[3]))
