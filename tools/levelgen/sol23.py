from scriptgen import S
s = S("Dynamite if a Head!: charges right against both ice walls, then the builder bores the plug\nbeyond the east wall.")
s.note("A charge against the east wall and one against the west wall, at the beetles' height.")
s.tool(460, 4); s.cell(490, 25, 13); s.cell(520, 14, 13)
s.note("Three cells of boring through the plug east of the east wall.")
s.tool(530, 2); s.cell(560, 31, 13); s.cell(590, 32, 13); s.cell(620, 33, 13)
s.note("The first beetle to land becomes the builder.")
s.tool(975, 12); s.beetle(1015, 0, 656, 432)
s.write("/work/main/content/solutions/map23.script")
