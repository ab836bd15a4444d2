# Entrance in the Gogre.: the saucer sets down in the mossy mouth of the cave;
# a ravine cuts the tunnel that leads in. Bridge it.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(4, 0, 17, 6)        # the cave mouth, open to the sky
air(2, 7, 21, 16)       # the entrance hall
air(22, 12, 48, 16)     # the tunnel into the mountain
air(30, 17, 32, 27)     # the ravine
put(1, 16, '.'); put(1, 15, '.')
# moss ledges in the hall
for c in range(2, 4): put(c, 7, '#')
for c in range(19, 22): put(c, 7, '#'); put(c, 8, '#')
put(11, 16, 'S')
for c in (3, 15, 24, 40, 47): put(c, 16, 'm')
for c in (6, 18, 27, 37, 44): put(c, 16, 'i')
F = ["".join(row) for row in G]

sky = ["." * W if r < 7 else "#" * W for r in range(H)]
sky = [("#" * 4 + "." * 14 + "#" * 33) if r < 7 else "#" * W for r in range(H)]
scen = [(2, 16, 120), (9, 16, 121), (14, 16, 123), (20, 16, 120), (26, 15, 125), (35, 16, 122),
        (42, 15, 125), (48, 16, 124), (31, 20, 126), (23, 11, 126)]
lv = {
 'name': "Entrance in the Gogre.",
 'notes': ["The saucer sets down in the mossy mouth of the cave. A ravine cuts the tunnel",
           "that leads in: bridge it before the workers walk into it."],
 'settings': [('bridge', 4), ('to_builder', 2), ('navigation', 3), ('urgent_turn', 2), ('comands_cleaner', 2),
              ('beetles', 8), ('time', 250), ('survivors', 6), ('direction', 0), ('night', 0), ('rain', 1)],
 'front': F, 'sky': sky, 'feat': 10,
 'decor': [(260, 330, 2), (700, 120, 5), (1200, 300, 3), (1450, 420, 6)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map10.txt"))
