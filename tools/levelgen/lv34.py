# Place Explosives on the Bridge!: a crevasse, then a wall of ice beyond it.
# Bridge the crevasse, then set the charge right against the wall: a charge
# set nearer the bridge blows away its far end.
W = 51
F = [["#"]*W for _ in range(31)]
def air(c0, c1, r0, r1):
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
air(18, 27, 0, 6)                        # a chimney to the sky over the saucer
air(16, 29, 4, 7)
air(2, 48, 8, 12)                        # the cave
air(31, 33, 13, 27)                      # the crevasse
for r in range(8, 13):
    F[r][38] = '#'; F[r][39] = '#'       # the ice wall
F[12][22] = 'S'
for c in (3, 9, 41, 44, 47): F[12][c] = 'm'
for c in (5, 12, 42, 45, 46): F[12][c] = 'i'
F = ["".join(r) for r in F]
sky = ["#"*18 + "."*10 + "#"*23]*5 + ["#"*W]*26
scen = [(4,12,122),(7,12,125),(15,12,121),(20,11,116),(20,12,118),(25,12,123),(29,12,121),(35,12,127),(36,11,125),(43,12,124),(14,8,126),(30,8,126)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(3, 28, 16, 23), (8, 22, 24, 25), (36, 47, 17, 24), (3, 12, 2, 5), (32, 46, 2, 5)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(6, 23, 124), (18, 25, 127), (42, 24, 122), (8, 5, 124), (40, 5, 127)]

lv = {
 'name': "Place Explosives on the Bridge!",
 'notes': ["A crevasse, then a wall of ice beyond it. Bridge the crevasse while an", "arrow holds the colony back, then set the charge right against the wall;", "a charge set nearer the bridge blows away its far end."],
 'settings': [('bridge',4),('dynamite',2),('to_builder',2),('navigation',2),('comands_cleaner',2),('beetles',8),('time',240),('survivors',6),('direction',1),('night',0),('rain',0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(720,100,2),(300,320,3),(1300,330,6)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map34.txt")
