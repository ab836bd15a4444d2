# Set Dynamite Correctly: the saucer lands on an ice floor (hard rock) over a
# sealed gallery. Only a charge two cells beside the saucer's column opens the
# floor right under it, so loaded beetles can be lifted from the gallery.
F = [
"###################################################",  # 0
"###############.........##########################",
"########...........................###############",
"######...................................#########",
"####.......................................#######",
"###.........................................######",
"###.........................................######",  # 6
"###.........................................######",
"###.........................................######",
"###.................S.......................######",  # 9 hall floor walk row
"###HHHHHHHHHHHHHHHHHHH#HHHHHHHHHHHHHHHHHHH#H######",  # 10 ice floor; rock at 22 over the gallery, rock at 42 over solid ground
"#####..m..i...m..i....H...m.i.m..i...m.i###########",  # 11 gallery, an ice pillar under the rock cell
"###################################################",
"###################################################",
]
F = [r.ljust(51, '#')[:51] for r in F]
F += ["#" * 51] * (31 - len(F))
sky = ["#"*15 + "."*9 + "#"*27]*2 + ["#"*51]*29
scen = [(6,9,122),(12,9,125),(30,9,123),(38,9,120),(42,9,121),(9,11,127),(36,11,124),(24,11,126)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(6, 40, 17, 22), (10, 30, 23, 25), (14, 22, 16, 16), (28, 36, 26, 27)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(12, 25, 127), (25, 25, 124), (33, 22, 122), (20, 25, 124)]

lv = {
 'name': "Set Dynamite Correctly",
 'notes': ["The saucer sets down on an ice floor over a sealed gallery full of", "fuel. Of the two cells of rock in that floor, the one two cells from the saucer", "takes a charge that opens the floor right under it."],
 'settings': [('dynamite',2),('to_builder',2),('navigation',2),('comands_cleaner',1),('beetles',8),('time',250),('survivors',6),('direction',1),('night',0),('rain',0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(300,160,1),(950,140,3),(1250,200,6)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map21.txt")
