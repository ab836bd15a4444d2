# Solution of tutorial 3. The harness's `cell` and `beetle` events aim the view
# themselves, so the script is just the player's decisions, frame by frame.
import sys, os
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

class Sol:
    def __init__(self, title):
        self.lines = ["# " + t for t in title.split("\n")]
        self.last = 0
    def at(self, f, text):
        assert f > self.last, (f, self.last, text)
        self.last = f
        self.lines.append(f"{f} {text}")
    def note(self, text): self.lines.append("# " + text)
    def key(self, f, k): self.at(f, f"key {k}")
    def tool(self, f, t): self.at(f, f"tool {t}"); self.last = f + 2
    def cell(self, f, c, r): self.at(f, f"cell {c} {r}")
    def beetle(self, f, b): self.at(f, f"beetle {b}")
    def write(self, path): open(path, "w").write("\n".join(self.lines) + "\n")

if __name__ == "__main__":
    s = Sol("Introduction in Buildings: the first beetle becomes a builder and bridges the\n"
            "precipice; an arrow holds the laborers back until the bridge stands.")
    s.note("Close the lesson page after the landing.")
    s.key(400, 27)
    s.note("Bridge plans over the precipice, from the western edge across.")
    s.tool(460, 0)
    for k, c in enumerate(range(22, 27)):
        s.cell(470 + 10*k, c, 14)
    s.note("The first beetle out becomes the builder.")
    s.tool(1380, 12); s.beetle(1400, 0)
    s.note("Once the builder has walked past, an arrow turns the laborers back home.")
    s.tool(1500, 16); s.cell(1522, 17, 13)
    s.note("The bridge stands: take the arrow away and the laborers cross to the harvest.")
    s.tool(2800, 23); s.cell(2830, 17, 13)
    s.write("/work/main/content/solutions/map03.script")
