# Solution of "The Strange Native.": the first two beetles are armoured and turned east
# to face the native while the workers gather the western hall.
import os
lines = ["# The Strange Native.: two armoured beetles go east to face the native; the workers",
         "# first gather the western hall."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("The first two beetles put on armour as soon as they have landed.")
ev(1066, "tool", 13); ev(1075, "beetle", 0); ev(1165, "beetle", 1)
note("Once each walks, an urgent turn sends it east, into the native's gallery.")
ev(1180, "tool", 17); ev(1190, "beetle", 0); ev(1280, "beetle", 1)
note("Behind them an arrow keeps the workers in the hall until the native is dead.")
ev(1720, "tool", 16); ev(1730, "cell", 21, 18)
note("The gallery is safe now: let the workers up.")
ev(3900, "tool", 23); ev(3910, "cell", 21, 18)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map13.script"), "w").write("\n".join(lines) + "\n")
