# Solution of "First Dungeons...": two builders, one for the western cell, one sent
# east for the pit and the eastern cell while the workers wait at the western door.
import os
lines = ["# First Dungeons...: the first beetle bores into the western cell, the second is turned",
         "# east to bridge the pit and bore into the eastern cell."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("Plans first: boring through both walled-up doors, three bridge segments over the pit.")
ev(900, "tool", 2); ev(910, "cell", 13, 20); ev(920, "cell", 12, 20); ev(930, "cell", 41, 20); ev(940, "cell", 42, 20)
ev(950, "tool", 0); ev(960, "cell", 33, 21); ev(970, "cell", 34, 21); ev(980, "cell", 35, 21)
note("The first two beetles become builders as soon as they have landed.")
ev(1066, "tool", 12); ev(1075, "beetle", 0); ev(1165, "beetle", 1)
note("Once the second walks, an urgent turn sends it east.")
ev(1255, "tool", 17); ev(1270, "beetle", 1)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map15.script"), "w").write("\n".join(lines) + "\n")
