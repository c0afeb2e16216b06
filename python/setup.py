# The C++ engine is kept once, in the repository's engine/ folder. Built from
# the repository, the module takes a fresh copy of it into engine/ here; a
# source distribution carries that copy along and builds from it.
import shutil
from pathlib import Path

from pybind11.setup_helpers import Pybind11Extension, build_ext
from setuptools import setup

HERE = Path(__file__).resolve().parent
REPOSITORY_ENGINE = HERE.parent / "engine" / "kavrel"
STAGED_ENGINE = HERE / "engine" / "kavrel"


def engine_sources():
    if (REPOSITORY_ENGINE / "inclusionzones.h").is_file():
        shutil.rmtree(STAGED_ENGINE, ignore_errors=True)
        STAGED_ENGINE.mkdir(parents=True)
        for source in REPOSITORY_ENGINE.iterdir():
            if source.suffix in (".h", ".cpp"):
                shutil.copy2(source, STAGED_ENGINE / source.name)
    if not (STAGED_ENGINE / "inclusionzones.h").is_file():
        raise SystemExit("kavrel: the engine sources are missing; build from the Kavrel repository "
                         "(./kavrel.sh python-test) or from a source distribution made there")
    return sorted(str(path.relative_to(HERE)) for path in STAGED_ENGINE.glob("*.cpp"))


extension = Pybind11Extension(
    "kavrel._engine",
    ["src/kavrel/_engine.cpp", "src/kavrel/_surface.cpp", *engine_sources()],
    include_dirs=["engine", "src/kavrel"],
    cxx_std=20,
    # The same bits as the command-line tool: no fused multiply-add contraction.
    extra_compile_args=["-ffp-contract=off"],
)

setup(ext_modules=[extension], cmdclass={"build_ext": build_ext})
