# Solution of "Zig-zag Dungeons" (map44).
import sys
from scriptgen import Sol

T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 873   # the frame the first beetle falls out
TA, TD2, TB = [int(v) for v in sys.argv[3:6]] if len(sys.argv) > 5 else [T0 + 520, T0 + 1727, T0 + 4150]
s = Sol("Zig-zag Dungeons: a builder on Dence Balls bores through the upper floor in the west and\nthe middle floor in the east, gliding down each hole, and sets shock-absorbers under both\nand the elevator in the eastern shaft; two arrows hold the colony in the upper gallery meanwhile.")
s.note("Plans first: a hole in the upper floor (west) and in the middle floor (east),")
s.tool(400, 2); s.cell(410, 10, 7); s.cell(420, 40, 12)
s.note("shock-absorbers under both holes, and the elevator from the lower gallery up the shaft.")
s.tool(430, 5); s.cell(440, 9, 12); s.cell(450, 10, 12); s.cell(460, 11, 12)
s.cell(470, 39, 17); s.cell(480, 40, 17); s.cell(490, 41, 17)
s.tool(500, 1); s.cell(510, 47, 16); s.cell(520, 47, 7)
s.note("An arrow before the open shaft in the upper gallery.")
s.tool(530, 16); s.cell(540, 44, 6)
s.note("The first beetle becomes the builder as it lands, and gets Dence Balls once it walks.")
s.tool(T0 + 10, 12); s.beetle(T0 + 35, 0)
s.tool(T0 + 130, 19); s.beetle(T0 + 160, 0)
s.note("While it bores the upper floor, a second arrow keeps the laborers away from the hole.")
s.tool(TA - 20, 16); s.cell(TA, 12, 6)
s.note("In the middle gallery, once the shock-absorbers stand, Dence Balls again for the second hole.")
s.tool(TD2 - 20, 19); s.beetle(TD2, 0)
s.note("Everything stands: the arrows go, and the builder goes back to carrying.")
s.tool(TB, 23); s.cell(TB + 20, 12, 6); s.cell(TB + 30, 44, 6)
s.tool(TB + 50, 15); s.beetle(TB + 70, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map44.script")
