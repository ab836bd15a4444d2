from scriptgen import S
s = S("Circularity Tower: an elevator from the ground floor up to the second storey; the old one\ntakes the beetles on to the third, and they come down over the ledges to the saucer.")
s.note("Elevator from the east end of the ground floor up through the shaft.")
s.tool(460, 1); s.cell(490, 31, 22); s.cell(520, 31, 19)
s.note("The first beetle to land becomes the builder.")
s.tool(1140, 12); s.beetle(1175, 0, 240, 720)
s.note("The elevator stands: the builder goes back to carrying (it may hold an insect it found).")
s.tool(3300, 15); s.beetle(3340, 0, 1000, 600)
s.write("/work/main/content/solutions/map32.script")
