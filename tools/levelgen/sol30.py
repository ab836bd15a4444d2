from scriptgen import S
s = S("Ice Crator: a builder bores out through the crater rim, east side first, then west.")
s.note("Boring plans in both sides of the rim, at the height of the beetles.")
s.tool(460, 2); s.cell(490, 30, 13); s.cell(520, 31, 13); s.cell(550, 17, 13); s.cell(580, 16, 13)
s.note("The first beetle to land becomes the builder.")
s.tool(980, 12); s.beetle(1010, 0, 752, 432)
s.write("/work/main/content/solutions/map30.script")
