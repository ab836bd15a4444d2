from scriptgen import S
s = S("Set Dynamite Correctly: a charge on the block two cells east of the saucer opens the ice\nfloor under the saucer and beside the block; the beetles drop into the gallery and are lifted\nup through the hole under the saucer.")
s.note("The charge goes on the rock cell in the ice floor, two cells east of its column.")
s.tool(460, 4); s.cell(490, 22, 9)
s.note("The first beetle to land becomes the builder and walks to the spot and sets the charge.")
s.tool(960, 12); s.beetle(990, 0, 656, 304)
s.note("Its charge is burning: the builder goes back to carrying.")
s.tool(1260, 15); s.beetle(1300, 0, 800, 304)
s.write("/work/main/content/solutions/map21.script")
