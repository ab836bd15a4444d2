# Free for All! (Trifflanta): the saucer hangs over a shaft. An elevator lifts the
# beetles to the western terrace, shock-absorbers catch them on the way back down,
# a bored wall and a bridge over a creature's pit open the eastern room.
import sys, os; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build
W, H = 51, 31
g = [['#'] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch='.'):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1): g[r][c] = ch
def put(c, r, s):
    for k, ch in enumerate(s):
        if ch != ' ': g[r][c + k] = ch
carve(1, 19, 6, 10)            # western terrace, floor under row 10
carve(3, 15, 4, 5)             # its high roof
carve(20, 29, 3, 13)           # the shaft under the saucer
carve(20, 37, 14, 19)          # lower hall, floor under row 19
carve(30, 31, 19, 19, '#')     # a hump that keeps the hall's insects in the east
carve(40, 48, 15, 19)          # eastern room behind the two-cell wall (cols 38-39)
carve(42, 44, 20, 26)          # the creature's pit
put(1, 10, "mi.mi.i.mim.imi.m.i")  # terrace
put(25, 8, "S")
put(22, 19, "m.m.m.m")         # lower hall, west of the hump
put(32, 19, "iimii.")          # lower hall, east of the hump
put(40, 19, "mi   mmii"); put(43, 26, "x")
F = ["".join(r) for r in g]
sky = ["#" * W] * 3 + ["#" * 3 + "." * 13 + "#" * 4 + "." * 10 + "#" * 21] * 2 + ["#" * W] * 26
scen = [(4, 8, 108), (9, 7, 110), (17, 9, 108), (13, 6, 111), (23, 11, 108), (27, 16, 110), (35, 16, 108),
        (33, 15, 111), (41, 16, 108), (47, 17, 110), (45, 16, 109), (43, 23, 108)]
lv = {
 'name': "Free for All!",
 'notes': ["Every tool on the shelf. Lift the colony to the terrace, catch it", "on the way down, bore east and bridge the creature's pit."],
 'settings': [('bridge', 4), ('elevator', 2), ('boring', 3), ('dynamite', 1), ('absorber', 4), ('plan_cleaner', 1),
              ('to_builder', 2), ('to_armoured', 1), ('navigation', 3), ('urgent_turn', 2), ('dence_balls', 2),
              ('comands_cleaner', 3), ('beetles', 12), ('time', 340), ('survivors', 10), ('direction', 1), ('night', 1), ('rain', 0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(300, 90, 2), (820, 70, 4), (1350, 300, 6)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map41.txt")
