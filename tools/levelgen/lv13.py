# The Strange Native.: a creature that kills with a touch walks the upper gallery to
# the east, where most of the harvest lies. Only armoured beetles can face it.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(2, 14, 23, 18)          # the western hall
air(8, 9, 20, 13)           # its high roof, where the saucer comes down
air(24, 12, 48, 17)         # the native's gallery, one step up
rock(30, 12, 33, 13)        # hanging rock in the gallery
rock(41, 12, 43, 14)
put(14, 18, 'S')
for c, r in ((3, 18), (8, 18), (28, 17), (40, 17), (46, 17)): put(c, r, 'm')
for c, r in ((6, 18), (11, 18), (31, 17), (44, 17), (48, 17)): put(c, r, 'i')
put(37, 17, 'x')
air(11, 0, 16, 8)           # a rain-washed chimney over the hall
F = ["".join(row) for row in G]
sky = ["#" * 11 + "." * 6 + "#" * 34 if r <= 8 else "#" * W for r in range(H)]
lv = {
 'name': "The Strange Native.",
 'notes': ["A creature that kills with a touch walks the gallery one step above the hall, where",
           "most of the harvest lies. Only an armoured beetle can face it."],
 'settings': [('to_builder', 1), ('to_armoured', 3), ('to_medic', 1), ('navigation', 3), ('urgent_turn', 3),
              ('comands_cleaner', 2), ('beetles', 8), ('time', 265), ('survivors', 6), ('direction', 0),
              ('night', 1), ('rain', 1)],
 'front': F, 'sky': sky, 'feat': 13,
 'decor': [(420, 380, 2), (900, 450, 5), (1300, 470, 7), (1100, 420, 4)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map13.txt"))
