# Stone Stairs.: a hall at the foot of two flights of stone stairs. The eastern flight
# ends under a step two cells high (an elevator takes the workers up); the western
# landing is walled off (bore through).
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, grid_tools, W, H

G = [['#'] * W for _ in range(H)]
air, put, rock = grid_tools(G)

air(2, 6, 48, 22)           # the great stair hall
rock(2, 20, 12, 22)         # western flight: landing at row 19
for c, top in ((17, 22), (16, 22), (15, 21), (14, 21), (13, 20)):
    rock(c, top, c, 22)
rock(33, 22, 48, 22)        # eastern flight
rock(35, 21, 48, 21)
rock(37, 20, 48, 20)
G[20][40] = '.'             # a hollow at the foot of the high step
rock(41, 18, 48, 19)        # the high step and the upper landing (row 17)
rock(8, 13, 9, 19)          # the wall across the western landing
rock(2, 6, 12, 12)          # roof over the western landing
rock(2, 6, 48, 8)           # the vault
rock(41, 9, 48, 11)
put(25, 22, 'S')
for c, r in ((22, 22), (36, 20), (44, 17), (47, 17), (4, 19), (6, 19)): put(c, r, 'm')
for c, r in ((29, 22), (38, 19), (43, 17), (46, 17), (11, 19), (5, 19)): put(c, r, 'i')
air(22, 0, 28, 8)           # a shaft up to daylight over the hall
F = ["".join(row) for row in G]
sky = ["#" * 22 + "." * 7 + "#" * 22 if r <= 8 else "#" * W for r in range(H)]
lv = {
 'name': "Stone Stairs.",
 'notes': ["A hall at the foot of two flights of stone stairs. The eastern flight ends under a step",
           "two cells high; the western landing is walled off."],
 'settings': [('elevator', 2), ('boring', 3), ('to_builder', 2), ('navigation', 3), ('comands_cleaner', 2),
              ('beetles', 8), ('time', 250), ('survivors', 6), ('direction', 1), ('night', 0), ('rain', 0)],
 'front': F, 'sky': sky, 'feat': 5,
 'decor': [(800, 420, 3), (400, 560, 1), (1250, 470, 6), (560, 320, 5)],
}
if __name__ == "__main__":
    build(lv, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/levels/map12.txt"))
