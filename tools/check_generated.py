#!/usr/bin/env python3
"""Fails when a generated file in the tree differs from what its generator makes today.

Every tools/gen_*.py takes --root DIR and writes its outputs under DIR at the same
relative paths as in the tree. This runs each one into a scratch folder and compares
byte for byte.
"""
import filecmp
import glob
import os
import subprocess
import sys
import tempfile

tools = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(tools)

# Committed files that only a generator makes: one it no longer writes (a route dropped
# from the published list) is stale too, not left to be shipped.
OWNED = {
    "gen_routes.py": ["data/Highways.txt", "data/I-*.txt"],
    "gen_daylight.py": ["data/Daylight.txt", "data/Curfews.txt"],
}


def main():
    generators = sorted(f for f in os.listdir(tools) if f.startswith("gen_") and f.endswith(".py"))
    stale = []
    checked = 0
    for gen in generators:
        with tempfile.TemporaryDirectory() as scratch:
            subprocess.run([sys.executable, os.path.join(tools, gen), "--root", scratch], check=True)
            for pattern in OWNED.get(gen, []):
                for committed in glob.glob(os.path.join(root, pattern)):
                    rel = os.path.relpath(committed, root)
                    if not os.path.exists(os.path.join(scratch, rel)):
                        stale.append(f"{rel} (no longer made by {gen})")
            for folder, _, files in os.walk(scratch):
                for name in files:
                    made = os.path.join(folder, name)
                    rel = os.path.relpath(made, scratch)
                    committed = os.path.join(root, rel)
                    checked += 1
                    if not os.path.exists(committed) or not filecmp.cmp(made, committed, shallow=False):
                        stale.append(f"{rel} (from {gen})")
    for s in stale:
        print("out of date:", s)
    print(f"{checked} generated files checked, {len(stale)} out of date")
    return 1 if stale or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
