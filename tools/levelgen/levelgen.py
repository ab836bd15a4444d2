# Level source generator: design grid with '#' rock -> settled level text.
import sys, os
W, H = 51, 31
FRONT_POOL = [c for c in "0123456789abcdefghjklnopqrstuvwyz"]
BACK_POOL = [c for c in "CDEFGIJKLMNOPQRUVWXYZ!$&'()*+,-/:;<>?@[]^_`{|}~"]
DEFAULT = {'.': 0, '#': 31, 'H': 32, '%': 33, '=': 39, 'B': 40, 'T': 41, 'A': 42, 'S': 64, 'm': 65, 'i': 66, 'x': 67}
NAMES = ["bridge", "elevator", "boring", "insects_cloac", "dynamite", "absorber", "tool6", "tool7",
    "tool8", "tool9", "tool10", "plan_cleaner", "to_builder", "to_armoured", "to_medic",
    "to_laborer", "navigation", "urgent_turn", "tool18", "dence_balls", "tool20", "tool21",
    "tool22", "comands_cleaner", "beetles", "time", "survivors", "direction", "night", "rain"]

def rock(g, c, r):
    if c < 0 or r < 0 or c >= W or r >= H: return False
    return 1 <= g[c][r] <= 33

def mask(g, c, r):
    m = 0
    if r == 0 or rock(g, c, r-1): m |= 1
    if c == 0 or rock(g, c-1, r): m |= 2
    if c == W-2 or (c < W-1 and rock(g, c+1, r)): m |= 4
    if r == H-2 or (r < H-1 and rock(g, c, r+1)): m |= 8
    return m

def tile(m, c):
    return {15: 1, 12: 21 + 2*(c % 2), 10: 22 + 2*(c % 2), 14: 17 + (c % 4), 7: 29 + (c % 2),
            3: 28, 5: 27, 13: 25, 11: 26}.get(m, 0)

def settle(g):
    lost = []
    for _ in range(4):
        for c in range(W):
            for r in range(H):
                if 1 <= g[c][r] <= 31:
                    t = tile(mask(g, c, r), c)
                    if t == 0: lost.append((c, r))
                    g[c][r] = t
    for c in range(W):
        for r in range(H):
            if 1 <= g[c][r] <= 16: g[c][r] = (r % 4)*4 + (c % 4) + 1
    return lost

def back_tiles(wall, feat):
    def w(c, r):
        if c < 0 or r < 0 or c >= W or r >= H: return True
        return wall[r][c]
    out = [[0]*H for _ in range(W)]
    for c in range(W):
        for r in range(H):
            if not wall[r][c]: continue
            up, dn, lf, rt = not w(c, r-1), not w(c, r+1), not w(c-1, r), not w(c+1, r)
            if up and lf: t = 100
            elif up and rt: t = 101
            elif dn and lf: t = 102
            elif dn and rt: t = 103
            elif up: t = 96
            elif dn: t = 97
            elif lf: t = 98
            elif rt: t = 99
            elif not w(c-1, r-1): t = 104
            elif not w(c+1, r-1): t = 105
            elif not w(c-1, r+1): t = 106
            elif not w(c+1, r+1): t = 107
            else:
                t = 80 + (r % 4)*4 + (c % 4)
                h = (c*7919 + r*104729 + feat) % 37
                if h == 3: t = 108
                elif h == 11: t = 109
                elif h == 19: t = 110
                elif h == 29: t = 111
            out[c][r] = t
    return out

def build(lv, path):
    rows = lv['front']
    assert len(rows) <= H, (path, len(rows))
    g = [[0]*H for _ in range(W)]
    for r, line in enumerate(rows):
        assert len(line) <= W, (path, r, len(line))
        for c, ch in enumerate(line):
            g[c][r] = DEFAULT[ch]
    lost = settle(g)
    if lost: print(path, "CRUMBLES", lost)
    # back: wall everywhere except sky cells ('.' in lv['sky'] rows)
    sky = lv.get('sky', [])
    wall = [[True]*W for _ in range(H)]
    for r, line in enumerate(sky):
        for c, ch in enumerate(line):
            if ch == '.': wall[r][c] = False
    b = back_tiles(wall, lv.get('feat', 0))
    for (c, r, code) in lv.get('scenery', []):
        b[c][r] = code
    # characters
    fmap, bmap = {}, {}
    rev = {v: k for k, v in DEFAULT.items()}
    fpool, bpool = iter(FRONT_POOL), iter(BACK_POOL)
    def fch(code):
        if code in rev and code not in range(1, 31): return rev[code]
        if code not in fmap: fmap[code] = next(fpool)
        return fmap[code]
    def bch(code):
        if code == 0: return '.'
        if code not in bmap: bmap[code] = next(bpool)
        return bmap[code]
    front_txt = ["".join(fch(g[c][r]) for c in range(W)) for r in range(H)]
    back_txt = ["".join(bch(b[c][r]) for c in range(W)) for r in range(H)]
    o = []
    o.append("[level]")
    o.append("name: " + lv['name'])
    for n in lv.get('notes', []): o.append(n)
    o.append("")
    o.append("[settings]")
    for k, v in lv['settings']:
        assert k in NAMES, k
        o.append(f"{k} = {v}")
    o.append("")
    o.append("[legend]  # rock stored settled: interior 1-16, top 17-20, corners 21-28, underside 29-30; back wall 80-111")
    for code, ch in sorted(fmap.items()): o.append(f"{ch} = {code}")
    for code, ch in sorted(bmap.items()): o.append(f"{ch} = {code}")
    o.append("")
    o.append("[front]")
    o += front_txt
    o.append("")
    o.append("[back]")
    o += back_txt
    o.append("")
    o.append("[decorations]")
    o.append("# x y picture (1..7), world pixels of the centre")
    for d in lv.get('decor', []): o.append("%d %d %d" % tuple(d))
    open(path, "w").write("\n".join(o) + "\n")
    items = sum(ch in 'mix' for line in rows for ch in line)
    ms = sum(ch == 'm' for line in rows for ch in line)
    ins = sum(ch == 'i' for line in rows for ch in line)
    print(os.path.basename(path), "m", ms, "i", ins, "items", items)


def grid_tools(G):
    """Drawing helpers on a design grid G[row][col]: air, put, rock."""
    def air(c0, r0, c1, r1):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1): G[r][c] = '.'
    def put(c, r, ch): G[r][c] = ch
    def rock(c0, r0, c1, r1):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1): G[r][c] = '#'
    return air, put, rock
