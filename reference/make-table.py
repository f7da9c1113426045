#!/usr/bin/python3
"""Writes the table of what Zorvexa must show, worked out apart from the program:
exact fractions on the typed decimals, mpmath at 60 digits for the rest.
    /usr/bin/python3 reference/make-table.py > reference/results.tsv
Seeded: the same command writes the same file byte for byte."""
import math
import random
import sys
from fractions import Fraction as F

from mpmath import mp

mp.dps = 60
R = random.Random(1958)
DMAX, DMIN = F(2**1024 - 2**971), F(1, 2**1022)     # the largest double, the smallest normal one
LIM = 2**53 - 1                                     # the largest whole number every base converts
PI, E15 = F('3.14159265358979'), F('2.71828182845905')   # the keys' 15-digit constants
BASES = (2, 3, 4, 5, 6, 7, 8, 9, 10, 16)
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

# The cases: every third a plain one, the others the hard ones of each key.
ri, rc = R.randint, R.choice

def txt(n, nf=0):
    """The whole number n read with nf decimals, as typed."""
    s = str(abs(n)).rjust(nf + 1, '0')
    return '-' * (n < 0) + s[:len(s) - nf] + ('.' + s[len(s) - nf:] if nf else '')

def dtxt(q):
    nf = next(k for k in range(2000) if (q * 10**k).denominator == 1)
    return txt(int(q * 10**nf), nf)

def num(ni, nf=0, neg=.3):
    """A random decimal of ni whole and nf fraction digits, at times typed as ".5"."""
    t = txt(R.randrange(10 ** (ni - 1) if ni else 0, 10**ni) * 10**nf + R.randrange(10**nf), nf)
    t = t[1:] if t.startswith('0.') and R.random() < .3 else t
    return '-' + t if R.random() < neg else t

def near(w, d):
    """The whole number w written with d decimals, or a few units of the last one away."""
    return txt(w * 10**d + rc((0, ri(-9, 9), ri(-999, 999))), d)

easy = lambda: num(ri(0, 3), rc((0, 0, 1, 2)), .25)
big = lambda: (lambda ni: num(ni, max(0, 28 - ni)))(ri(1, 29))          # 29 or 30 characters
sign = lambda: rc((1, -1))
dec = lambda ni=2, nf=2: dtxt(F(num(ri(0, ni), ri(0, nf))))             # as typed in a solver, with its 0 before the point
EDGE = [F(s) for s in ('999999999999999.4', '999999999999999.5', '999999999999998.5', '999999999999999.49999', '1E15',
                       '1000000000000000.5', '123456789012344.5', '1E-15', '0.0000000000000009999999999999995', '1E-16',
                       '0.00000000000000099999999999999949999', '0.0000000000000010000000000000005', '0.00000000000000095',
                       '0.00000000000000100000000000000049', '0.000000000000001000000000000001')]

def arith_pair(op):
    """Operands whose result is one of EDGE, about the display's limits, or for + and - one that nearly cancels."""
    t, s, nf = rc(EDGE) * sign(), sign(), ri(1, 14)
    if op in '+-' and R.random() < .5:
        n = R.randrange(10 ** (d := ri(nf, 27)), 10 ** (d + 1)) // 10 * 10 + ri(1, 9)
        m = n + sign() * R.randrange(1, 10 ** ri(1, len(str(n)) - 1))
        return [txt(s * n, nf), txt(s * m * (-1 if op == '+' else 1), nf)]
    y = F(num(ri(0, 8), ri(0, 12))) if op in '+-' else F(2) ** ri(0, 6) * F(10) ** ri(-8, 8) * sign()
    x = t - y if op == '+' else t + y if op == '-' else t * y if op == '/' else t / y * (100 if op == '%' else 1)
    return [dtxt(x), dtxt(y)]

def aim(x, target, root):
    """x and the exponent (or root index) that takes it near 10 ** target."""
    v, nd = target * math.log(10) / math.log(float(x)), ri(1, 12)
    return [x, txt(round((1 / v if root else v) * 10**nd), nd)]

def power_makers(root, one):
    """Both sides of the display's and the double's limits, negative bases, 0, near-whole results; then bases near 1
    with large exponents, or small root indexes and roots of thirty digits."""
    m = [lambda: aim(rc((one(), '%d.%d' % (ri(2, 9), ri(1, 999)), num(ri(2, 5), ri(0, 3), 0), '0.%d' % ri(1, 999))),
                     rc((15, -15, 15, -15, 308.25, -307, R.uniform(-20, 20))), root),
         lambda: [num(ri(0, 2), ri(0, 2), 1), rc((ri(-30, 30), num(1, ri(1, 3))))], lambda: [big(), num(ri(0, 2), ri(0, 2))],
         lambda: [rc(('0', '-0', '0.0')), rc(('0', '-1', '2.5', '-0.5', '3', '-2'))],
         lambda: [num(ri(0, 6), 2, .2), ri(100, 99999)],
         lambda: (lambda k, n: [k ** n + rc((0, 0, 1, -1)), n] if root else ['%.*f' % (ri(4, 14), k ** (1 / n)), n])(
             ri(2, 60), rc((2, 3, 4, 5, 7)))]
    if not root:
        return m + [lambda: [one(), R.randrange(10 ** ri(2, 16))]] * 2
    return m + [lambda: [rc((easy(), one(), num(1, 3, 0), num(0, 3, 0))), rc(('0.0001', '0.001', '0.01', '0.1', '0.5', '0.25',
                                                                          '-0.5', '0.3', '0.002', num(0, ri(1, 5))))]] * 3 + [
        lambda: [(10**15 - ri(1, 10**4)) ** 2 + R.randrange(-10**17, 10**17), 2], lambda: [big(), num(ri(5, 29), 0)]]

def scaled(zero):
    """A second equation k times the first, at times with its right side off; zero: 0 clears a, 1 clears b, 2 neither."""
    e, k = [F(dec()) for _ in range(3)], F(dec(1, 2))
    e[zero] = F(0) if zero < 2 else e[2]
    return [e[0], e[1], e[2], e[0] * k, e[1] * k, e[2] * k + rc((0, 0, F(dec())))]

def solution(a1, b1, a2, b2, x, y):
    return [a1, b1, a1 * x + b1 * y, a2, b2, a2 * x + b2 * y]

FIXED = [e.split('\t') for e in (      # worked examples, then both sides of the solvers' limits
    'stand:-\t628610664.058058 628610663.262207', 'stand:+\t5813126841.8477 -5813126841.83853', 'stand:/\t1 1000000000000000',
    'stand:/\t1 100000', 'extend:/\t1 1000000000000000', 'extend:^\t1.1 300', 'extend:^\t1.000000001 30000000000',
    'extend:root\t1.000123 0.0001', 'extend:root\t-8 3', 'extend:lnko\t613 1226', 'extend:lkkt\t0 6', 'extend:sin\t862745.355',
    'extend:ctg\t9646378.595', 'extend:tg\t' + '9' * 30, 'extend:tg\t0.30', 'extend:arccos\t-0.9999999999999',
    'extend:arcsin\t1',
    'infos10:/\t1 1000000000000000', 'infos2:/\t111 10', 'infos16>2\t1F', 'masodf\t0 0 0', 'linear\t0.1 4.7 1 0.3 14.1 3',
    'linear\t1 0 1 0 1' + '0' * 320 + ' 1', 'linear\t1' + '0' * 401 + ' 0 1 0 1 1',
    'linear\t1' + '0' * 308 + ' 0 2.2250738585072014 0 1 1', 'linear\t1' + '0' * 308 + ' 0 2.2250738585072013 0 1 1',
    'linear\t1 0 17976931348623157' + '0' * 292 + ' 0 1 1', 'linear\t1 0 17976931348623158' + '0' * 292 + ' 0 1 1')]
rows = {}

def add(what, t):
    t = tuple(dtxt(v) if isinstance(v, F) else str(v) for v in ([t] if isinstance(t, str) else t))
    if (what, t) in rows or max(map(len, t)) > {'infos': 64, 'stand': 30, 'exten': 30}.get(what[:5], 10**4):
        return False
    rows[what, t] = result(what, t)
    return True

def section(what, n, plain, makers):
    """n rows: every third from plain, the others from the hard makers."""
    for i in range(200 * n):
        n -= add(what, plain() if i % 3 == 0 else rc(makers)())
        if n <= 0:
            return

def cases():
    for what, t in FIXED:
        add(what, t.split())
    pair, small = lambda: [easy(), easy()], lambda: [num(ri(0, 2), ri(0, 2), .2), num(ri(0, 1), rc((0, 0, 1)), .2)]
    zero, one = lambda: rc(('0', '-0', '0.000', '.0')), lambda: '1.' + '0' * ri(0, 11) + str(ri(1, 999))
    r, g = lambda k: ri(-k, k), lambda: R.randrange(1, 10 ** ri(1, 8))
    for view, n in (('stand', 64), ('extend', 48)):
        for op in '+-*/':
            section(view + ':' + op, n, pair, [lambda: arith_pair(op)] * 3 + [lambda: [big(), big()], lambda: [big(), easy()],
                    lambda: [easy(), big()]] + [lambda: [easy(), zero()], lambda: [1, '1' + '0' * ri(12, 17)]] * (op == '/'))
    section('extend:^', 160, small, power_makers(False, one))
    section('extend:root', 160, small, power_makers(True, one))
    section('extend:%', 50, pair, [lambda: arith_pair('%'), lambda: [big(), big()], lambda: [easy(), big()],
                                    lambda: (lambda y: ['%.*f' % (ri(3, 12), 100 * ri(1, 999) / y), y])(ri(3, 99))])
    for key in ('lnko', 'lkkt'):
        section('extend:' + key, 50, lambda: [ri(0, 999) * sign(), ri(0, 999)], [
            lambda: [g() * ri(1, 10**6) * sign(), g() * ri(1, 10**6)], lambda: [R.randrange(10**8, 10**9) for _ in 'xy'],
            lambda: R.sample([rc((LIM, LIM + 1, LIM - 1, 2**52, -LIM, -LIM - 1)), R.randrange(LIM)], 2),
            lambda: R.sample([num(ri(1, 4), ri(1, 3)), rc((big(), str(ri(0, 999)) + '.' + '0' * ri(1, 3), zero()))], 2)])
    section('extend:n!', 60, lambda: str(ri(0, 25)), [
        lambda: str(ri(0, 170)), lambda: num(ri(1, 3), ri(1, 3)), big, lambda: num(ri(1, 3), 0, 1),
        lambda: rc(('170', '171', '170.5', '169.99999', '170.0', '-0', '0.0', '17', '18', '-1', '-170', '5.000'))])
    section('extend:1/x', 50, easy, [
        zero, lambda: near(10**15 * sign(), ri(0, 12)), big, lambda: num(0, ri(10, 28)),
        lambda: (lambda k: txt(10**k * sign() + ri(-9, 9), 15 + k))(ri(0, 12)), lambda: '%.*f' % (ri(5, 14), 1 / ri(2, 99))])
    for key in ('lg', 'ln'):
        section('extend:' + key, 50, lambda: num(ri(0, 4), ri(0, 3), .1), [
            zero, lambda: num(ri(0, 5), ri(0, 3), 1), lambda: near(1, ri(5, 28)), big, lambda: num(0, ri(5, 28), 0),
            lambda: rc((txt(1, ri(0, 28)), '1' + '0' * ri(0, 29))), lambda: near(10 ** ri(0, 12), ri(3, 14)),
            lambda: '%.*f' % (ri(5, 14), math.e ** ri(1, 30))])
    for key, lb in (('10^x', math.log(10)), ('e^x', math.log(2.71828182845905))):
        section('extend:' + key, 60, lambda: num(ri(0, 1), ri(0, 2)), [
            lambda: near(ri(-20, 20), ri(6, 14)), lambda: num(ri(2, 4), ri(0, 2)), big,
            lambda: txt(ri(1, 999) * sign(), ri(6, 12)),
            lambda: '%.*f' % (ri(4, 14), sign() * 15 * math.log(10) / lb + R.uniform(-1e-3, 1e-3)),
            lambda: '%.*f' % (ri(8, 14), math.log(ri(2, 999)) / lb),
            lambda: '%.*f' % (ri(1, 12), 308.2547155599167 * math.log(10) / lb + R.uniform(-.01, .01))])
    for key in ('sin', 'cos', 'tg', 'ctg'):
        section('extend:' + key, 130, lambda: rc((str(15 * ri(-48, 48)), num(ri(1, 3), ri(0, 2)))), [
            lambda: num(ri(6, 7), 3), lambda: num(ri(6, 8), ri(1, 6)), big, big, lambda: near(90 * ri(-8, 8), ri(0, 16)),
            lambda: near(90 * R.randrange(10 ** ri(0, 26)) * sign(), ri(1, 14)), lambda: near(90 * ri(-8, 8), 0)])
    for key in ('arcsin', 'arccos', 'arctg', 'arcctg'):
        wide = key in ('arctg', 'arcctg')
        section('extend:' + key, 65, lambda: num(ri(0, 2 * wide), ri(1, 4)), [
            lambda: rc(('-', '')) + '0.' + '9' * ri(3, 27) + rc(('', '5', '1')), lambda: near(sign(), ri(3, 27)),
            lambda: rc(('1', '-1', '1.0', '-1.000', '0', '-0', '0.5', '-0.5', '.5', '-.5')),
            lambda: txt(ri(1, 999) * sign(), ri(10, 27)), big] + [big, lambda: num(ri(1, 10), ri(0, 5))] * wide)
    for b in BASES:
        t = lambda n: based(n, b)
        for op in '+-*/':
            section('infos%d:%s' % (b, op), 25 if b == 10 else 10, lambda: [t(ri(-999, 999)), t(ri(-999, 999))], [
                lambda: R.sample([t(rc((LIM, LIM + 1, -LIM, -LIM - 1, 2**52, 2**60))),
                                  t(rc((0, 1, -1, 2, R.randrange(LIM))))], 2),
                lambda: [t(R.randrange(2**24, 2**30) * sign()), t(R.randrange(2**23, 2**30))],
                lambda: [t(LIM - ri(0, 5)), t(ri(0, 10) * sign())], lambda: [t(ri(-10**6, 10**6)), t(rc((0, ri(-99, 99))))]] + [
                lambda: [ri(1, 9), '1' + '0' * ri(13, 17)], lambda: [num(ri(1, 15), 0), num(ri(1, 15), 0)],
                lambda: [num(ri(1, 30), 0), num(ri(1, 30), 0)]] * (b == 10))
    for _ in range(150):
        b, c = R.sample(BASES, 2)
        x = rc((ri(-999, 999), R.randrange(LIM) * sign(), R.randrange(2**53, 2**64) * sign(),
                rc((LIM, LIM + 1, -LIM, -LIM - 1, 0))))
        add('infos%d>%d' % (b, c), based(x, b))
    section('masodf', 150, lambda: [ri(-9, 9) or 1, ri(-20, 20), ri(-20, 20)], [
        lambda: (lambda p, q, u, v: [p * u, -(p * v + q * u), q * v])(r(9) or 1, r(99), r(9) or 2, r(99)),
        lambda: (lambda k, m: [k, 2 * k * m, k * m * m])(r(99) or 3, r(10**6)), lambda: [0, rc((0, r(99))), rc((0, r(99)))],
        lambda: [r(9) or 1, sign() * (10 ** ri(5, 30) + r(99)), r(9)],
        lambda: [R.randrange(10 ** ri(15, 40)) * sign() for _ in 'abc'],
        lambda: [1, sign() * 10 ** ri(300, 330) + r(9), r(9)],
        lambda: [10 ** ri(270, 300), sign() * 10 ** ri(300, 330), r(9) or 1],
        lambda: (lambda k: rc(([1, -(10**k + 1), 10**k], [10**k, -(10**k + 1), 1])))(ri(10, 40)),
        lambda: (lambda a, c: [a, r(2 * math.isqrt(a * c) + 1), c])(ri(1, 99), ri(1, 99))])
    section('linear', 150, lambda: [dec() for _ in range(6)], [
        lambda: solution(*(F(dec(rc((1, 3, 9)), rc((1, 3, 9)))) for _ in range(6))),
        lambda: solution(*[10**160 + ri(-10**20, 10**20) for _ in range(4)], 1, 1), lambda: [0, 0, dec(), 0, 0, dec()],
        lambda: rc((lambda e: e[3:] + e[:3], lambda e: e))([0, 0, rc((0, dec())), dec(), dec(), dec()]),
        lambda: [dtxt(F(num(ri(0, 20), ri(10, 30)))) for _ in range(6)],
        lambda: ['0.' + '0' * ri(1, 200) + '1', 0, '1' + '0' * ri(100, 200), 0, 1, dec()],
        lambda: [dec(), '1' + '0' * ri(200, 420), dec(), 1, 0, dec()]] + [lambda: scaled(rc((0, 1, 2, 2)))] * 3)

# Added later, each after every row above so that those stay as they were.

def cotangents():
    """The cotangent next to its zeros (90, and the 15-digit Pi's own pole of the tangent just past it) and poles."""
    for t in ('85.805', '680866.427', '89.9999999', '90.00000000001', '90', '-270', '450.0', '0.0000001',
              '90.0000000000000927755', '90.00000000000009277547', '89.99999999999990722', '90.000000000000185551'):
        add('extend:ctg', [t])
    pole = F(float(90 * mp.pi / M(PI) - 90))        # 9.28E-14: tan(x * Pi / 180) has its pole at 90 + pole
    closeby = lambda w, d, span: txt(round((w + sign() * F(R.uniform(0, span))) * 10**d), d)
    section('extend:ctg', 120, lambda: num(ri(1, 3), ri(0, 3)), [
        lambda: near(90 * (2 * ri(-20, 20) + 1), ri(1, 28)), lambda: near(180 * ri(-20, 20), ri(1, 28)),
        lambda: near(90 * (2 * R.randrange(10 ** ri(1, 12)) + 1) * sign(), ri(1, 14)),
        lambda: near(180 * R.randrange(10 ** ri(1, 12)) * sign(), ri(1, 14)),
        lambda: closeby(90 + 180 * ri(-3, 3) + pole, ri(15, 27), 2e-13),
        lambda: closeby(F(90 + 180 * ri(-3, 3)), ri(14, 27), 10 ** R.uniform(-14, -3)),
        lambda: num(ri(6, 8), ri(1, 6)), big])

def huge_quadratics():
    """Coefficients of 300 digits and more, up to roots beyond a double either way."""
    for t in ('1' + '0' * 331 + ' 0 -1' + '0' * 331, '3' + '0' * 332 + ' 1' + '0' * 333 + ' -2' + '0' * 332,
              '1' + '0' * 340 + ' 1' + '0' * 340 + ' -1' + '0' * 340):
        add('masodf', t.split())
    huge = lambda lo, hi: (lambda n: R.randrange(10 ** (n - 1), 10**n) * sign())(ri(lo, hi))
    small = lambda: (lambda p, q, u, v: [p * u, -(p * v + q * u), q * v])(ri(-9, 9) or 1, ri(-99, 99), ri(-9, 9) or 2,
                                                                          ri(-99, 99))
    section('masodf', 150, lambda: [huge(300, 420) for _ in 'abc'], [
        lambda: [huge(300, 420) for _ in 'abc'], lambda: [huge(300, 420), huge(300, 420), huge(1, 40)],
        lambda: (lambda k: [k * v for v in small()])(huge(300, 420)),
        lambda: (lambda k: [k, 0, -k * ri(1, 99) ** 2])(10 ** ri(300, 420) * sign()),
        lambda: [huge(1, 30), sign() * 10 ** ri(309, 420) + ri(-9, 9), huge(1, 30)],
        lambda: [1, sign() * (int(DMAX) + R.randrange(-10**293, 10**293)), ri(-9, 9)],
        lambda: [huge(616, 900), rc((0, ri(-9, 9), huge(300, 320))), huge(1, 3)],
        lambda: [10**616 + ri(-99, 99), 0, -ri(1, 9)], lambda: [huge(300, 420), huge(1, 4), huge(600, 800)],
        lambda: [huge(1000, 2000) for _ in 'abc']])

cases()
cotangents()
huge_quadratics()
sys.stdout.reconfigure(encoding='utf-8', newline='\n')
print('# What Zorvexa must show, written by reference/make-table.py (exact fractions, mpmath at 60 digits).\n'
      '# Regenerate: /usr/bin/python3 reference/make-table.py > reference/results.tsv\n'
      '# what <TAB> inputs as typed <TAB> shown <TAB> exact value to 40 digits <TAB> message\n'
      '# (outside base ten the informatics rows give the shown whole number as the exact value)')
for (what, t), out in rows.items():
    print('\t'.join((what, ' '.join(t)) + out))
