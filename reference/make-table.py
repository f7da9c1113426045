#!/usr/bin/python3
"""Works out, apart from the program, what Zorvexa must show for each row of
reference/results.tsv: exact fractions on the typed decimals, mpmath at 60
digits for the rest. The rows' keys and typed inputs are the table's data
(worked examples, then for every key plain cases and its hard ones: both sides
of the display's and a double's limits, near-cancelling sums, poles and zeros
of the angle keys, the bases' 2^53 limit, coefficients far past a double); a
new case is a new row. This rewrites the other columns:
    /usr/bin/python3 reference/make-table.py reference/results.tsv"""
import math
import sys
from fractions import Fraction as F

from mpmath import mp

mp.dps = 60
DMAX, DMIN = F(2**1024 - 2**971), F(1, 2**1022)     # the largest double, the smallest normal one
LIM = 2**53 - 1                                     # the largest whole number every base converts
PI, E15 = F('3.14159265358979'), F('2.71828182845905')   # the keys' 15-digit constants
DIV0, DIGITS, HUGE = 'Nullával nem lehet osztani!', 'Számjegyeket írjon be!', 'Az eredmény nem ábrázolható!'
NOREAL, CONV, CONTRA2 = 'Nincs valós eredmény!', 'A szám túl nagy az átváltáshoz!', 'Ellentmondás!!'

def msg(text):
    return '', '', text

def M(q):
    return mp.mpf(q.numerator) / q.denominator

def Q(v):
    """The exact value of an mpf."""
    sign, man, exp, _ = v._mpf_
    return (-1) ** sign * F(man) * F(2) ** exp

def sig(a, n):
    """a > 0 rounded half to even to n significant digits: (digits, decimal exponent)."""
    e = len(str(a.numerator)) - len(str(a.denominator))
    e -= a < F(10) ** e
    d = round(a / F(10) ** (e - n + 1))
    return (d // 10, e + 1) if d == 10 ** n else (d, e)

def Str(v):
    """Sign place, at most 15 significant digits, exponent form outside 1E-15 .. 1E+15."""
    if v == 0:
        return ' 0'
    d, e = sig(abs(v), 15)
    d = str(d).rstrip('0')
    if e >= 15 or e < -15:
        t = d[0] + ('.' + d[1:] if d[1:] else '') + 'E%s%02d' % ('-+'[e >= 0], abs(e))
    elif e >= 0:
        t = d[:e + 1].ljust(e + 1, '0') + ('.' + d[e + 1:] if d[e + 1:] else '')
    else:
        t = '.' + '0' * (-e - 1) + d
    return ('-' if v < 0 else ' ') + t

def sci(v):
    """40 significant digits, in mpmath's exponent notation."""
    if v == 0:
        return '0.' + '0' * 39 + 'e+0'
    d, e = sig(abs(v), 40)
    return '-' * (v < 0) + str(d)[0] + '.' + str(d)[1:] + 'e%+d' % e

def kerekit(v):
    w = round(v)
    return F(w) if abs(v - w) < F(1, 10**8) and (w or not v) else v

def fmod(x, m):
    return x - m * int(x / m)

def arith(op, x, y):
    return x + y if op == '+' else x - y if op == '-' else x * y if op == '*' else F(x) / y

def show(v, rnd=None, snap=True, lead=True):
    """What a calculator display does with the value v: (shown, exact, message)."""
    if not isinstance(v, F):
        if abs(v) > M(DMAX):
            return msg(HUGE)
        if rnd is None and 0 < abs(v) < mp.mpf(10) ** -30:
            return msg(DIGITS)      # never fixed form; spares a fraction of a million digits
        v = Q(v)
    v = round(v, rnd) if rnd is not None else v
    v = kerekit(v) if snap else v
    t = Str(v).lstrip()
    if abs(v) > DMAX or 'E' in t:
        return msg(HUGE if abs(v) > DMAX else DIGITS)
    return ('0' + t if lead and t[0] == '.' else t), sci(v), ''

def power(x, y):
    """x ** y for x >= 0 or a whole y; exact while that stays small."""
    if x == 0:
        return F(int(y == 0))
    if y.denominator == 1 and abs(y) * len(str(x)) < 5000:
        return x ** int(y)
    with mp.workdps(100):       # a huge y magnifies the error of log(x)
        r = mp.exp(M(y) * mp.log(M(abs(x))))
    return -r if x < 0 and y.numerator % 2 else +r

def two(key, x, y):
    """The scientific view's pending keys: x key y =."""
    if key in '+-*':
        return show(arith(key, x, y), snap=False, lead=False)
    if key == '/':
        return msg(DIV0) if y == 0 else show(x / y)
    if key == '%':
        return show(x * y / 100)
    if key == '^':
        if x == 0 and y < 0:
            return msg(DIV0)
        return msg(NOREAL) if x < 0 and y.denominator > 1 else show(power(x, y))
    if key == 'root':
        if y == 0 or x == 0 and y < 0:
            return msg(DIV0)
        if x < 0 and (y.denominator > 1 or y.numerator % 2 == 0):
            return msg(NOREAL if y.denominator > 1 else 'Negatív számból nem lehet páros gyökkitevőjű gyököt vonni!')
        return show(power(x, 1 / y) if x >= 0 else -power(-x, 1 / y), lead=False)
    if any(v.denominator > 1 or abs(v) >= 2**53 for v in (x, y)):
        return msg('Csak egész számokra értelmezett!')
    g = math.gcd(int(x), int(y))
    return show(F(g if key == 'lnko' else g and abs(x * y) // g), snap=False, lead=False)

def one(key, x):
    """The scientific view's immediate keys on x."""
    if key == 'n!':
        if x > 170 or x < 0 or x.denominator > 1:
            return msg('A maximális érték: 170.' if x > 170 else 'Csak nemnegatív egész számnak van faktoriálisa!')
        return show(F(math.factorial(int(x))), snap=False, lead=False)
    if key == '1/x':
        return msg(DIV0) if x == 0 else show(1 / x)
    if key in ('lg', 'ln'):
        if x <= 0:
            return msg('Csak pozitív számnak van logaritmusa!')
        return show((mp.log10 if key == 'lg' else mp.log)(M(x)), 14)
    if key in ('10^x', 'e^x'):
        return show(power(F(10) if key == '10^x' else E15, x))
    if key in ('sin', 'cos', 'tg', 'ctg'):
        if key == 'tg' and abs(fmod(x, 180)) == 90 or key == 'ctg' and fmod(x, 180) == 0:
            zero = 'cos' if key == 'tg' else 'sin'
            return msg('Nullával nem lehet osztani! ( %s %s° értéke 0 )' % (zero, Str(x).lstrip()))
        a = M(fmod(x, 360) * PI / 180)
        if key != 'ctg':
            return show({'sin': mp.sin, 'cos': mp.cos, 'tg': mp.tan}[key](a), 14)
        if abs(fmod(x, 180)) == 90:
            return show(F(0))       # a zero, though the 15-digit Pi leaves 1.6E-15 there
        # 1 / Round(tan, 14), the quotient itself not rounded; where the rounded
        # tangent is 0 (next to a pole) the true one.
        t = Q(mp.tan(a))
        return show(1 / round(t, 14) if round(t, 14) else 1 / t)
    if key in ('arcsin', 'arccos') and abs(x) > 1:
        return msg('Egy szög %s -1 és 1 közötti érték lehet!' % ('sinusa' if key == 'arcsin' else 'cosinusa'))
    deg = {'arcsin': mp.asin, 'arccos': mp.acos}.get(key, mp.atan)(M(x)) * 180 / M(PI)
    return show(90 - deg if key == 'arcctg' else deg, 12)

def based(n, b):
    s, m = '', abs(n)
    while not s or m:
        s, m = '0123456789ABCDEF'[m % b] + s, m // b
    return '-' * (n < 0) + s

def infos(b, op, x, y):
    """The informatics view in base b: x op y =."""
    if b != 10 and max(abs(x), abs(y)) > LIM:
        return msg(CONV)
    if op == '/' and y == 0:
        return msg(DIV0)
    v = arith(op, x, y)
    if b == 10:
        return msg(DIGITS) if abs(v) > DMAX else show(F(v), snap=False)
    w = int(v)      # toward zero
    return msg(CONV) if abs(w) > LIM else (based(w, b), sci(F(w)), '')

def solved(vs, trim):
    """The solvers' result fields; None stands for a field left empty."""
    if any(v is not None and abs(v) > DMAX for v in vs):
        return msg('Az eredmény túl nagy!')
    if any(v and abs(v) < DMIN for v in vs):
        return msg('Az eredmény túl kicsi!')
    out = lambda f: '|'.join('' if v is None else f(v) for v in vs)
    return out(lambda v: Str(v).lstrip() if trim else Str(v)), out(sci), ''

def masodf(a, b, c):
    if a == 0:
        return solved([F(-c, b), None], True) if b else msg('Nincs megoldás!' if c else 'Minden valós szám megoldás!')
    d = b * b - 4 * a * c
    if d < 0:
        return msg('Nincs valós gyök!')
    if math.isqrt(d) ** 2 == d:
        return solved([F(-b + math.isqrt(d), 2 * a), F(-b - math.isqrt(d), 2 * a)], True)
    r, s = mp.sqrt(d), -1 if b < 0 else 1
    far = (-b - s * r) / (2 * a)            # the root without cancellation gives the other
    return solved([Q(2 * c / (-b - s * r)), Q(far)][::s], True)

def linear(a1, b1, c1, a2, b2, c2):
    det, dx, dy = a1 * b2 - b1 * a2, c1 * b2 - b1 * c2, a1 * c2 - a2 * c1
    if a1 == b1 == a2 == b2 == 0:
        return msg('Nagyon vicces!!')
    if a1 == b1 == 0 or a2 == b2 == 0:
        rest = c1 if a1 == b1 == 0 else c2
        return msg('Ellentmondás!' if rest else 'Két egyenletre van szükség!\\n(Így végtelen sok megoldás van)')
    if a1 == a2 == 0:
        return msg(CONTRA2) if dx else solved([None, c1 / b1], False)
    if b1 == b2 == 0:
        return msg(CONTRA2) if dy else solved([c1 / a1, None], False)
    if det:
        return solved([dx / det, dy / det], False)
    return msg('Két egymástól lineárisan független\\n egyenletre van szükség!' if dx == dy == 0 else CONTRA2)

def result(what, t):
    if what in ('masodf', 'linear'):
        return masodf(*map(int, t)) if what == 'masodf' else linear(*map(F, t))
    if '>' in what:
        b, c = map(int, what[5:].split('>'))
        x = int(t[0], b)
        return msg(CONV) if abs(x) > LIM else (based(x, c), sci(F(x)), '')
    view, key = what.split(':')
    if view.startswith('infos'):
        return infos(int(view[5:]), key, *(int(s, int(view[5:])) for s in t))
    x = [F(s) for s in t]
    if view == 'stand' and key == '/':
        return msg(DIV0) if x[1] == 0 else show(x[0] / x[1], snap=False)
    return two(key, *x) if len(x) == 2 else one(key, *x)

table = sys.argv[1] if len(sys.argv) > 1 else 'reference/results.tsv'
with open(table, encoding='utf-8') as file:
    cases = [line.split('\t')[:2] for line in file if line.strip() and not line.startswith('#')]
rows = ['\t'.join((what, typed) + result(what, typed.split(' '))) for what, typed in cases]  # all worked out first
with open(table, 'w', encoding='utf-8', newline='\n') as file:
    file.write('# What Zorvexa must show, worked out by reference/make-table.py (exact fractions, mpmath at 60 digits).\n'
               '# Work out again: /usr/bin/python3 reference/make-table.py reference/results.tsv\n'
               '# what <TAB> inputs as typed <TAB> shown <TAB> exact value to 40 digits <TAB> message\n'
               '# (outside base ten the informatics rows give the shown whole number as the exact value)\n')
    file.write(''.join(row + '\n' for row in rows))
