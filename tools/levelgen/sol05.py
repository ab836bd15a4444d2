# Solution of tutorial 5 (the script writer lives in sol03.py).
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sol03 import Sol

s = Sol("Lesson Gravilifts: the beetles walk down into the pit; a builder sets up an\n"
        "elevator beside the low step, and every beetle rides it back to the ledge.")
s.note("Close the lesson page after the landing.")
s.key(400, 27)
s.note("The elevator: its foot on the pit floor beside the low step, its top level")
s.note("with the step under the ledge.")
s.tool(450, 1); s.cell(460, 28, 15); s.cell(470, 28, 13)
s.note("The first beetle out becomes the builder; it takes the plan on its way down.")
s.tool(1380, 12); s.beetle(1400, 0)
s.write("/work/main/content/solutions/map05.script")
