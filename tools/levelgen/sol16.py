# Solution of "The first Battle for Mushrooms.": three armoured beetles take each terrace
# (the builder that blasts the slide is one of the eastern three), while arrows keep the
# fighters out on the terraces and the workers in the hall. Then everyone gathers.
import os
lines = ["# The first Battle for Mushrooms.: armour for six beetles, a charge for the slide, and",
         "# the workers kept in the hall until both natives are dead."]
def note(t): lines.append("# " + t)
def ev(f, *a): lines.append(" ".join(str(x) for x in (f,) + a))
note("A charge in front of the rock slide.")
ev(900, "tool", 4); ev(910, "cell", 33, 20)
note("The first beetle becomes the builder and is turned east as soon as it walks.")
ev(1066, "tool", 12); ev(1075, "beetle", 0)
ev(1100, "tool", 17); ev(1190, "beetle", 0)
note("The next three put on armour as they land: the second and third walk on west,")
ev(1200, "tool", 13); ev(1220, "beetle", 1); ev(1255, "beetle", 2); ev(1345, "beetle", 3)
note("An arrow behind the builder, flipped, keeps the eastern fighters out by the slide.")
ev(1380, "tool", 16); ev(1450, "cell", 29, 20); ev(1456, "cell", 29, 20)
note("The fourth is turned east; the fifth armoured walks west, the sixth is turned east.")
ev(1470, "tool", 17); ev(1480, "beetle", 3)
ev(1490, "tool", 13); ev(1500, "beetle", 4); ev(1530, "beetle", 5)
ev(1560, "tool", 17); ev(1625, "beetle", 5)
note("Arrows in the hall: the workers are sent back from both terraces, the western fighters")
note("(with a flipped arrow) back onto theirs.")
ev(1720, "tool", 16); ev(1745, "cell", 20, 20)
note("The charge is set: the builder puts on armour too.")
ev(1760, "tool", 13); ev(1775, "beetle", 0)
ev(1820, "tool", 16); ev(1850, "cell", 27, 20); ev(1870, "cell", 18, 20); ev(1876, "cell", 18, 20)
note("Both natives are dead: clear the arrows, and the fighters go back to work.")
ev(4500, "tool", 23); ev(4510, "cell", 18, 20); ev(4520, "cell", 20, 20); ev(4530, "cell", 27, 20); ev(4540, "cell", 29, 20)
ev(4550, "tool", 15)
for b in range(6): ev(4560 + 10 * b, "beetle", b)
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../content/solutions/map16.script"), "w").write("\n".join(lines) + "\n")
