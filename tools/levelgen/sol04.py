# Solution of tutorial 4 (the script writer lives in sol03.py).
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sol03 import Sol

s = Sol("Lesson Boring: the first beetle becomes a builder, bridges the precipice and\n"
        "bores into the deposit chamber; an arrow keeps the laborers home meanwhile.")
s.note("Close the lesson page after the landing.")
s.key(400, 27)
s.note("Boring plans through the wall, at the height of the beetles.")
s.tool(450, 2)
for k, c in enumerate((31, 32, 33)):
    s.cell(460 + 10*k, c, 13)
s.note("Bridge plans over the precipice, from the western edge across.")
s.tool(500, 0)
for k, c in enumerate((18, 19, 20)):
    s.cell(510 + 10*k, c, 14)
s.note("The first beetle out becomes the builder.")
s.tool(1380, 12); s.beetle(1400, 0)
s.note("Once the builder has walked past, an arrow turns the laborers back home.")
s.tool(1540, 16); s.cell(1560, 14, 13)
s.note("The bridge stands: take the arrow away and the laborers follow the builder.")
s.tool(2500, 23); s.cell(2530, 14, 13)
s.write("/work/main/content/solutions/map04.script")
