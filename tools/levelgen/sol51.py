# Solution of "Free for All!" (map51).
import sys
from scriptgen import Sol


T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 873   # the frame the first beetle falls out
TA, TB = [int(v) for v in sys.argv[3:5]] if len(sys.argv) > 4 else [T0 + 642, T0 + 1827]
s = Sol("Free for All! (Fragilma): one builder bores west into the old store and bridges the creature's\npit behind an arrow, then sets the shock-absorbers under the terrace's end and the elevator up to it.")
s.note("Plans first: two cells of boring in the store's wall, a bridge of three over the pit,")
s.tool(400, 2); s.cell(410, 12, 19); s.cell(420, 11, 19)
s.tool(430, 0); s.cell(440, 8, 20); s.cell(450, 7, 20); s.cell(460, 6, 20)
s.note("three shock-absorbers where the terrace drops into the shaft, and the elevator at the east end.")
s.tool(470, 5); s.cell(480, 29, 20); s.cell(490, 30, 20); s.cell(500, 31, 20)
s.tool(510, 1); s.cell(520, 48, 19); s.cell(530, 48, 11)
s.note("The first beetle becomes the builder once it has landed.")
s.tool(T0 + 40, 12); s.beetle(T0 + 65, 0)
s.note("While it bores the wall, an arrow keeps the laborers out of the store.")
s.tool(TA - 20, 16); s.cell(TA, 14, 19)
s.note("The pit is bridged: the arrow goes.")
s.tool(TB, 23); s.cell(TB + 20, 14, 19)
TL = TB + 2500
s.note("Everything is built: the builder goes back to carrying.")
s.tool(TL, 15); s.beetle(TL + 20, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map51.script")
