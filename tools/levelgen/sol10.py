# Solution of "Entrance in the Gogre.": one builder sent east to bridge the ravine
# while the workers gather the hall to the west first.
import os
lines = ["# Entrance in the Gogre.: the first beetle becomes a builder, turns back east",
         "# and bridges the ravine while the others work the western hall."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("The first beetle becomes the builder as soon as it has landed.")
ev(1003, "tool", 12); ev(1012, "beetle", 0)
note("Once it walks, an urgent turn sends it east towards the ravine.")
ev(1140, "tool", 17); ev(1160, "beetle", 0)
note("Three bridge segments over the ravine.")
ev(1200, "tool", 0); ev(1210, "cell", 30, 17); ev(1220, "cell", 31, 17); ev(1230, "cell", 32, 17)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map10.script"), "w").write("\n".join(lines) + "\n")
