# Circularity Tower: three storeys of an ice tower. Gravitation elevators lift
# the beetles up one storey at a time; from the top they come down again over
# ledges two cells high, round and round past the saucer.
W = 51
F = [["#"]*W for _ in range(31)]
def air(c0, c1, r0, r1):
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
def put(c0, c1, r, ch):
    for c in range(c0, c1+1): F[r][c] = ch
air(3, 11, 6, 22)      # the atrium with the saucer
air(4, 10, 4, 5)
air(12, 34, 21, 22)    # ground floor, two cells high
air(12, 16, 17, 20)    # above the low ledge
air(17, 33, 17, 18)    # second storey
air(19, 23, 13, 16)    # above the upper ledge
air(24, 28, 13, 14)    # third storey
put(12, 16, 21, 'H')   # the low ledge over the ground floor
put(19, 23, 17, 'H')   # the upper ledge over the second storey
air(12, 23, 9, 16)     # open hall west of the tower's upper storeys
air(31, 31, 19, 20)    # shaft for an elevator from the ground floor
F[18][28] = 'B'; F[15][28] = 'T'; air(28, 28, 16, 17)   # the old elevator to the third storey
F[22][7] = 'S'
for (c, r) in ((20, 22), (30, 18), (33, 18), (25, 14), (14, 20)): F[r][c] = 'm'
for (c, r) in ((25, 22), (32, 18), (27, 14), (21, 16), (13, 20)): F[r][c] = 'i'
F = ["".join(r) for r in F]
sky = ["#"*W]*31
scen = [(5,22,122),(9,22,120),(13,20,125),(20,16,125),(26,18,118),(26,17,116),(22,22,121),(27,22,127),(24,14,124),(33,22,122)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(5, 33, 25, 27), (10, 26, 28, 28), (30, 46, 3, 8), (34, 42, 9, 9)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(8, 27, 124), (20, 28, 127), (38, 9, 122), (44, 8, 124)]

lv = {
 'name': "Circularity Tower",
 'notes': ["Three storeys of an ice tower. An old gravitation elevator still runs from", "the second storey to the third; build the one from the ground floor. From the", "top the beetles come down again over ledges two cells high, round past the saucer."],
 'settings': [('elevator',2),('to_builder',2),('navigation',2),('comands_cleaner',1),('beetles',8),('time',245),('survivors',6),('direction',1),('night',1),('rain',0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(230,300,3),(560,380,6)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map32.txt")
