# Snowy Spikes: spikes of ice stand on a snow field at night. One cell of
# boring at the foot of a spike two cells high brings the whole spike down;
# a spike three high keeps its head and needs both foot cells bored. East of
# the saucer a crevasse must be bridged first.
W = 51
F = [["#"]*W for _ in range(31)]
def air(c0, c1, r0, r1):
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
air(2, 48, 1, 12)
air(1, 48, 3, 9)
air(31, 33, 13, 27)                      # the crevasse
for (c0, top) in ((14, 11), (37, 11), (43, 10), (8, 12)):   # spikes: two wide, standing on the floor
    for r in range(top, 13):
        F[r][c0] = '#'; F[r][c0+1] = '#'
F[12][22] = 'S'
for c in (3, 10, 39, 46, 48): F[12][c] = 'm'
for c in (5, 12, 41, 45, 47): F[12][c] = 'i'
F = ["".join(r) for r in F]
sky = [("#" + "."*49 + "#")]*13 + ["#"*W]*18
scen = [(4,12,121),(18,12,120),(20,12,123),(27,12,121),(30,12,122),(35,12,121),(40,11,125),(47,12,122),(25,12,120)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(3, 28, 16, 23), (8, 22, 24, 25), (36, 47, 16, 23), (39, 45, 24, 25)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(6, 23, 127), (15, 25, 124), (40, 25, 122), (46, 23, 124)]

lv = {
 'name': "Snowy Spikes",
 'notes': ["Spikes of ice stand on a snow field at night. One cell of boring at the", "foot of a spike two cells high brings the whole spike down; a spike three", "high keeps its head and needs both foot cells bored. Bridge the crevasse", "east of the saucer first, while an arrow holds the colony back."],
 'settings': [('bridge',4),('boring',5),('to_builder',2),('navigation',2),('comands_cleaner',2),('beetles',8),('time',250),('survivors',6),('direction',1),('night',1),('rain',1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(400,150,2),(900,110,7),(1350,170,4)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map33.txt")
