# Solution of "Islands" (map42).
import sys
from scriptgen import Sol


T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 932   # the frame the first beetle falls out
TA = int(sys.argv[3]) if len(sys.argv) > 3 else T0 + 243
TB = int(sys.argv[4]) if len(sys.argv) > 4 else T0 + 3400
s = Sol("Islands: one builder bridges the four gaps eastwards and bores through the trunk,\nwhile an arrow keeps the colony on the landing shelf.")
s.note("Bridge plans over every gap and two cells of boring through the trunk.")
s.tool(400, 0)
f = 410
for c in (10, 11, 20, 21, 22, 32, 33, 41, 42):
    s.cell(f, c, 13); f += 10
s.tool(f, 2); s.cell(f + 10, 27, 12); s.cell(f + 20, 28, 12)
s.note("The first beetle becomes the builder as it lands.")
s.tool(T0 + 20, 12); s.beetle(T0 + 40, 0)
s.note("As soon as it has passed, an arrow keeps the laborers on the shelf.")
s.tool(TA - 20, 16); s.cell(TA, 8, 12)
s.note("Every gap is bridged: the arrow goes, and the builder goes back to carrying.")
s.tool(TB, 23); s.cell(TB + 20, 8, 12)
s.tool(TB + 40, 15); s.beetle(TB + 60, 0)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map42.script")
