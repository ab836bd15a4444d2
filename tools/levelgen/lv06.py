# Tutorial 6: a drop far too deep for a beetle; shock-absorbers soften the landing
# and an elevator brings the beetles back to the ledge.
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, W, H

g = [["#"] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch="."):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1):
            g[r][c] = ch
carve(38, 42, 2, 7)        # the shaft the saucer comes down
carve(3, 47, 8, 17)        # one cave: the pit floor is rock row 18
carve(3, 14, 8, 10, "#")   # a low roof over the west end of the pit
carve(18, 21, 8, 9, "#")   # and a hanging block of rock
carve(31, 47, 13, 17, "#") # the landing ledge, five cells above the pit
carve(10, 12, 17, 17, "#") # a low hump on the pit floor
g[12][40] = "S"
for c in (5, 14, 19, 24):
    g[17][c] = "m"
g[16][11] = "m"            # on top of the hump
for c in (8, 16, 21, 26):
    g[17][c] = "i"
F = ["".join(row) for row in g]
sky = ["#"*38 + "....." + "#"*8]*8 + ["#"*51]*23
lv = {
 'name': "Tutorial. Lesson ''Shock-Absorbers''",
 'notes': ["The only way into the pit is a drop of five cells; an elevator leads back up."],
 'settings': [('elevator',1),('absorber',3),('plan_cleaner',1),('to_builder',1),('navigation',2),
              ('dence_balls',1),('comands_cleaner',2),
              ('beetles',6),('time',300),('survivors',5),('direction',1),('night',1),('rain',1)],
 'front': F, 'sky': sky, 'scenery': [],
 'decor': [(200,540,2),(700,540,4),(1200,360,6),(1460,360,3)],
}
if __name__ == "__main__":
    build(lv, "/work/main/content/levels/map06.txt")
    print("\n".join(F[:20]))
