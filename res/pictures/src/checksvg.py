"""Checks that a picture is well-formed and avoids what QtSvg drops or warns on."""

import re
import xml.etree.ElementTree as ET

NS = "{http://www.w3.org/2000/svg}"
FORBIDDEN_ELEMENTS = {"marker", "clipPath", "symbol", "mask", "filter", "foreignObject"}
FORBIDDEN_ATTRIBUTES = {"marker-start", "marker-mid", "marker-end", "clip-path",
                        "baseline-shift", "dominant-baseline", "mask", "filter"}


def problems(text):
    try:
        root = ET.fromstring(text)
    except ET.ParseError as e:
        return ["not well-formed: %s" % e]
    found = []
    if root.tag != NS + "svg":
        found.append("root element is not svg")
    w, h, box = root.get("width"), root.get("height"), root.get("viewBox")
    if not (w and h and box) or box.split() != ["0", "0", w, h]:
        found.append("width/height do not match the viewBox")
    for el in root.iter():
        tag = el.tag.replace(NS, "")
        if tag in FORBIDDEN_ELEMENTS:
            found.append("uses <%s>" % tag)
        if tag == "tspan" and ("dy" in el.attrib or "dx" in el.attrib):
            found.append("uses tspan offsets")
        for name in FORBIDDEN_ATTRIBUTES & set(el.attrib):
            found.append("uses %s" % name)
        style = el.get("style", "")
        for name in FORBIDDEN_ATTRIBUTES:
            if re.search(r"(^|;)\s*%s\s*:" % name, style):
                found.append("uses %s in a style" % name)
    return found
