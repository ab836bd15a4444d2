# Solution of "Mossy Platforms" (map50).
import sys
from scriptgen import Sol


T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 935   # the frame the first beetle falls out
TA, TE, TB = [int(v) for v in sys.argv[3:6]] if len(sys.argv) > 5 else [T0 + 735, T0 + 2665, T0 + 6065]
s = Sol("Mossy Platforms: a builder glides off the platform's east end on Dence Balls, sets\nshock-absorbers under both ends and an elevator back up; two arrows keep the colony on the platform.")
s.note("Plans first: shock-absorbers under the east end and the west end of the platform,")
s.tool(400, 5)
f = 410
for c in (42, 43, 44, 5, 6, 7):
    s.cell(f, c, 19); f += 10
s.note("and an arrow at the platform's west end.")
s.tool(f, 16); s.cell(f + 10, 10, 10)
s.note("The first beetle becomes the builder as it lands, and gets Dence Balls once it walks.")
s.tool(T0 + 10, 12); s.beetle(T0 + 35, 0)
s.tool(T0 + 130, 19); s.beetle(T0 + 170, 0)
s.note("When it has passed, an arrow at the platform's east end keeps the laborers up there.")
s.tool(TA - 20, 16); s.cell(TA, 38, 10)
s.note("The builder is away at the western shock-absorbers: the elevator from the floor up to the platform.")
s.tool(TE, 1); s.cell(TE + 20, 41, 18); s.cell(TE + 30, 41, 11)
s.note("Everything stands: the arrows go, and the builder goes back to carrying.")
s.tool(TB, 23); s.cell(TB + 20, 38, 10); s.cell(TB + 30, 10, 10)
s.tool(TB + 50, 15); s.beetle(TB + 70, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map50.script")
