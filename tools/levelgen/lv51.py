# Free for All! (Fragilma): the saucer hangs over a shaft into a long crystal hall.
# Bore west into the old store and bridge the creature's pit there; the elevator at
# the east end lifts the colony to the moss terrace, whose west end drops back down
# the shaft onto shock-absorbers.
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
carve(31, 48, 6, 10)           # the moss terrace, floor under row 10
carve(35, 46, 4, 5)            # its high roof
carve(21, 30, 3, 13)           # the shaft under the saucer
carve(13, 48, 14, 19)          # the long hall, floor under row 19; col 48 takes the elevator
carve(48, 48, 11, 13)          # the elevator's way through to the terrace
carve(2, 10, 15, 19)           # the old store behind the two-cell wall (cols 11-12)
carve(6, 8, 20, 26)            # the creature's pit
carve(19, 20, 19, 19, '#'); carve(26, 27, 19, 19, '#'); carve(45, 46, 19, 19, '#')   # humps keep the insects apart
put(2, 19, "miim"); put(9, 19, "ii"); put(7, 26, "x")                       # store (pit cols 6-8)
put(13, 19, "mimimi"); put(21, 19, "mmmm"); put(25, 8, "S")     # hall
put(28, 19, "mm.m"); put(32, 19, "imimiimimiimi")
put(31, 10, "mi.miiim.i.mimimi")                                # terrace
F = ["".join(r) for r in g]
sky = ["#" * W] * 4 + ["#" * 35 + "." * 12 + "#" * 4] * 2 + ["#" * W] * 25
scen = [(33, 8, 109), (38, 7, 108), (44, 8, 110), (23, 6, 108), (28, 10, 109), (15, 16, 108), (24, 16, 109),
        (34, 15, 110), (41, 16, 108), (4, 16, 109), (9, 17, 108), (7, 23, 109)]
lv = {
 'name': "Free for All!",
 'notes': ["Every tool on the shelf. Bore into the old store and bridge its pit, then", "lift the colony to the moss terrace and catch it when it drops back down."],
 'settings': [('bridge', 4), ('elevator', 2), ('boring', 3), ('dynamite', 2), ('absorber', 4), ('plan_cleaner', 1),
              ('to_builder', 2), ('to_armoured', 1), ('to_medic', 1), ('navigation', 3), ('urgent_turn', 2), ('dence_balls', 2),
              ('comands_cleaner', 3), ('beetles', 16), ('time', 340), ('survivors', 13), ('direction', 0), ('night', 1), ('rain', 0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(1250, 80, 1), (700, 60, 3), (300, 300, 5)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map51.txt")
