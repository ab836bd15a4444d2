# Zig-zag Dungeons (Trifflanta): three dungeon galleries stacked one over the other.
# The colony drops through a bored floor in the west, then one in the east, caught by
# shock-absorbers, and an elevator in the eastern shaft brings it home.
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
carve(10, 47, 3, 6)            # upper gallery, floor under row 6; col 47 is the elevator shaft
carve(47, 47, 7, 15)           # the shaft down to the lower gallery
carve(2, 40, 9, 11)            # middle gallery, floor under row 11
carve(38, 47, 14, 16)          # lower gallery, floor under row 16
carve(4, 34, 19, 25)           # a sealed grotto under the galleries, out of reach
carve(10, 20, 26, 27); carve(24, 30, 18, 18)
carve(8, 12, 14, 14, '#')      # thicker rock under the middle gallery's shock-absorbers
carve(44, 45, 16, 16, '#')     # a hump keeps the lower gallery's mushrooms apart from the elevator
carve(17, 18, 6, 6, '#'); carve(22, 23, 6, 6, '#')   # humps keep the upper insects off the landing place
carve(14, 16, 3, 3, '#'); carve(36, 38, 3, 3, '#'); carve(26, 28, 9, 9, '#')   # roof beams
put(11, 6, "mi.m.i"); put(20, 6, "S"); put(25, 6, "mi.im.i.m.i.mi")   # upper gallery (saucer col 20)
put(3, 11, "mi.m.i.i"); put(15, 11, "m.i.mi.m.i.i")              # middle gallery
put(41, 16, "mmm")                                # lower gallery
F = ["".join(r) for r in g]
sky = ["#" * W] * 31
scen = [(9, 4, 108), (18, 5, 110), (27, 4, 111), (40, 5, 108), (6, 10, 110), (22, 10, 108), (36, 10, 111),
        (40, 15, 108), (42, 14, 109), (47, 10, 108), (44, 18, 110)]
lv = {
 'name': "Zig-zag Dungeons",
 'notes': ["Three galleries, one under the other: the way runs east, drops, runs west,", "drops again. Catch every drop and bring the colony back up the eastern shaft."],
 'settings': [('elevator', 2), ('boring', 4), ('absorber', 6), ('plan_cleaner', 1), ('to_builder', 2),
              ('navigation', 3), ('dence_balls', 3), ('comands_cleaner', 3), ('beetles', 12), ('time', 410),
              ('survivors', 10), ('direction', 0), ('night', 0), ('rain', 0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(600, 150, 2), (1100, 450, 5)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map44.txt")
