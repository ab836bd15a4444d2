from scriptgen import S
s = S("Spikes drilling...: one builder drills through the four ice spikes, east ones first.")
s.note("Boring plans through the two spikes east of the saucer, at the beetles' height.")
s.tool(460, 2); s.cell(490, 31, 13); s.cell(520, 32, 13); s.cell(550, 40, 13); s.cell(580, 41, 13)
s.note("And through the two spikes to the west.")
s.cell(610, 20, 13); s.cell(640, 19, 13); s.cell(670, 11, 13); s.cell(700, 10, 13)
s.note("The first beetle to land becomes the builder.")
s.tool(980, 12); s.beetle(1010, 0, 784, 432)
s.write("/work/main/content/solutions/map24.script")
