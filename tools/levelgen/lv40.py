# Warrior - is Dynamite!: an armoured pair clears the hostile from the eastern
# shelf while a builder blasts open the western store room.
import sys; sys.path.insert(0, __file__.rsplit('/', 1)[0])
from levelgen import build
W, H = 51, 31
g = [['#'] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch='.'):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1): g[r][c] = ch
def put(c, r, s):
    for k, ch in enumerate(s): g[r][c + k] = ch
carve(11, 48, 5, 12)          # the main hall, floor under row 12
carve(14, 34, 3, 4)           # high vault under the forest roof
carve(1, 8, 8, 12)            # the western store room behind the wall
carve(9, 10, 5, 12, '#')      # the wall itself: two cells thick
carve(16, 17, 12, 12, '#')    # low humps keep the hall's insects away from the blast
carve(24, 25, 12, 12, '#')    # and from the landing place
carve(40, 48, 12, 12, '#')    # the eastern shelf, one step up
carve(6, 44, 19, 25)           # an old flooded grotto deep under the hall, out of reach
carve(12, 20, 26, 27); carve(30, 40, 18, 18); carve(9, 14, 18, 18)
put(1, 12, "mimimimi")         # store room
put(11, 12, "m.m.m"); put(21, 12, "S"); put(26, 12, "imimi.imimiiim")
put(41, 11, "mi.x..mi")
F = ["".join(r) for r in g]
sky = ["#" * W] * 3 + ["#" * 14 + "." * 21 + "#" * 16] * 3 + ["#" * W] * 25
scen = [(3, 9, 108), (7, 10, 110), (13, 7, 111), (19, 9, 108), (28, 8, 110), (33, 10, 108), (37, 7, 111),
        (44, 8, 110), (47, 9, 108), (22, 7, 109)]
lv = {
 'name': "Warrior - is Dynamite!",
 'notes': ["A hostile creature guards the eastern shelf; only armoured beetles", "can clear it. A wall of rock seals the western store room: blast it."],
 'settings': [('dynamite', 2), ('to_builder', 2), ('to_armoured', 3), ('navigation', 3), ('urgent_turn', 2),
              ('comands_cleaner', 3), ('beetles', 12), ('time', 300), ('survivors', 10), ('direction', 1), ('night', 0), ('rain', 1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(400, 110, 1), (900, 90, 3), (1300, 200, 5)],
}
if __name__ == "__main__":
    if "-p" in sys.argv: print("\n".join(F)); sys.exit()
    build(lv, sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/levels/map40.txt")
