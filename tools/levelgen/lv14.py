# Larceny.: the loot lies on a high shelf in a vault. Lift the workers up beside it,
# and soften the long drop back down to the saucer.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(5, 19, 48, 20)         # the low passage under the shelf
air(5, 11, 5, 18)         # a narrow shaft at its western end
air(6, 8, 40, 12)          # the vault on top of the shelf
air(41, 5, 48, 18)          # the eastern cavern, where the saucer sets down
air(33, 6, 38, 7)           # domes in the vault roof
air(18, 6, 24, 7)
air(8, 6, 12, 7)
rock(11, 12, 13, 12)        # a low ledge at the western end of the shelf
rock(25, 12, 28, 12)        # a raised floor in the middle of the vault
rock(26, 11, 27, 11)
put(45, 20, 'S')
for c, r in ((8, 12), (16, 12), (23, 12), (34, 12), (39, 12), (30, 20), (47, 20)): put(c, r, 'm')
for c, r in ((10, 11), (21, 12), (31, 12), (36, 12), (24, 20), (43, 20)): put(c, r, 'i')
air(43, 0, 47, 4)           # a chimney up to daylight over the cavern
F = ["".join(row) for row in G]
sky = ["#" * 43 + "." * 5 + "#" * 3 if r <= 4 else "#" * W for r in range(H)]
lv = {
 'name': "Larceny.",
 'notes': ["The loot lies on a high shelf in a vault. Lift the workers up the shaft beside it,",
           "and soften the long drop from the shelf back down to the saucer."],
 'settings': [('elevator', 2), ('absorber', 3), ('to_builder', 2), ('navigation', 3), ('dence_balls', 2),
              ('comands_cleaner', 2), ('beetles', 8), ('time', 300), ('survivors', 6), ('direction', 0),
              ('night', 0), ('rain', 1)],
 'front': F, 'sky': sky, 'feat': 3,
 'decor': [(1100, 300, 6), (1400, 250, 3), (1200, 620, 1), (980, 230, 5)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map14.txt"))
