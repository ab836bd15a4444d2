# Solution script writer: tracks the camera (moved by right-button drags,
# since the pointer must rest inside the screen) and checks clicks are on the map.
class S:
    def __init__(self, title, start=450):
        self.lines = ["# " + t for t in title.split("\n")]
        self.cx, self.cy = 0, 0
        self.lines.append("# The pointer in the corner scrolls the view to the top-left; then it rests.")
        self.lines.append(f"{start-70} move 0 0")
        self.lines.append(f"{start} move 400 300")
        self.last = start
    def note(self, text):
        self.lines.append("# " + text)
    def _at(self, f):
        assert f > self.last, (f, self.last)
        self.last = f
    def cam(self, f, x, y):
        x = max(0, min(800, x)); y = max(0, min(360, y))
        while (x, y) != (self.cx, self.cy):
            dx = max(-390, min(390, x - self.cx)); dy = max(-290, min(290, y - self.cy))
            self._at(f)
            self.lines += [f"{f} move 400 300", f"{f+1} rdown", f"{f+2} move {400-dx} {300-dy}", f"{f+3} rup", f"{f+4} move 400 300"]
            self.cx += dx; self.cy += dy; self.last = f + 4; f += 6
        return f
    def tool(self, f, t):
        self._at(f); self.lines.append(f"{f} tool {t}"); self.last = f + 1
    def aim(self, f, wx, wy):
        # Bring the view where a player's aim would put it, so the click lands
        # the same whether or not the click itself moves the view.
        x = max(0, min(800, wx - 340)); y = max(0, min(360, wy - 250))
        start = self.last + 1
        self.cam(start, x, y)
        assert self.last < f - 2, ("no room to aim", f, self.last)
    def cell(self, f, c, r):
        self.aim(f, c*32+16, r*32+16)
        sx, sy = c*32+16-self.cx, r*32+16-self.cy
        assert 4 <= sx <= 670 and 4 <= sy <= 590 and not (sx <= 90 and sy >= 450) and not (sx>=600 and sy>=440), ("offscreen", f, c, r, self.cx, self.cy)
        self._at(f); self.lines.append(f"{f} cell {c} {r}")
    def beetle(self, f, b, wx, wy):
        self.aim(f, wx, wy)
        self._at(f); self.lines.append(f"{f} beetle {b}")
    def write(self, path):
        open(path, "w").write("\n".join(self.lines) + "\n")


# The plain writer, for levels made after the scripted camera events learnt to
# aim by themselves: frames must rise, two frames after a tool pick.
class Sol:
    """Writes a harness input script; frames must rise, two frames after a tool pick."""
    def __init__(self, title):
        self.lines = ["# " + t for t in title.split("\n")]
        self.last = 0
    def note(self, text): self.lines.append("# " + text)
    def _at(self, f, gap=1):
        assert f >= self.last + gap, (f, self.last)
        self.last = f
    def tool(self, f, t): self._at(f); self.lines.append(f"{f} tool {t}"); self.last = f + 1
    def cell(self, f, c, r): self._at(f, 2); self.lines.append(f"{f} cell {c} {r}")
    def beetle(self, f, b): self._at(f, 2); self.lines.append(f"{f} beetle {b}")
    def write(self, path): open(path, "w").write("\n".join(self.lines) + "\n")
