# OOHH! (Trifflanta): the colony lands on a high plateau above a deep cave. A
# builder glides down on Dence Balls, sets shock-absorbers where the others will
# land and an elevator to bring them back up, and blasts the wall of the far room.
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
carve(1, 20, 3, 8)             # the plateau, floor under row 8
carve(21, 48, 3, 19)           # the deep cave, floor under row 19
carve(36, 37, 12, 19, '#')     # two-cell wall before the far room
carve(36, 48, 3, 11, '#')      # roof over the far room
carve(21, 23, 3, 4, '#'); carve(29, 35, 3, 5, '#')   # roof knobs
carve(3, 6, 3, 3, '#')
carve(5, 6, 8, 8, '#'); carve(11, 12, 8, 8, '#')   # humps keep the insects away from the landing place
put(1, 8, "mimi"); put(8, 8, "S"); put(13, 8, "iimimim")   # plateau
put(24, 19, "m.m.m.m..m.m")      # deep cave: mushrooms only, none where the elevator stands or the blast digs
put(38, 19, "iimiiimiimi")      # far room
F = ["".join(r) for r in g]
sky = ["#" * W] * 3 + ["#" * 7 + "." * 13 + "#" * 31] * 2 + ["#" * W] * 26
scen = [(4, 6, 108), (11, 5, 111), (16, 6, 110), (25, 8, 108), (30, 12, 110), (27, 16, 111), (33, 14, 108),
        (41, 15, 110), (46, 14, 108), (24, 11, 109), (44, 17, 109)]
lv = {
 'name': "OOHH!",
 'notes': ["The saucer lands on a plateau high above a deep cave. Glide a builder", "down, catch the colony with shock-absorbers, lift it back with an elevator."],
 'settings': [('elevator', 2), ('dynamite', 2), ('absorber', 4), ('plan_cleaner', 1), ('to_builder', 2),
              ('navigation', 3), ('dence_balls', 2), ('comands_cleaner', 3), ('beetles', 12), ('time', 380),
              ('survivors', 10), ('direction', 1), ('night', 1), ('rain', 1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(350, 90, 1), (1000, 300, 4), (700, 450, 6)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map43.txt")
