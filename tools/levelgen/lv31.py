# Incoming in to Hive: the saucer sets down in the open heart of an ice hive.
# Walls of rock two cells thick close the hive's cells on either side: bore
# through some, blast the last one (a charge right against it).
W = 51
def row(runs, fill='#'):
    r = [fill]*W
    for (a, b, ch) in runs:
        for c in range(a, b+1): r[c] = ch
    return "".join(r)
F = [row([(20, 30, '.')])]                                      # 0 the hive's mouth
F += [row([(19, 31, '.')])]*2                                   # 1-2
F += [row([(18, 32, '.')])]*4                                   # 3-6
F += [row([(19, 31, '.')])]*3                                   # 7-9
F += [row([(8, 19, 'H'), (20, 30, '.'), (31, 49, 'H')])]        # 10 the shell
F += [row([(9, 16, '.'), (19, 30, '.'), (33, 41, '.'), (44, 48, '.')])]   # 11
F += [row([(9, 16, '.'), (19, 30, '.'), (33, 41, '.'), (44, 48, '.')])]   # 12 walk row
F += ["#"*W]*18                                                 # 13-30
assert len(F) == 31
F = [list(r) for r in F]
F[12][25] = 'S'
for (r, c) in ((11, 8), (12, 8), (11, 49), (12, 49)): F[r][c] = 'H'
for c in (11, 23, 35, 39, 46): F[12][c] = 'm'
for c in (9, 14, 34, 37, 47): F[12][c] = 'i'
F = ["".join(r) for r in F]
sky = [row([(19, 31, '.')])]*7 + ["#"*W]*24
scen = [(10,12,125),(15,11,125),(21,12,122),(29,12,120),(34,12,127),(40,11,125),(45,12,124),(24,9,121),(26,9,121)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(6, 46, 17, 23), (12, 38, 24, 25), (20, 30, 16, 16)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(9, 23, 124), (22, 25, 127), (34, 25, 122), (44, 23, 124)]

lv = {
 'name': "Incoming in to Hive",
 'notes': ["The saucer sets down in the open heart of an ice hive. Walls of rock", "two cells thick close its cells on either side: bore through some and", "blast the last one with a charge set right against it."],
 'settings': [('boring',4),('dynamite',2),('to_builder',2),('navigation',2),('comands_cleaner',1),('beetles',8),('time',225),('survivors',6),('direction',1),('night',0),('rain',1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(800,110,4)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map31.txt")
