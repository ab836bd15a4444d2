# Tutorial 3: a builder bridges a precipice; the harvest waits on the far side.
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, W, H

g = [["#"] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch="."):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1):
            g[r][c] = ch
carve(12, 16, 2, 8)       # the shaft the saucer comes down
carve(6, 47, 9, 13)       # the cave, floor rock in row 14
carve(34, 39, 9, 9, "#")  # a hump in the roof
carve(22, 26, 14, 25)     # the precipice, far too deep to fall into
carve(36, 47, 13, 13, "#")  # a raised shelf at the far end, one step up
g[13][14] = "S"
for c in (29, 33, 40, 43, 46):   # mushrooms
    g[12 if c >= 36 else 13][c] = "m"
g[13][31] = "m"
for c in (30, 35, 38, 42, 45):   # maggots
    g[12 if c >= 36 else 13][c] = "i"
F = ["".join(row) for row in g]
sky = ["#"*12 + "....." + "#"*34]*9 + ["#"*51]*22
scen = []
lv = {
 'name': "Tutorial. Introduction in Buildings",
 'notes': ["A precipice splits the cave; the harvest waits on the far side."],
 'settings': [('bridge',7),('plan_cleaner',1),('to_builder',1),('navigation',2),('comands_cleaner',2),
              ('beetles',6),('time',360),('survivors',5),('direction',1),('night',0),('rain',0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(330,430,1),(1050,420,3),(760,250,5)],
}
if __name__ == "__main__":
    build(lv, "/work/main/content/levels/map03.txt")
    print("\n".join(F[:27]))
