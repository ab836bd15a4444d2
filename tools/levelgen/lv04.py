# Tutorial 4: bridge the precipice, then bore through the rock that seals the deposits.
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from levelgen import build, W, H

g = [["#"] * W for _ in range(H)]
def carve(c0, c1, r0, r1, ch="."):
    for r in range(r0, r1 + 1):
        for c in range(c0, c1 + 1):
            g[r][c] = ch
carve(8, 12, 2, 8)        # the shaft the saucer comes down
carve(4, 30, 9, 13)       # the landing hall and the far bank, floor rock in row 14
carve(4, 6, 9, 10, "#")   # a roof corner
carve(18, 20, 14, 25)     # the precipice
carve(34, 47, 10, 13)     # the sealed deposit chamber behind a wall three cells thick
carve(40, 44, 9, 9)       # a dome in its roof
g[13][10] = "S"
for c in (23, 29, 38, 42, 45, 47):
    g[13][c] = "m"
for c in (26, 36, 40, 44, 46):
    g[13][c] = "i"
F = ["".join(row) for row in g]
sky = ["#"*8 + "....." + "#"*38]*9 + ["#"*51]*22
lv = {
 'name': "Tutorial. Lesson ''Boring''",
 'notes': ["A precipice, and beyond it a deposit chamber sealed behind three cells of rock."],
 'settings': [('bridge',4),('boring',4),('plan_cleaner',1),('to_builder',1),('navigation',2),('comands_cleaner',2),
              ('beetles',6),('time',300),('survivors',5),('direction',1),('night',0),('rain',1)],
 'front': F, 'sky': sky, 'scenery': [],
 'decor': [(200,420,2),(760,420,6),(1290,420,4),(1420,330,1)],
}
if __name__ == "__main__":
    build(lv, "/work/main/content/levels/map04.txt")
    print("\n".join(F[:27]))
