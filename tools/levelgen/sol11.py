# Solution of "Blastigs Works.": one builder bores the walled-up drift to the west,
# then walks east and blasts the rock slide.
import os
lines = ["# Blastigs Works.: the first beetle becomes a builder; it bores the western wall,",
         "# then sets one charge in front of the rock slide to the east."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("Plans first: two cells of boring through the wall, a charge in front of the slide.")
ev(900, "tool", 2); ev(910, "cell", 11, 16); ev(920, "cell", 10, 16)
ev(930, "tool", 4); ev(940, "cell", 35, 16)
note("The first beetle becomes the builder as soon as it has landed.")
ev(1003, "tool", 12); ev(1012, "beetle", 0)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map11.script"), "w").write("\n".join(lines) + "\n")
