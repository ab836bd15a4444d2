# Tutorial 5: the way down from the landing ledge is easy; only an elevator brings
# the beetles back up.
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, W, H

g = [["#"] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch="."):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1):
            g[r][c] = ch
carve(38, 42, 2, 7)        # the shaft the saucer comes down
carve(3, 47, 8, 15)        # one cave: the pit floor is rock row 16
carve(3, 11, 8, 9, "#")    # a low roof over the west end of the pit
carve(31, 47, 13, 15, "#") # the landing ledge, three cells above the pit
carve(29, 30, 14, 15, "#") # a step one cell below the ledge
carve(26, 27, 15, 15, "#") # a low step at the foot of the climb
g[12][40] = "S"
for c in (5, 11, 16, 21, 24):
    g[15][c] = "m"
for c in (8, 13, 18, 23):
    g[15][c] = "i"
g[12][45] = "i"
F = ["".join(row) for row in g]
sky = ["#"*38 + "....." + "#"*8]*8 + ["#"*51]*23
lv = {
 'name': "Tutorial. Lesson ''Gravilifts''",
 'notes': ["The harvest lies in a pit below the landing ledge; the walls are too high to climb back."],
 'settings': [('elevator',2),('plan_cleaner',1),('to_builder',1),('navigation',2),('comands_cleaner',2),
              ('beetles',6),('time',270),('survivors',5),('direction',1),('night',1),('rain',0)],
 'front': F, 'sky': sky, 'scenery': [],
 'decor': [(240,470,3),(560,330,7),(1130,360,1),(1470,360,5)],
}
if __name__ == "__main__":
    build(lv, "/work/main/content/levels/map05.txt")
    print("\n".join(F[:20]))
