# Solution of "OOHH!" (map43).
import sys
from scriptgen import Sol


T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 870   # the frame the first beetle falls out
TA = int(sys.argv[3]) if len(sys.argv) > 3 else T0 + 607
TB = int(sys.argv[4]) if len(sys.argv) > 4 else T0 + 3130
s = Sol("OOHH!: a builder glides down from the plateau on Dence Balls, sets shock-absorbers\nand an elevator, and blasts the wall of the far room; an arrow holds the colony back meanwhile.")
s.note("Plans first: three shock-absorbers where the colony will land")
s.tool(400, 5); s.cell(410, 22, 20); s.cell(420, 23, 20); s.cell(430, 24, 20)
s.note("and a charge two cells before the wall of the far room.")
s.tool(470, 4); s.cell(480, 34, 19)
s.note("The first beetle becomes the builder as it lands, and gets Dence Balls once it walks.")
s.tool(T0 + 20, 12); s.beetle(T0 + 40, 0)
s.tool(T0 + 140, 19); s.beetle(T0 + 170, 0)
s.note("When it has glided off the edge, an arrow keeps the laborers on the plateau.")
s.tool(TA - 20, 16); s.cell(TA, 19, 8)
s.note("Once the builder has left its landing place for the charge, the elevator up to the plateau's edge.")
TE = T0 + 1650
s.tool(TE, 1); s.cell(TE + 20, 21, 19); s.cell(TE + 30, 21, 9)
s.note("Shock-absorbers and elevator stand: the arrow goes, and the builder goes back to carrying.")
s.tool(TB, 23); s.cell(TB + 20, 19, 8)
s.tool(TB + 40, 15); s.beetle(TB + 60, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map43.script")
