# Blastigs Works.: an old mine gallery closed by a rock slide three cells thick.
# One charge opens it; a walled-up drift to the west is bored through.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(2, 12, 48, 16)      # the gallery
air(14, 8, 27, 11)      # the hall where the saucer sets down
air(42, 10, 46, 11)     # a blind working above the far end
rock(36, 12, 38, 16)    # the rock slide
rock(2, 12, 5, 13)      # old spoil heaps under the roof
rock(10, 12, 11, 16)    # an old timbered wall closing the western drift

put(20, 16, 'S')
for c in (4, 16, 25, 40, 47): put(c, 16, 'm')
for c in (7, 13, 30, 43, 45): put(c, 16, 'i')
F = ["".join(row) for row in G]
sky = ["#" * W for r in range(H)]
lv = {
 'name': "Blastigs Works.",
 'notes': ["An old mine gallery, closed by a rock slide three cells thick: one charge opens it.",
           "The western drift is walled up; bore through the wall."],
 'settings': [('boring', 3), ('dynamite', 2), ('to_builder', 2), ('navigation', 3), ('urgent_turn', 3),
              ('comands_cleaner', 3), ('beetles', 8), ('time', 275), ('survivors', 6), ('direction', 0),
              ('night', 1), ('rain', 0)],
 'front': F, 'sky': sky, 'feat': 21,
 'decor': [(300, 470, 1), (660, 300, 4), (980, 330, 2), (1380, 360, 7)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map11.txt"))
