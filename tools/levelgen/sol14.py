# Solution of "Larceny.": shock-absorbers where the workers land from the shelf, then an
# elevator up the shaft at the western end of the passage.
import os
lines = ["# Larceny.: the builder sets shock-absorbers under the eastern edge of the shelf, then",
         "# raises an elevator in the western shaft; the workers loop up, along the shelf and down."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("Plans first: two shock-absorbers in the floor where a beetle falling from the shelf lands.")
ev(900, "tool", 5); ev(910, "cell", 41, 21); ev(920, "cell", 42, 21)
note("The elevator: its foot at the end of the passage, its top level with the shelf.")
ev(930, "tool", 1); ev(940, "cell", 5, 20); ev(950, "cell", 5, 13)
note("The first beetle becomes the builder as soon as it has landed.")
ev(1105, "tool", 12); ev(1115, "beetle", 0)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map14.script"), "w").write("\n".join(lines) + "\n")
