# The first Battle for Mushrooms.: a native guards each of the two mushroom terraces
# beside the hall, and a rock slide closes the way to the eastern one.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(2, 15, 48, 20)          # the long cave
air(18, 9, 32, 14)          # the hall where the saucer sets down
air(4, 11, 12, 14)          # the high roof over the western terrace
air(40, 11, 46, 14)         # and over the eastern one
rock(2, 20, 16, 20)         # the western terrace, one step up
rock(38, 20, 48, 20)        # the eastern terrace
rock(34, 15, 36, 20)        # the rock slide

put(25, 20, "S")
for c, r in ((20, 20), (30, 20), (5, 18), (10, 18), (14, 18), (40, 18), (44, 18), (47, 18)): put(c, r, 'm')
for c, r in ((23, 20), (28, 20), (8, 18), (12, 18), (42, 18), (46, 18)): put(c, r, 'i')
put(6, 18, 'x'); put(43, 18, 'x')
air(22, 0, 28, 8)           # a rift up to daylight over the hall
F = ["".join(row) for row in G]
sky = ["#" * 22 + "." * 7 + "#" * 22 if r <= 8 else "#" * W for r in range(H)]
lv = {
 'name': "The first Battle for Mushrooms.",
 'notes': ["A native guards each of the two mushroom terraces beside the hall; a rock slide",
           "closes the way to the eastern one. Armour two beetles and blast the slide."],
 'settings': [('dynamite', 2), ('boring', 2), ('to_builder', 2), ('to_armoured', 7), ('navigation', 5),
              ('urgent_turn', 4), ('comands_cleaner', 5), ('beetles', 10), ('time', 275), ('survivors', 7),
              ('direction', 0), ('night', 0), ('rain', 1)],
 'front': F, 'sky': sky, 'feat': 29,
 'decor': [(260, 420, 5), (700, 420, 3), (1330, 420, 7), (600, 560, 2), (1050, 560, 4)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map16.txt"))
