#!/usr/bin/env python3
"""Plants the faults the layer check must catch in a small tree of its own, one at a
time, and checks that each fails it while the clean tree passes.

    tools/test_check_layers.py
"""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layers  # noqa: E402

# folder -> {file: text}; each folder's CMakeLists names its sources by library.
CLEAN = {
    "common": {"errors.cpp": '#include "common/errors.h"\n', "errors.h": "#pragma once\n"},
    "app": {
        "zururuz.cpp": '#include "app/zururuz.h"\n#include "common/errors.h"\n',
        "zururuz.h": "#pragma once\n",
        "tzururuz1.cpp": '#include "app/tzururuz1.h"\n#include "windows/tabout.h"\n',
        "tzururuz1.h": "#pragma once\n#include <QWidget>\n",
    },
    "locations": {
        "city_record.cpp": '#include "locations/city_record.h"\n#include "app/zururuz.h"\n',
        "city_record.h": "#pragma once\n",
        "tzururuz1_city_list.cpp": '#include "app/tzururuz1.h"\n',
    },
    "trip": {"trip_plan.cpp": '#include "trip/trip_plan.h"\n#include "locations/city_record.h"\n',
             "trip_plan.h": "#pragma once\n"},
    "controls": {"tled.cpp": '#include "controls/tled.h"\n', "tled.h": "#pragma once\n#include <QWidget>\n"},
    "windows": {
        "route_report.cpp": '#include "windows/route_report.h"\n#include "trip/trip_plan.h"\n',
        "route_report.h": "#pragma once\n",
        "tabout.cpp": '#include "windows/tabout.h"\n#include "controls/tled.h"\n',
        "tabout.h": "#pragma once\n#include <QDialog>\n",
    },
}
LISTS = {
    "common": ("core", ["errors.cpp"]),
    "app": ("both", (["zururuz.cpp"], ["tzururuz1.cpp"])),
    "locations": ("both", (["city_record.cpp"], ["tzururuz1_city_list.cpp"])),
    "trip": ("core", ["trip_plan.cpp"]),
    "controls": ("ui", ["tled.cpp"]),
    "windows": ("both", (["route_report.cpp"], ["tabout.cpp"])),
}


def cmake_text(folder, extra_ui=()):
    kind, files = LISTS[folder]
    core, ui = (files if kind == "both" else (files, []) if kind == "core" else ([], files))
    ui = list(ui) + list(extra_ui)
    return (f"set({folder}_core_sources {' '.join(core)})\ntarget_sources(dawnrule_core PRIVATE ${{{folder}_core_sources}})\n"
            f"set({folder}_ui_sources {' '.join(ui)})\ntarget_sources(dawnrule_ui PRIVATE ${{{folder}_ui_sources}})\n")


class LayerCheck(unittest.TestCase):
    def tree(self, plant=None, extra_ui=None):
        """A scratch tree: CLEAN, with `plant` ({path: text}) written over it."""
        root = tempfile.mkdtemp(prefix="layers-")
        self.addCleanup(lambda: __import__("shutil").rmtree(root))
        files = {f"{folder}/{name}": text for folder, named in CLEAN.items() for name, text in named.items()}
        files.update(plant or {})
        for rel, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(rel)), exist_ok=True)
            with open(os.path.join(root, rel), "w") as f:
                f.write(text)
        for folder in CLEAN:
            with open(os.path.join(root, folder, "CMakeLists.txt"), "w") as f:
                f.write(cmake_text(folder, (extra_ui or {}).get(folder, ())))
        return root

    def problems(self, root):
        saved = dict(check_layers.MAIN_WINDOW_FILES)
        check_layers.MAIN_WINDOW_FILES.clear()
        check_layers.MAIN_WINDOW_FILES["locations/tzururuz1_city_list.cpp"] = "the town list"
        try:
            return check_layers.check(root)[0]
        finally:
            check_layers.MAIN_WINDOW_FILES.clear()
            check_layers.MAIN_WINDOW_FILES.update(saved)

    def test_the_clean_tree_passes(self):
        self.assertEqual(self.problems(self.tree()), [])

    def test_each_planted_fault_fails(self):
        plants = {
            "a core file includes Qt": ({"trip/trip_plan.cpp": "#include <QString>\n"}, None),
            "a core file includes a window": ({"trip/trip_plan.cpp": '#include "windows/tabout.h"\n'}, None),
            "core includes core above it": ({"locations/city_record.cpp": '#include "trip/trip_plan.h"\n'}, None),
            "ui includes ui above it, no cycle": ({"controls/tled.cpp": '#include "windows/tabout.h"\n'}, None),
            "a cycle of folders": ({"app/zururuz.cpp": '#include "locations/city_record.h"\n'}, None),
            "a new handler-named file includes windows": (
                {"controls/tzururuz1_anything.cpp": '#include "windows/tabout.h"\n#include "app/tzururuz1.h"\n'},
                {"controls": ["tzururuz1_anything.cpp"]}),
        }
        for what, (plant, extra) in plants.items():
            with self.subTest(what):
                self.assertNotEqual(self.problems(self.tree(plant, extra)), [], what)

    def test_a_listed_handler_file_may_include_upwards(self):
        root = self.tree({"locations/tzururuz1_city_list.cpp": '#include "app/tzururuz1.h"\n#include "windows/tabout.h"\n'})
        self.assertEqual(self.problems(root), [])


if __name__ == "__main__":
    unittest.main()
