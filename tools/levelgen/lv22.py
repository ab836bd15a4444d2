# No Autopilot!: no arrows on this planet's stock. A crevasse cuts the snow
# field east of the saucer; until a bridge spans it every beetle that walks
# east has to be turned by hand.
W = 51
def row(runs, fill='#'):
    r = [fill]*W
    for (a, b, ch) in runs:
        for c in range(a, b+1): r[c] = ch
    return "".join(r)
F = ["#"*W]                                         # 0
F += [row([(2, 48, '.')])]*2                        # 1-2
F += [row([(1, 48, '.')])]*3                        # 3-5
F += [row([(1, 40, '.')])]*2                        # 6-7
F += [row([(1, 39, '.')])]*3                        # 8-10
F += [row([(2, 38, '.')])]*2                        # 11-12
F += [row([(3, 38, '.')])]                          # 13 walk row
F += [row([(20, 22, '.')])]*14                      # 14-27 the crevasse
F += ["#"*W]*3                                      # 28-30
assert len(F) == 31
F = [list(r) for r in F]
# the walk row: west of the saucer a block to hop, east a low snow hill
for c in range(29, 34): F[13][c] = '#'
for c in range(30, 33): F[12][c] = '#'
F[13][8] = '#'; F[13][9] = '#'
F[13][16] = 'S'
for c in (4, 11, 26, 35, 37): F[13][c] = 'm'
for c in (6, 13, 28, 34, 36): F[13][c] = 'i'
F = ["".join(r) for r in F]
sky = [row([(1, 49, '.')])]*13 + ["#"*W]*18
scen = [(5,13,120),(14,13,123),(19,13,121),(24,13,121),(27,13,120),(38,13,122),(31,11,121),(10,12,116),(10,13,118)]
# a sealed grotto deep in the rock, out of reach
F = [list(r) for r in F]
for (c0, c1, r0, r1) in [(4, 16, 18, 23), (6, 12, 24, 25), (26, 44, 17, 22), (30, 40, 23, 24)]:
    for r in range(r0, r1+1):
        for c in range(c0, c1+1): F[r][c] = '.'
F = ["".join(r) for r in F]
scen += [(8, 25, 127), (14, 23, 124), (33, 24, 122), (42, 22, 124)]

lv = {
 'name': "No Autopilot!",
 'notes': ["A crevasse cuts the snow field east of the saucer and there are no", "arrows to hold the colony back: turn each beetle by hand until the", "bridge stands."],
 'settings': [('bridge',5),('to_builder',2),('urgent_turn',9),('comands_cleaner',1),('beetles',8),('time',225),('survivors',6),('direction',1),('night',0),('rain',1)],
 'front': F, 'sky': sky, 'scenery': scen,
 'decor': [(250,200,2),(700,140,5),(1100,220,7)],
}
if __name__ == "__main__":
    import levelgen
    levelgen.build(lv, "/work/main/content/levels/map22.txt")
