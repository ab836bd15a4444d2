# First Dungeons...: a corridor between two walled-up dungeon cells, with a deep
# pit on the way east. Bore into both cells; bridge the pit.
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(2, 17, 48, 20)          # the corridor
air(19, 11, 31, 16)         # the guard hall where the saucer sets down
air(3, 14, 10, 16)          # vaulted roof of the western cell
air(44, 15, 47, 16)         # and of the eastern cell
rock(12, 17, 13, 20)        # the walled-up door of the western cell
rock(41, 17, 42, 20)        # and of the eastern cell
air(33, 21, 35, 28)         # the pit
rock(15, 17, 16, 17)        # lintels along the corridor
rock(36, 17, 38, 17)
put(25, 20, 'S')
for c in (4, 9, 22, 38, 45, 47): put(c, 20, 'm')
for c in (6, 17, 28, 37, 44, 46): put(c, 20, 'i')
F = ["".join(row) for row in G]
sky = ["#" * W for r in range(H)]
lv = {
 'name': "First Dungeons...",
 'notes': ["A corridor between two walled-up dungeon cells, with a deep pit on the way east.",
           "Bore into both cells and bridge the pit: two builders make short work of it."],
 'settings': [('bridge', 4), ('boring', 5), ('to_builder', 3), ('navigation', 3), ('urgent_turn', 3),
              ('comands_cleaner', 2), ('beetles', 9), ('time', 235), ('survivors', 7), ('direction', 0),
              ('night', 1), ('rain', 0)],
 'front': F, 'sky': sky, 'feat': 17,
 'decor': [(200, 520, 7), (800, 420, 2), (1100, 620, 1), (1480, 560, 4), (560, 600, 6)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map15.txt"))
