# Solution of tutorial 6 (the script writer lives in sol03.py).
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sol03 import Sol

s = Sol("Lesson Shock-Absorbers: the first beetle glides down on Dence Balls as a builder,\n"
        "sets shock-absorbers where the others will land and an elevator back up.")
s.note("Close the lesson page after the landing.")
s.key(400, 27)
s.note("Shock-absorbers on the pit floor below the edge of the ledge.")
s.tool(450, 5); s.cell(460, 28, 18); s.cell(470, 29, 18)
s.note("The first beetle gets Dence Balls, then becomes the builder.")
s.tool(1940, 19); s.beetle(1950, 0)
s.tool(1990, 12); s.beetle(2000, 0)
s.note("Once it has walked past, an arrow turns the laborers back on the ledge.")
s.tool(2120, 16); s.cell(2141, 35, 12)
s.note("Both shock-absorbers are set and the builder walks west: now the elevator")
s.note("up the cliff, its top level with the ledge; the builder takes it on its way back.")
s.tool(2950, 1); s.cell(2960, 30, 17); s.cell(2970, 30, 13)
s.note("Take the arrow away: the laborers jump down onto the shock-absorbers.")
s.tool(3000, 23); s.cell(3030, 35, 12)
s.write("/work/main/content/solutions/map06.script")
