# Solution of "Stone Stairs.": one builder raises an elevator beside the high step in
# the east, rides it up, then comes back and bores through the western wall.
import os
lines = ["# Stone Stairs.: an elevator up the high step to the east, boring through the",
         "# wall on the western landing."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("Plans first: the elevator foot in the hollow under the step, its top level with the upper landing.")
ev(900, "tool", 1); ev(910, "cell", 40, 20); ev(920, "cell", 40, 18)
note("Two cells of boring through the wall across the western landing.")
ev(930, "tool", 2); ev(940, "cell", 9, 19); ev(950, "cell", 8, 19)
note("The first beetle becomes the builder as soon as it has landed.")
ev(1130, "tool", 12); ev(1140, "beetle", 0)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map12.script"), "w").write("\n".join(lines) + "\n")
