#!/usr/bin/env python3
"""Checks that the tree's folders keep to the libraries they build.

Every source file belongs to the library whose CMake lists name it: the core
(dawnrule_core and the command line's dawnrule_cli, plain C++), the zone clock
adapter (dawnrule_zone_clock, QtCore only) or the windows (dawnrule_ui). A header
belongs to the library of its .cpp; a header without one to the windows when it
includes Qt, else to the core. Two rules:

1. A core file (and its header) includes no Qt header and no header of the zone
   clock or the windows.
2. The folders' libraries, taken as nodes ("app core", "locations ui", ...), depend
   on each other without a cycle.
3. No file includes a header of a node above its own in LAYERS, the order the tree
   means to have, unless it is one of the main window's own handler files named in
   MAIN_WINDOW_FILES (methods of TZuruRuz1 that live in the folder of their concern
   and may reach the whole program). Those files are also left out of rule 2. A new
   file gets no exemption by its name: it must be added to the list, with its reason.

Exit status 0 when the three rules hold; --report lists the upward includes.

    tools/check_layers.py [--root DIR] [--report]
"""
import argparse
import os
import re
import sys

# Bottom to top.
LAYERS = [
    ("common", "core"), ("astro", "core"), ("controls", "core"), ("app", "core"),
    ("locations", "core"), ("trip", "core"), ("windows", "core"), ("cli", "core"), ("app", "zone_clock"),
    ("controls", "ui"), ("resources", "ui"), ("locations", "ui"), ("windows", "ui"), ("app", "ui"),
]
LIBRARY_KIND = {
    "dawnrule_core": "core",
    "dawnrule_cli": "core",
    "dawnrule_zone_clock": "zone_clock",
    "dawnrule_ui": "ui",
}
CODE_FOLDERS = ["common", "astro", "app", "locations", "trip", "controls", "resources", "windows", "cli"]
# The main window's handler files outside app/, each with why it may include upwards.
MAIN_WINDOW_FILES = {
    "locations/tzururuz1_city_list.cpp": "the town list and the 51 location buttons: TZuruRuz1's own handlers",
    "locations/tzururuz1_home.cpp": "the Home button and menu entry: TZuruRuz1's own handlers",
    "locations/tzururuz1_quick_menu.cpp": "the quick menu, which opens the Help and About windows: TZuruRuz1's own",
    "locations/tzururuz1_user_list.cpp": "USER and Add to USER: TZuruRuz1's own handlers",
    "windows/tzururuz1_routes.cpp": "the Routes button and what the Routes window asks of TZuruRuz1",
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT_HEADER = re.compile(r"^Q[A-Za-z]*$|^Qt[A-Za-z]+/")


def cmake_commands(text):
    """(name, [arguments]) of every command in a CMakeLists text, comments dropped."""
    text = re.sub(r"#[^\n]*", "", text)
    for m in re.finditer(r"(\w+)\s*\(([^()]*)\)", text):
        yield m.group(1).lower(), m.group(2).split()


def library_sources(root):
    """{path relative to root: library kind} from the CMake lists of the code folders."""
    kinds = {}
    for folder in CODE_FOLDERS:
        path = os.path.join(root, folder, "CMakeLists.txt")
        if not os.path.exists(path):
            continue
        with open(path) as f:
            commands = list(cmake_commands(f.read()))
        variables = {}

        def expand(args):
            out = []
            for a in args:
                m = re.fullmatch(r"\$\{(\w+)\}", a)
                if m and m.group(1) in variables:
                    out.extend(variables[m.group(1)])
                else:
                    out.append(a)
            return out

        def add(library, args):
            kind = LIBRARY_KIND.get(library)
            if not kind:
                return
            for a in expand(args):
                if not a.endswith((".cpp", ".h")):
                    continue
                a = a.replace("${CMAKE_SOURCE_DIR}/", "")
                rel = a if "/" in a else folder + "/" + a
                kinds[os.path.normpath(rel)] = kind

        for name, args in commands:
            if name == "set" and args:
                variables[args[0]] = expand(args[1:])
            elif name == "add_library" and args:
                add(args[0], args[1:])
            elif name == "target_sources" and args:
                add(args[0], args[1:])
    return kinds


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return INCLUDE.findall(f.read())


def classify(root, sources):
    """{file: kind} for every .cpp and .h of the code folders."""
    kinds = dict(sources)
    for folder in CODE_FOLDERS:
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            continue
        for name in sorted(os.listdir(base)):
            rel = folder + "/" + name
            if not name.endswith(".h") or rel in kinds:
                continue
            twin = rel[:-2] + ".cpp"
            if twin in sources:
                kinds[rel] = sources[twin]
            else:
                qt = any(kind == "<" and QT_HEADER.search(h) for kind, h in includes_of(os.path.join(root, rel)))
                kinds[rel] = "ui" if qt else "core"
    return kinds


def is_main_window_file(rel):
    return rel in MAIN_WINDOW_FILES


def check(root):
    kinds = classify(root, library_sources(root))
    problems = []
    edges = {}  # node -> {node: example}
    upward = []
    rank = {node: i for i, node in enumerate(LAYERS)}
    for rel, kind in sorted(kinds.items()):
        folder = rel.split("/")[0]
        node = (folder, kind)
        for bracket, header in includes_of(os.path.join(root, rel)):
            if bracket == "<":
                if kind == "core" and QT_HEADER.search(header):
                    problems.append(f"{rel}: a core file includes the Qt header <{header}>")
                continue
            target = os.path.normpath(header)
            if target not in kinds:
                continue
            target_node = (target.split("/")[0], kinds[target])
            if kind == "core" and target_node[1] != "core":
                problems.append(f"{rel}: a core file includes {header}, a header of the {target_node[1]} library")
            if target_node == node:
                continue
            if rank.get(target_node, 0) > rank.get(node, 0):
                upward.append((rel, header, is_main_window_file(rel)))
                if not is_main_window_file(rel):
                    problems.append(f"{rel}: includes {header}, of {target_node[0]} {target_node[1]}, "
                                    f"above its own {folder} {kind}")
            if not is_main_window_file(rel):
                edges.setdefault(node, {}).setdefault(target_node, f"{rel} includes {header}")

    # Cycles among the nodes, by depth-first search.
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, {})):
            if state.get(nxt) == "open":
                cycle = stack[stack.index(nxt):] + [nxt]
                steps = [edges[a][b] for a, b in zip(cycle, cycle[1:])]
                problems.append("folders depend on each other in a cycle: "
                                + " -> ".join(f"{f} {k}" for f, k in cycle) + " (" + "; ".join(steps) + ")")
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)
    return problems, upward


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--report", action="store_true", help="list the upward includes")
    args = parser.parse_args()
    problems, upward = check(args.root)
    outside = [u for u in upward if not u[2]]
    print(f"upward includes: {len(upward)} ({len(outside)} outside the main window's own handler files)")
    if args.report:
        for rel, header, main_window in upward:
            print(f"  {rel} -> {header}" + ("  (main window)" if main_window else ""))
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
