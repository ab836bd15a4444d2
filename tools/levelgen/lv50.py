# Mossy Platforms (Fragilma): the saucer sets down on a broad mossy platform hanging
# in the middle of a crystal hall. A builder glides down on Dence Balls, puts
# shock-absorbers under both ends of the platform and an elevator back up to it.
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
carve(1, 48, 4, 18)            # the hall, floor under row 18
carve(8, 40, 11, 12, '#')      # the mossy platform, walked at row 10
carve(20, 21, 10, 10, '#'); carve(27, 28, 10, 10, '#')   # moss humps keep insects off the landing place
carve(38, 39, 18, 18, '#'); carve(45, 46, 18, 18, '#')   # and keep the floor's insects off the elevator
carve(1, 6, 4, 6, '#'); carve(14, 18, 4, 4, '#'); carve(30, 36, 4, 5, '#'); carve(44, 48, 4, 7, '#')   # roof
put(8, 10, "mi.i.imii.mi"); put(22, 10, "mmSmm"); put(29, 10, "i.mi.i.m.imm")      # platform (saucer col 24)
put(1, 18, "imi.m.i.mi.m.i.im.i.mi.m.i.mi.mi.m.ii"); put(42, 18, "mm")              # floor
F = ["".join(r) for r in g]
sky = ["#" * W] * 4 + ["#" * 7 + "." * 7 + "#" * 16 + "." * 14 + "#" * 7] * 2 + ["#" * W] * 25
scen = [(4, 9, 109), (12, 7, 108), (19, 6, 111), (26, 7, 109), (33, 8, 108), (40, 9, 110), (46, 10, 109),
        (10, 15, 108), (18, 16, 109), (25, 15, 110), (32, 16, 109), (44, 15, 108), (3, 14, 111)]
lv = {
 'name': "Mossy Platforms",
 'notes': ["A broad mossy platform hangs in the middle of a crystal hall. Glide a", "builder down, catch both ends with shock-absorbers, lift the colony back up."],
 'settings': [('elevator', 2), ('boring', 1), ('absorber', 8), ('plan_cleaner', 1), ('to_builder', 2),
              ('navigation', 4), ('urgent_turn', 2), ('dence_balls', 2), ('comands_cleaner', 4), ('beetles', 16),
              ('time', 480), ('survivors', 13), ('direction', 1), ('night', 0), ('rain', 1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(350, 120, 2), (1150, 160, 4), (800, 500, 6)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map50.txt")
