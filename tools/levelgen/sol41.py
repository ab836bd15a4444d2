# Solution of "Free for All!" (map41).
import sys
from scriptgen import Sol


T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 873   # the frame the first beetle falls out
TA = int(sys.argv[3]) if len(sys.argv) > 3 else T0 + 620
s = Sol("Free for All!: one builder bores east, bridges the creature's pit, then sets\nthe shock-absorbers and the elevator to the western terrace.")
s.note("Plans first: two cells of boring in the eastern wall, a bridge of three over the pit,")
s.tool(400, 2); s.cell(410, 38, 19); s.cell(420, 39, 19)
s.tool(430, 0); s.cell(440, 42, 20); s.cell(450, 43, 20); s.cell(460, 44, 20)
s.note("three shock-absorbers where the terrace drops into the lower hall, and the elevator up to the terrace.")
s.tool(470, 5); s.cell(480, 21, 20); s.cell(490, 22, 20); s.cell(500, 23, 20)
s.tool(510, 1); s.cell(520, 20, 19); s.cell(530, 20, 11)
s.note("The first beetle becomes the builder as it lands.")
s.tool(T0 + 40, 12); s.beetle(T0 + 65, 0)
s.note("While it bores the wall, an arrow keeps the laborers out of the eastern room.")
s.tool(TA - 20, 16); s.cell(TA, 36, 19)
TB = T0 + 1900
s.note("The pit is bridged: the arrow goes.")
s.tool(TB, 23); s.cell(TB + 20, 36, 19)
TL = T0 + 4000
s.note("Everything is built: the builder goes back to carrying.")
s.tool(TL, 15); s.beetle(TL + 20, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map41.script")
