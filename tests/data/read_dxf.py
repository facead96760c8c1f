# Reads every .dxf file of a folder with ezdxf and prints, as one JSON
# object keyed by file name, what the audit found and each model-space
# entity's type, true colour, line type and defining points (in file
# units). Prints {"missing": "..."} when ezdxf cannot be imported.
import json
import math
import os
import sys

try:
    import ezdxf
except ImportError as error:
    print(json.dumps({"missing": str(error)}))
    sys.exit(0)


def xy(v):
    return [round(v[0], 4), round(v[1], 4)]


def points(e):
    kind = e.dxftype()
    if kind == "LINE":
        return [xy(e.dxf.start), xy(e.dxf.end)]
    if kind == "LWPOLYLINE":
        return [xy(p) for p in e.get_points("xy")]
    if kind == "CIRCLE":
        return [xy(e.dxf.center)]
    if kind in ("ARC", "ELLIPSE"):
        return [xy(e.dxf.center), xy(e.start_point), xy(e.end_point)]
    if kind == "SPLINE":
        return [xy(p) for p in e.control_points]
    if kind == "TEXT":
        return [xy(e.dxf.insert)]
    if kind == "POINT":
        return [xy(e.dxf.location)]
    if kind == "HATCH":
        path = e.paths.paths[0]
        if hasattr(path, "vertices"):
            return [xy(v) for v in path.vertices]
        return [xy(edge.center) for edge in path.edges]
    return []


def entity(e):
    row = {
        "type": e.dxftype(),
        "colour": e.dxf.get("true_color", -1),
        "linetype": e.dxf.get("linetype", ""),
        "points": points(e),
        "size": 0,
        "text": "",
    }
    if row["type"] in ("CIRCLE", "ARC"):
        row["size"] = e.dxf.radius
    elif row["type"] == "TEXT":
        row["size"] = e.dxf.height
        row["text"] = e.dxf.text
        row["width"] = e.dxf.width
    elif row["type"] == "HATCH":
        row["text"] = e.dxf.pattern_name
        row["size"] = len(e.paths.paths)
        # How far apart each family of pattern lines lies, across the lines.
        row["spacings"] = [
            abs(math.cos(math.radians(line.angle)) * line.offset[1]
                - math.sin(math.radians(line.angle)) * line.offset[0])
            for line in (e.pattern.lines if e.pattern else [])
        ]
    elif row["type"] == "SPLINE":
        # The curve's middle, which also proves the knots fit the controls.
        row["size"] = len(e.knots)
        row["points"].append(xy(e.construction_tool().point(0.5)))
    elif row["type"] == "ELLIPSE":
        row["size"] = e.dxf.ratio
    return row


folder = sys.argv[1]
result = {}
for name in sorted(os.listdir(folder)):
    if not name.endswith(".dxf"):
        continue
    doc = ezdxf.readfile(os.path.join(folder, name))
    auditor = doc.audit()
    result[name] = {
        "errors": [str(error.message) for error in auditor.errors],
        "fixes": [str(fix.message) for fix in auditor.fixes],
        "units": doc.header.get("$INSUNITS", 0),
        "entities": [entity(e) for e in doc.modelspace()],
    }
print(json.dumps(result))
