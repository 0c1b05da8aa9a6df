"""A corpus of CRV files for checking mirelda-crv: good files of strain and
pressure sensors, files refused at many lines and fields, files that end
early, hostile bytes and odd names, and the example files. The same seed
gives the same bytes under the same names."""
import os
import random

HEADER = b"Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down"
SETS = [b"Loaded Up Samples", b"Empty Up Samples", b"Loaded Down Samples",
        b"Empty Down Samples"]


def mixed_case(rng, text):
    return bytes(c ^ 0x20 if 97 <= (c | 0x20) <= 122 and rng.random() < 0.3 else c for c in text)


class Crv:
    """A CRV file as a list of lines, with the positions of its parts."""

    def __init__(self, rng):
        self.rng = rng
        self.pre = []
        for _ in range(rng.randrange(0, 5)):
            self.pre.append(rng.choice([
                b"", b"Installation 4711, car 2", b"Run 2026-03-14 07:12",
                b"Height;Dynamic", b"Pr\xc3\xbcfer: J. M\xfcller", b"\\\\server\\runs, x=1",
                b"\x1b[31mred\x1b[0m", b"tab\there", b"HEIGHT,DYNAMIC"]))
        self.header = mixed_case(rng, HEADER) if rng.random() < 0.2 else HEADER
        kind = rng.choice(["strain", "strain", "pressure", "pressure", "extreme"])
        self.rows = []
        for r in range(101):
            if kind == "strain":
                vals = [rng.randrange(11500, 29500) for _ in range(5)]
            elif kind == "pressure":
                vals = [rng.randrange(-20000, 70000) for _ in range(5)]
            else:
                vals = [rng.choice([2147483647, -2147483648, 0, -1, 16777217,
                                    rng.randrange(-2**31, 2**31)]) for _ in range(5)]
            line = b"%d%%," % r + b",".join(b"%d" % v for v in vals)
            if rng.random() < 0.05:
                line += b","
            self.rows.append(line)
        self.trailer = []
        for _ in range(rng.choice([0, 0, 1, 2])):
            key = rng.choice([b"ELEVUP,", b"ElevDown,", b"elevup,", b"ELEVDOWN,"])
            self.trailer.append(key + b"%d%%" % rng.randrange(0, 101))
        if rng.random() < 0.3:
            self.trailer.append(rng.choice([b"Elevation Switch", b"ELEVATION", b"101%,1,2,3,4,5"]))
        for _ in range(rng.choice([0, 1, 2, 3, 4, 5])):
            heading = rng.choice(SETS)
            self.trailer.append(mixed_case(rng, heading) if rng.random() < 0.2 else heading)
            for _ in range(rng.choice([0, 1, 3, 10, 49])):
                h = rng.choice([rng.randrange(0, 101), rng.randrange(-40, 254)])
                self.trailer.append(b"%d%%,%d" % (h, rng.randrange(-70000, 70000)))
                if rng.random() < 0.05:
                    self.trailer.append(rng.choice([b"# note", b"", b"ELEVUP,3%"]))
        self.ending = rng.choice([b"\r\n"] * 8 + [b"\r"])
        self.final = rng.random() > 0.1
        self.bom = rng.random() < 0.05

    def lines(self):
        return self.pre + [self.header] + self.rows + self.trailer

    def bytes(self, lines=None):
        lines = self.lines() if lines is None else lines
        data = self.ending.join(lines) + (self.ending if self.final else b"")
        return (b"\xef\xbb\xbf" if self.bom else b"") + data


FIELD_FAULTS = [
    lambda v: b"0" + v.lstrip(b"-"), lambda v: b"+" + v, lambda v: b" " + v, lambda v: v + b" ",
    lambda v: b"", lambda v: b"-0", lambda v: v + b".0", lambda v: v + b"e3",
    lambda v: b"2147483648", lambda v: b"-2147483649", lambda v: b"99999999999999999999",
    lambda v: b"x" + v, lambda v: b"\t" + v, lambda v: b"1,000", lambda v: v + b"\x00",
]

TRAILER_FAULTS = [
    [b"ELEVUP,45%", b"ELEVDOWN,47%", b"ELEVUP,46%"], [b"ELEVUP,101%"], [b"ELEVUP,45"],
    [b"ELEVUP,045%"], [b"ELEVUP,45% "], [b"ELEV,45%"], [b"Elevation noted, see log"],
    [b"ELEVDOWNX,45%"], [b"Loaded Up Samples"] + [b"%d%%,1" % i for i in range(50)],
    [b"Empty Down Samples", b"255%,0"], [b"Empty Down Samples", b"65535%,0"],
    [b"Empty Down Samples", b"-32769%,0"], [b"Loaded Up Samples", b"5%,0,"],
    [b"Loaded Up Samples", b"5%, 0"], [b"Loaded Up Samples", b"5%,2147483648"],
    [b"Loaded Down Samples", b"05%,1"], [b"Loaded Down Samples", b"5 %,1"],
    [b"ELEVUP," + b"9" * 6000 + b"%"], [b"Empty Up Samples", b"x" * 6000 + b"%,1"],
]


def faulty(rng, crv):
    """A file refused at one line, or ended early: its bytes and a word for it."""
    lines = crv.lines()
    first_row = len(crv.pre) + 1
    kind = rng.randrange(9)
    if kind <= 2:  # one field of one data row
        r = rng.randrange(101)
        fields = crv.rows[r].split(b",")
        f = rng.randrange(1, 6)
        fields[f] = rng.choice(FIELD_FAULTS)(fields[f])
        lines[first_row + r] = b",".join(fields)
        return crv.bytes(lines), "field"
    if kind == 3:  # the shape of a data row
        r = rng.randrange(101)
        row = crv.rows[r]
        lines[first_row + r] = rng.choice([
            row + b",6", row.rsplit(b",", 1)[0], row + b",,", b"", b"%d%%," % (r + 1) + row.split(b",", 1)[1],
            row.replace(b"%,", b",", 1), row.replace(b"%,", b" %,", 1), b"0" + row,
            row + b"," + b"7" * 5000, row.replace(b",", b";")])
        return crv.bytes(lines), "row"
    if kind == 4:  # the trailer
        return crv.bytes(crv.pre + [crv.header] + crv.rows + rng.choice(TRAILER_FAULTS)), "trailer"
    if kind == 5:  # ends before a row, or before the header
        cut = rng.randrange(0, first_row + 101)
        return crv.bytes(lines[:cut]), "early"
    if kind == 6:
        header = rng.choice([HEADER + b",", HEADER.replace(b",", b", ", 1), b"Height", HEADER + b" "])
        return crv.bytes(crv.pre + [header] + crv.rows), "header"
    if kind == 7:
        crv.ending = b"\n"
        return crv.bytes(), "lf"
    return crv.bytes(lines[:first_row] + [b"x"] * rng.randrange(1, 3) + lines[first_row:]), "extra"


def special_files(rng):
    """Files whose bytes or names are odd: (name, bytes or a kind of non-file)."""
    good = Crv(rng)
    lots = Crv(rng)
    lots.trailer = lots.trailer + [b"comment"] * (32767 - len(lots.lines()) + 1)
    utf16 = "\ufeff" + good.bytes().decode("latin-1")
    return [
        (b"empty.CRV", b""), (b"only-cr.CRV", b"\r" * 300), (b"cr-40000.CRV", b"\r" * 40000),
        (b"nul.CRV", b"\x00" * 7000), (b"utf16.CRV", utf16.encode("utf-16-le")),
        (b"bom-only.CRV", b"\xef\xbb\xbf"), (b"too-many-lines.CRV", lots.bytes()),
        (b"lower.crv", good.bytes()), (b"Mixed.Crv", good.bytes()),
        (b" leading blank.CRV", good.bytes()), (b"trailing blank .CRV", good.bytes()),
        (b"caf\xe9-not-utf8.CRV", good.bytes()), (b"bad\xff\xfe.CRV", faulty(rng, Crv(rng))[0]),
        (b"new\nline.CRV", good.bytes()), (b"tab\tand\x1bescape.CRV", faulty(rng, Crv(rng))[0]),
        (b"back\\slash.CRV", good.bytes()), (b"rtl-\xe2\x80\xaeVRC.txt.CRV", good.bytes()),
        (b"Kabine 2 \xe2\x80\x93 Pr\xc3\xbcfung.CRV", good.bytes()),
        (b"not-a-crv.txt", good.bytes()), (b"x.CRV.bak", good.bytes()),
        (b"folder.CRV", "dir"), (b"device.CRV", "/dev/zero"), (b"dangling.CRV", "nowhere.CRV"),
        (b"missing.CRV", None),
    ]


def make_corpus(root, seed, count):
    rng = random.Random(seed)
    files = []
    for i in range(count):
        crv = Crv(rng)
        if i % 3 == 0:
            name, data = b"%03d-good.CRV" % i, crv.bytes()
        else:
            data, word = faulty(rng, crv)
            name = b"%03d-%s.CRV" % (i, word.encode())
        files.append((name, data))
    files += special_files(rng)
    examples = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")
    for name in sorted(os.listdir(examples)):
        with open(os.path.join(examples, name), "rb") as f:
            files.append((b"ex-" + os.fsencode(name), f.read()))
    broot = os.fsencode(root)
    for name, data in files:
        path = os.path.join(broot, name)
        if data == "dir":
            os.mkdir(path)
        elif isinstance(data, str):
            os.symlink(data, path)
        elif data is not None:
            with open(path, "wb") as f:
                f.write(data)
    return [name for name, _ in files]
