#!/usr/bin/env python3
"""Writes oci_number_cases.txt, the differential cases of the OCINumber test.

Each line:  <function> <operand>... = <result>
Operands are decimal texts that an OCINumber holds exactly (or, for the integer arguments of
IntPower, Shift, Trunc, Round and Prec, plain integers). The result is the text of the
OCINumber the call must produce, or ERROR for a value no OCINumber holds.

It models the whole call: the engine result (exact, or rounded half away from zero to 40
significant digits), the fixed-point text it is written back through (40 decimals, or 40
significant digits for a value below 0.1), and the layout, which keeps 40 decimal digits (39
when the decimal exponent is odd) and drops the rest without rounding.

Run from anywhere:  python3 tests/unit/data/gen_oci_number_cases.py   (stdlib only, fixed seed)
"""
import pathlib
import random
import sys
from decimal import ROUND_CEILING, ROUND_DOWN, ROUND_FLOOR, ROUND_HALF_UP, Context, Decimal, Inexact

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import gen_decimal_cases as ref  # noqa: E402  (its reference functions)

OUT = HERE / "oci_number_cases.txt"
EXACT = Context(prec=5000, traps=[Inexact], Emax=10**6, Emin=-10**6)
WIDE = Context(prec=5000, Emax=10**6, Emin=-10**6)  # for quantize, which rounds on purpose
SIG = 40


class Overflow(Exception):
    pass


def layout(value):
    """The value an OCINumber keeps of an exact decimal."""
    if value == 0:
        return Decimal(0)
    e10 = value.adjusted() + 1          # value = 0.d1d2... x 10^e10
    e100 = (e10 + 1) // 2               # base-100 exponent; an odd e10 leads with a zero digit
    if e100 > 63:
        raise Overflow()
    if e100 < -63:
        return Decimal(0)
    keep = 40 - (2 * e100 - e10)
    return Context(prec=keep, rounding=ROUND_DOWN, Emax=10**6, Emin=-10**6).plus(value)


def write_back(value):
    """Engine result -> fixed-point text -> OCINumber."""
    if value == 0:
        return Decimal(0)
    e10 = value.adjusted() + 1
    if e10 < -140:
        return Decimal(0)
    if e10 > 126:
        raise Overflow()
    places = 40 if e10 >= 0 else 40 - e10
    fixed = value.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP, context=WIDE)
    return layout(fixed)


def operand(rng, emin=-40, emax=40, positive=False, max_digits=40):
    """A decimal an OCINumber holds exactly."""
    adjusted = rng.randint(emin, emax)
    e10 = adjusted + 1
    room = 40 - (e10 % 2)
    n = rng.randint(1, min(room, max_digits))
    digits = str(rng.randint(1, 9)) + "".join(rng.choice("0123456789") for _ in range(n - 1))
    sign = "" if positive or rng.random() < 0.5 else "-"
    value = Decimal("%s%sE%d" % (sign, digits, adjusted - n + 1))
    assert layout(value) == value
    return value


def text(d):
    return "{:E}".format(d) if d != 0 else "0"


def main():
    rng = random.Random(5202406)
    lines = []

    def emit(fn, args, compute):
        try:
            result = text(compute())
        except Overflow:
            result = "ERROR"
        lines.append(" ".join([fn] + [a if isinstance(a, str) else text(a) for a in args] + ["=", result]))

    for _ in range(150):
        a, b = operand(rng), operand(rng)
        emit("Add", [a, b], lambda: write_back(EXACT.add(a, b)))
        emit("Sub", [a, b], lambda: write_back(EXACT.subtract(a, b)))
    for _ in range(250):
        a, b = operand(rng, -70, 70), operand(rng, -70, 70)
        emit("Mul", [a, b], lambda: write_back(EXACT.multiply(a, b)))
    for _ in range(250):
        a, b = operand(rng, -70, 70), operand(rng, -70, 70)
        emit("Div", [a, b], lambda: write_back(Context(prec=SIG, rounding=ROUND_HALF_UP).divide(a, b)))
    for _ in range(150):
        a, b = operand(rng, -5, 38), operand(rng, -5, 20)
        emit("Mod", [a, b], lambda: write_back(EXACT.subtract(a, EXACT.multiply(EXACT.divide_int(a, b), b))))
    for _ in range(60):
        a = operand(rng)
        emit("Neg", [a], lambda: write_back(a.copy_negate()))
        emit("Abs", [a], lambda: write_back(a.copy_abs()))
        emit("Ceil", [a], lambda: write_back(a.to_integral_value(rounding=ROUND_CEILING, context=WIDE)))
        emit("Floor", [a], lambda: write_back(a.to_integral_value(rounding=ROUND_FLOOR, context=WIDE)))
    for _ in range(120):
        a, d = operand(rng, -20, 40), rng.randint(-45, 45)
        emit("Trunc", [a, str(d)], lambda: layout(a.quantize(Decimal(1).scaleb(-d), rounding=ROUND_DOWN,
                                                             context=WIDE)))
    for _ in range(120):
        a, d = operand(rng, -20, 40), rng.randint(0, 37)
        emit("Round", [a, str(d)], lambda: layout(a.quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP,
                                                             context=WIDE)))
    for _ in range(80):
        a, n = operand(rng), rng.randint(1, 45)
        emit("Prec", [a, str(n)], lambda: write_back(Context(prec=n, rounding=ROUND_HALF_UP).plus(a)))
    for _ in range(80):
        a, n = operand(rng, -60, 60), rng.randint(-120, 120)
        emit("Shift", [a, str(n)], lambda: write_back(a.scaleb(n, context=WIDE)))
    for _ in range(60):
        a = operand(rng)
        b = a if rng.random() < 0.2 else operand(rng)
        emit("Cmp", [a, b], lambda: Decimal((a > b) - (a < b)))

    def function(fn, op, count, make):
        made = 0
        while made < count:
            args = make()
            value = ref.settled(op, args, SIG)
            if value is None:
                continue
            emit(fn, args, lambda: write_back(value))
            made += 1

    function("Sqrt", "sqrt", 80, lambda: [operand(rng, -80, 80, positive=True)])
    function("Exp", "exp", 80, lambda: [operand(rng, -20, 2)])
    function("Ln", "log", 80, lambda: [operand(rng, -100, 100, positive=True)])
    function("Power", "pow", 80, lambda: [operand(rng, -3, 3, positive=True), operand(rng, -3, 1, max_digits=15)])
    function("Sin", "sin", 60, lambda: [operand(rng, -10, 8)])
    function("Cos", "cos", 60, lambda: [operand(rng, -10, 8)])
    function("Tan", "tan", 60, lambda: [operand(rng, -10, 8)])
    function("ArcSin", "arcsin", 50, lambda: [operand(rng, -20, -1)])
    function("ArcCos", "arccos", 50, lambda: [operand(rng, -20, -1)])
    function("ArcTan", "arctan", 60, lambda: [operand(rng, -30, 30)])
    function("ArcTan2", "arctan2", 60, lambda: [operand(rng, -20, 20), operand(rng, -20, 20)])
    function("HypSin", "sinh", 50, lambda: [operand(rng, -20, 2)])
    function("HypCos", "cosh", 50, lambda: [operand(rng, -20, 2)])
    function("HypTan", "tanh", 50, lambda: [operand(rng, -20, 1)])

    made = 0
    while made < 60:
        x, n = operand(rng, -2, 2), rng.randint(-40, 40)
        value = ref.settled("pow", [x, Decimal(n)], SIG) if n else Decimal(1)
        if value is None:
            continue
        emit("IntPower", [x, str(n)], lambda: write_back(value))
        made += 1
    made = 0
    while made < 60:
        b, x = operand(rng, -10, 10, positive=True), operand(rng, -60, 60, positive=True)
        if b == 1:
            continue
        lx, lb = ref.settled("log", [x], SIG), ref.settled("log", [b], SIG)
        if lx is None or lb is None:
            continue
        emit("Log", [b, x], lambda: write_back(Context(prec=SIG, rounding=ROUND_HALF_UP).divide(lx, lb)))
        made += 1

    OUT.write_text("# Generated by gen_oci_number_cases.py; do not edit.\n" + "\n".join(lines) + "\n")
    print("%d cases, %d bytes -> %s" % (len(lines), OUT.stat().st_size, OUT))


if __name__ == "__main__":
    main()
