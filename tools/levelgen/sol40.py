# Solution of "Warrior - is Dynamite!" (map40).
import sys
from scriptgen import Sol

T0 = int(sys.argv[2]) if len(sys.argv) > 2 else 932   # the frame the first beetle falls out
TA = int(sys.argv[3]) if len(sys.argv) > 3 else T0 + 970   # the laborers' arrow
s = Sol("Warrior - is Dynamite!: two armoured beetles clear the eastern shelf, a builder blasts the western wall.")
s.note("A dynamite plan two cells before the western wall.")
s.tool(400, 4); s.cell(410, 12, 12)
s.note("The first two beetles become armoured and walk east to the shelf.")
s.tool(T0 + 20, 13); s.beetle(T0 + 40, 0); s.beetle(T0 + 130, 1)
s.note("The third becomes the builder and turns back west to the dynamite.")
s.tool(T0 + 200, 12); s.beetle(T0 + 220, 2)
s.tool(T0 + 320, 17); s.beetle(T0 + 340, 2)
s.note("Behind the armoured pair, an arrow keeps the laborers off the shelf...")
s.tool(TA - 70, 16); s.cell(TA, 38, 12)
s.note("...and a second one, flipped, keeps the armoured pair on it until the creature is dead.")
s.cell(T0 + 1190, 41, 11); s.cell(T0 + 1200, 41, 11)
s.note("The shelf is safe: both arrows go.")
TC = T0 + 1500
s.tool(TC, 23); s.cell(TC + 10, 41, 11); s.cell(TC + 20, 38, 12)
s.note("The armoured beetles and the builder go back to carrying.")
s.tool(TC + 40, 15); s.beetle(TC + 60, 0); s.beetle(TC + 70, 1); s.beetle(TC + 80, 2)
s.write(sys.argv[1] if len(sys.argv) > 1 else "/work/main/content/solutions/map40.script")
