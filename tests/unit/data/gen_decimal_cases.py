#!/usr/bin/env python3
"""Writes decimal_cases.txt, the differential cases of the decimal engine test.

Each line:  <operation> <places> <operand>... = <result>...
Results are what the engine must give: exact for add, subtract, multiply, integer_div_rem,
floor and ceil; rounded half away from zero to places + 1 significant digits for the others.
Transcendental references are computed here with plain series in Python's decimal at a
precision well past the request, and kept only when two such precisions agree after rounding.

Run from anywhere:  python3 tests/unit/data/gen_decimal_cases.py   (stdlib only, fixed seed)
"""
import pathlib
import random
from decimal import (ROUND_CEILING, ROUND_FLOOR, ROUND_HALF_EVEN, ROUND_HALF_UP, Context, Decimal, Inexact,
                     localcontext)

OUT = pathlib.Path(__file__).resolve().parent / "decimal_cases.txt"
EXACT = Context(prec=5000, traps=[Inexact])


def rounded(value, sig):
    return Context(prec=sig, rounding=ROUND_HALF_UP, Emax=10**9, Emin=-10**9).plus(value)


def text(d):
    return "{:E}".format(d) if d != 0 else "0"


# ---- references at working precision `prec` ---------------------------------------------------------

def pi_at(prec):
    with localcontext() as c:
        c.prec = prec + 10

        def atan_inv(n):
            power = Decimal(1) / n
            total, k, n2 = power, 1, n * n
            while True:
                power /= n2
                term = power / (2 * k + 1)
                if term < Decimal(10) ** (-(prec + 8)):
                    break
                total = total - term if k % 2 else total + term
                k += 1
            return total

        return 16 * atan_inv(5) - 4 * atan_inv(239)


def sin_cos_at(x, prec):
    with localcontext() as c:
        c.prec = prec + max(0, x.adjusted()) + 10
        two_pi = 2 * pi_at(c.prec)
        k = (x / two_pi).to_integral_value(rounding=ROUND_HALF_EVEN)
        r = x - k * two_pi
        r2 = r * r
        s, t, n = r, r, 1
        while True:
            t = -t * r2 / ((2 * n) * (2 * n + 1))
            if abs(t) < Decimal(10) ** (-(c.prec + 2)):
                break
            s += t
            n += 1
        co, t, n = Decimal(1), Decimal(1), 1
        while True:
            t = -t * r2 / ((2 * n - 1) * (2 * n))
            if abs(t) < Decimal(10) ** (-(c.prec + 2)):
                break
            co += t
            n += 1
        return +s, +co


def atan_at(x, prec):
    with localcontext() as c:
        c.prec = prec + 10
        if x == 0:
            return Decimal(0)
        a, sign = abs(x), (1 if x > 0 else -1)
        invert = a > 1
        if invert:
            a = 1 / a
        halvings = 0
        while a > Decimal("0.1"):
            a = a / (1 + (1 + a * a).sqrt())
            halvings += 1
        a2, p, s, k = a * a, a, a, 1
        while True:
            p *= a2
            term = p / (2 * k + 1)
            if term < Decimal(10) ** (-(c.prec + 2)):
                break
            s = s - term if k % 2 else s + term
            k += 1
        s *= 2 ** halvings
        if invert:
            s = pi_at(c.prec) / 2 - s
        return sign * s


def reference(op, args, prec):
    with localcontext() as c:
        c.prec = prec
        c.Emax, c.Emin = 10**9, -10**9
        x = args[0]
        if op == "sqrt":
            return x.sqrt()
        if op == "exp":
            return x.exp()
        if op == "log":
            return x.ln()
        if op == "log10":
            return x.log10()
        if op == "pow":
            return x ** args[1]
        if op == "sin":
            return sin_cos_at(x, prec)[0]
        if op == "cos":
            return sin_cos_at(x, prec)[1]
        if op == "tan":
            s, co = sin_cos_at(x, prec + 5)
            return s / co
        if op == "arctan":
            return atan_at(x, prec)
        if op == "arcsin":
            if abs(x) == 1:
                return x * pi_at(prec) / 2
            return atan_at(x / (1 - x * x).sqrt(), prec)
        if op == "arccos":
            if x == 0:
                return pi_at(prec) / 2
            a = atan_at((1 - x * x).sqrt() / abs(x), prec)
            return a if x > 0 else pi_at(prec) - a
        if op == "arctan2":
            y, xx = x, args[1]
            if xx == 0:
                return (1 if y > 0 else -1) * pi_at(prec) / 2
            if y == 0:
                return Decimal(0) if xx > 0 else pi_at(prec)
            a = atan_at(abs(y / xx), prec)
            if xx < 0:
                a = pi_at(prec) - a
            return a if y > 0 else -a
        if op in ("sinh", "cosh", "tanh"):
            e = x.exp()
            if op == "sinh":
                return (e - 1 / e) / 2
            if op == "cosh":
                return (e + 1 / e) / 2
            e2 = e * e
            return (e2 - 1) / (e2 + 1)
    raise ValueError(op)


def settled(op, args, sig):
    """The reference rounded to sig digits, or None when two working precisions disagree."""
    extra = sum(max(0, a.adjusted()) for a in args)
    low = rounded(reference(op, args, sig + 30 + extra), sig)
    high = rounded(reference(op, args, sig + 60 + extra), sig)
    return low if low == high else None


# ---- operands ---------------------------------------------------------------------------------------

def number(rng, max_digits=45, emin=-30, emax=30, positive=False):
    ndig = rng.randint(1, max_digits)
    digits = str(rng.randint(1, 9)) + "".join(rng.choice("0123456789") for _ in range(ndig - 1))
    sign = "" if positive or rng.random() < 0.5 else "-"
    return Decimal("%s%sE%d" % (sign, digits, rng.randint(emin, emax) - ndig + 1))


def places_for(rng):
    return 39 if rng.random() < 0.75 else rng.randint(0, 70)


def main():
    rng = random.Random(20240607)
    lines = []

    def emit(op, places, args, results):
        lines.append(" ".join([op, str(places)] + [text(a) for a in args] + ["="] + [text(r) for r in results]))

    for op, count in (("add", 300), ("subtract", 300), ("multiply", 300)):
        for _ in range(count):
            a, b = number(rng), number(rng)
            if rng.random() < 0.1:  # operands that cancel most of their digits
                b = EXACT.add(a.copy_negate(), number(rng, 5, -40, -20))
            result = {"add": EXACT.add, "subtract": EXACT.subtract, "multiply": EXACT.multiply}[op](a, b)
            emit(op, 0, [a, b], [result])

    for _ in range(300):
        a, b = number(rng), number(rng)
        places = places_for(rng)
        quotient = Context(prec=places + 1, rounding=ROUND_HALF_UP, Emax=10**9, Emin=-10**9).divide(a, b)
        emit("divide", places, [a, b], [quotient])

    for _ in range(200):
        a, b = number(rng, 30, -5, 30), number(rng, 20, -5, 15)
        q = EXACT.divide_int(a, b)
        emit("integer_div_rem", 0, [a, b], [q, EXACT.subtract(a, EXACT.multiply(q, b))])

    for _ in range(200):
        a, places = number(rng), rng.randint(0, 45)
        emit("round", places, [a], [rounded(a, places + 1)])
    for op, mode, count in (("floor", ROUND_FLOOR, 100), ("ceil", ROUND_CEILING, 100)):
        for _ in range(count):
            a = number(rng, 40, -5, 30)
            emit(op, 0, [a], [a.to_integral_value(rounding=mode, context=EXACT)])

    def transcendental(op, count, make):
        made = 0
        while made < count:
            args = make()
            places = places_for(rng)
            r = settled(op, args, places + 1)
            if r is None:
                continue
            emit(op, places, args, [r])
            made += 1

    def small_int():
        return Decimal(rng.randint(-40, 40))

    transcendental("sqrt", 250, lambda: [number(rng, positive=True, emin=-60, emax=60)])
    transcendental("exp", 250, lambda: [number(rng, 40, -20, 2)])
    transcendental("log", 250, lambda: [number(rng, positive=True, emin=-60, emax=60)])
    transcendental("log10", 200, lambda: [number(rng, positive=True, emin=-60, emax=60)])
    transcendental("pow", 250, lambda: [number(rng, 30, -3, 3, positive=True),
                                        number(rng, 20, -3, 1) if rng.random() < 0.6 else small_int()])
    transcendental("sin", 200, lambda: [number(rng, 40, -10, 8)])
    transcendental("cos", 200, lambda: [number(rng, 40, -10, 8)])
    transcendental("tan", 200, lambda: [number(rng, 40, -10, 8)])
    def unit_interval():
        r = rng.random()
        if r < 0.05:
            return [Decimal(rng.choice((1, -1)))]
        if r < 0.2:  # next to +-1, where 1 - x^2 cancels
            x = EXACT.subtract(1, number(rng, 20, -35, -3, positive=True))
            return [x if rng.random() < 0.5 else -x]
        return [number(rng, 40, -15, -1)]

    transcendental("arcsin", 150, unit_interval)
    transcendental("arccos", 150, unit_interval)
    transcendental("arctan", 200, lambda: [number(rng, 40, -20, 20)])
    transcendental("arctan2", 200, lambda: [number(rng, 30, -10, 10), number(rng, 30, -10, 10)])
    transcendental("sinh", 150, lambda: [number(rng, 40, -20, 2)])
    transcendental("cosh", 150, lambda: [number(rng, 40, -20, 2)])
    transcendental("tanh", 150, lambda: [number(rng, 40, -20, 2)])

    OUT.write_text("# Generated by gen_decimal_cases.py; do not edit.\n" + "\n".join(lines) + "\n")
    print("%d cases, %d bytes -> %s" % (len(lines), OUT.stat().st_size, OUT))


if __name__ == "__main__":
    main()
