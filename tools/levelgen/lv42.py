# Islands (Trifflanta): the colony lands on a shelf of the western cliff; islands
# of rock float over a bottomless hollow to the east. Bridge the gaps, bore through
# the old trunk on the third island.
import sys, os; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build
W, H = 51, 31
g = [['.'] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch='.'):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1): g[r][c] = ch
def put(c, r, s):
    for k, ch in enumerate(s):
        if ch != ' ': g[r][c + k] = ch
carve(0, 50, 0, 2, '#')          # the roof
carve(0, 0, 0, 30, '#'); carve(49, 50, 0, 30, '#')   # cliff walls
carve(0, 3, 3, 4, '#'); carve(45, 48, 3, 4, '#')     # roof brackets
carve(1, 9, 13, 16, '#')         # the landing shelf on the western cliff
carve(1, 4, 17, 19, '#')
carve(12, 19, 13, 14, '#')       # first island
carve(14, 17, 15, 15, '#')
carve(23, 31, 13, 14, '#')       # second island with its trunk
carve(27, 28, 3, 12, '#')
carve(34, 40, 13, 14, '#')       # third island
carve(43, 48, 13, 16, '#')       # the eastern ledge
carve(45, 48, 17, 18, '#')
put(2, 12, "i.m.Sm.i")           # shelf (saucer col 5)
put(12, 12, "mi.mi.im")
put(23, 12, "m.ii"); put(29, 12, "mim")
put(34, 12, "immi.im")
put(43, 12, "mimimi")
F = ["".join(r) for r in g]
sky = ["#" * W] * 3 + ["####" + "." * 41 + "######"] * 2 + ["#" + "." * 48 + "##"] * 26
scen = [(3, 12, 120), (8, 12, 121), (15, 12, 120), (18, 12, 121), (25, 12, 121), (30, 12, 120), (36, 12, 121),
        (39, 12, 120), (46, 12, 121), (10, 3, 126), (20, 3, 126), (38, 3, 126)]
lv = {
 'name': "Islands",
 'notes': ["Islands of rock float over a bottomless hollow. Bridge every gap", "before the colony walks off the edge; bore through the old trunk."],
 'settings': [('bridge', 11), ('boring', 3), ('plan_cleaner', 1), ('to_builder', 2), ('navigation', 3),
              ('dence_balls', 2), ('comands_cleaner', 3), ('beetles', 10), ('time', 370), ('survivors', 8),
              ('direction', 1), ('night', 0), ('rain', 0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(500, 250, 1), (1100, 200, 3), (800, 700, 5), (300, 800, 7)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map42.txt")
