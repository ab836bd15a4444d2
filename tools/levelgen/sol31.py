from scriptgen import S
s = S("Incoming in to Hive: bore through the walls either side of the heart of the hive, blast the\nlast wall to the east with a charge right against it.")
s.note("Boring through the east wall, a charge against the far east wall, boring through the west wall.")
s.tool(460, 2); s.cell(490, 31, 12); s.cell(520, 32, 12)
s.tool(530, 4); s.cell(560, 41, 12)
s.tool(570, 2); s.cell(600, 18, 12); s.cell(630, 17, 12)
s.note("The first beetle to land becomes the builder.")
s.tool(940, 12); s.beetle(975, 0, 816, 400)
s.write("/work/main/content/solutions/map31.script")
