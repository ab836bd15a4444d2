# Dynamite if a Head!: two walls of ice close the hall on both sides. A charge
# set right against a wall blows a way through it; one set a cell further off
# only dents it. Beyond the east wall a plug of ice must be bored.
W = 51
def row(runs, fill='#'):
    r = [fill]*W
    for (a, b, ch) in runs:
        for c in range(a, b+1): r[c] = ch
    return "".join(r)
F = ["#"*W]*4                                                   # 0-3
F += [row([(16, 23, '.')])]                                     # 4
F += [row([(15, 24, '.')])]                                     # 5
F += [row([(14, 25, '.')])]*2                                   # 6-7
F += [row([(14, 25, '.')])]*3                                   # 8-10
F += [row([(4, 11, '.'), (14, 25, '.'), (28, 43, '.')])]        # 11
F += [row([(2, 11, '.'), (14, 25, '.'), (28, 44, '.')])]*2      # 12-13 walk row 13
F += ["#"*W]*14                                                 # 14-27
F += ["#"*W]*3                                                  # 28-30
assert len(F) == 31
F = [list(r) for r in F]
F[13][20] = 'S'
for r in (11, 12, 13):
    for c in (31, 32, 33): F[r][c] = '#'   # the ice plug
for c in (3, 7, 36, 39, 43): F[13][c] = 'm'
for c in (5, 9, 35, 38, 42): F[13][c] = 'i'
F = ["".join(r) for r in F]
sky = ["#"*W]*31
scen = [(15,13,122),(17,12,125),(23,13,120),(24,13,123),(6,12,125),(29,13,127),(40,12,125),(37,13,124),(10,13,121)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(4, 44, 19, 24), (10, 36, 25, 26), (20, 30, 18, 18)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(8, 24, 122), (18, 26, 127), (30, 26, 124), (40, 24, 124)]

lv = {
 'name': "Dynamite if a Head!",
 'notes': ["Walls of ice two cells thick close the hall on both sides. A charge set", "right against a wall blows a way through; one a cell further off only dents", "it. East of the east wall a plug of ice three cells thick must be bored."],
 'settings': [('boring',4),('dynamite',3),('to_builder',2),('navigation',2),('comands_cleaner',1),('beetles',8),('time',255),('survivors',6),('direction',1),('night',1),('rain',0)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(640,200,3),(200,330,6),(1230,330,1)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map23.txt")
