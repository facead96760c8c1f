#!/usr/bin/env python3
# A deterministic mixed drawing of N figures for measuring: half lines of
# widths 1 to 5 in every pen style, then rectangles, ellipses, solid and
# hatched fills, arcs, Bezier curves and pie fills; no text, so that the
# floor needs no fonts.  make_drawing.py N OUT.kvd [lines]
import struct, sys, random
def main(n, out, kind="mixed"):
    rnd = random.Random(17)
    classes = {}
    counter = [1]
    buf = bytearray()
    if n < 0xFFFF: buf += struct.pack('<H', n)
    else: buf += struct.pack('<HI', 0xFFFF, n)
    def tag(name):
        if name not in classes:
            classes[name] = counter[0]; counter[0] += 1
            return struct.pack('<HHH', 0xFFFF, 3, len(name)) + name.encode()
        i = classes[name]
        return struct.pack('<H', 0x8000 + i) if i < 0x7FFF else struct.pack('<HI', 0x7FFF, 0x80000000 + i)
    def pt():
        return rnd.randrange(0, 27195), -rnd.randrange(0, 20396)
    for k in range(n):
        x1, y1 = pt(); x2, y2 = min(27194, x1 + rnd.randrange(-3000, 3000)), max(-20395, min(0, y1 + rnd.randrange(-3000, 3000)))
        col = rnd.randrange(0, 0x1000000)
        base = struct.pack('<iiiiI', x1, y1, x2, y2, col)
        r = k % 20 if kind == "mixed" else 0
        if r < 10:
            name, rec = "CLine", struct.pack('<ii', rnd.randrange(1, 6), rnd.randrange(0, 5))
        elif r < 12:
            name, rec = "CRectangle", struct.pack('<iii', rnd.randrange(1, 6), 0, rnd.randrange(0, 5))
        elif r < 13:
            name, rec = "CCircle", struct.pack('<iii', rnd.randrange(1, 6), 0, rnd.randrange(0, 5))
        elif r < 14:
            name, rec = "CRectFill", struct.pack('<ii', rnd.randrange(1, 8), 0)
        elif r < 15:
            name, rec = "CCircleFill", struct.pack('<ii', rnd.randrange(1, 15), 0)
        elif r < 17:
            a, b = pt(); c, d = pt()
            name, rec = "CArc", struct.pack('<iiiiiii', a, b, c, d, rnd.randrange(1, 6), 0, 0)
        elif r < 19:
            a, b = pt(); c, d = pt()
            name, rec = "CBezier", struct.pack('<iiiiiii', a, b, c, d, rnd.randrange(1, 6), 0, 0)
        else:
            name, rec = "CPieFill", struct.pack('<iiiiii', *pt(), *pt(), rnd.randrange(1, 8), 0)
        buf += tag(name) + base + rec
        counter[0] += 1
    open(out, 'wb').write(buf)
main(int(sys.argv[1]), sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else "mixed")
