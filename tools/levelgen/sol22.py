from scriptgen import S
D0 = 991  # the first beetle leaves the saucer; one more every 90 frames
s = S("No Autopilot!: the first beetle bridges the crevasse east of the saucer; every other beetle\nis turned back by hand before it reaches the edge, and works the west side meanwhile.")
s.note("Three bridge segments across the crevasse.")
s.tool(460, 0); s.cell(490, 20, 14); s.cell(520, 21, 14); s.cell(550, 22, 14)
s.note("The first beetle becomes the builder once it has landed.")
s.tool(990, 12); s.beetle(1025, 0, 528, 432)
s.note("Each of the others gets an urgent turn a few steps after it sets off east.")
s.tool(1100, 17)
for k in range(1, 8):
    f = D0 + 90*k + 141
    s.beetle(f, k, 568, 432)
s.note("The bridge stands: the builder goes back to carrying.")
s.tool(1850, 15); s.beetle(1900, 0, 800, 432)
s.write("/work/main/content/solutions/map22.script")
