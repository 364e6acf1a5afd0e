#!/usr/bin/env python3
"""Write every picture into res/pictures/, or with --check verify that the
committed SVG files are exactly what these scripts produce now and that they
use only what QtSvg renders."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import checksvg  # noqa: E402

MODULES = ["pic_brand", "pic_passive", "pic_coils", "pic_semis", "pic_opamp",
           "pic_oscillators", "pic_filters", "pic_help"]
OUT = os.path.dirname(HERE)


def generate():
    pictures = {}
    for name in MODULES:
        module = __import__(name)
        for filename, make in module.PICTURES.items():
            if filename in pictures:
                raise SystemExit("%s drawn twice" % filename)
            pictures[filename] = make().render()
    return pictures


def main(argv):
    check = "--check" in argv[1:]
    problems = []
    for filename, text in sorted(generate().items()):
        path = os.path.join(OUT, filename)
        problems += ["%s: %s" % (filename, p) for p in checksvg.problems(text)]
        if check:
            try:
                with open(path, encoding="utf-8") as f:
                    if f.read() != text:
                        problems.append("%s: differs from the scripts' output" % filename)
            except OSError:
                problems.append("%s: missing" % filename)
        else:
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(text)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
