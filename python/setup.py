"""Builds the cvnaaccr package: from a checkout with CMake, with the shared library inside it.

pip runs this through setuptools (pyproject.toml holds the metadata).  When
python/ lies in a checkout of the repository and CMake is found (the CMAKE
environment variable, else `cmake` on PATH), the library is built in Release
into a temporary folder and copied into the package, and the wheel is tagged
for this platform (py3-none-<platform>: ctypes serves every Python 3).
Otherwise (an sdist, a copy of python/ alone, no CMake, Windows, an editable
install, or CVNAACCR_PURE_PYTHON=1) the package is pure Python and loads an
installed library.  A checkout whose build fails stops the install with
CMake's output rather than quietly giving a package without its library.
"""

import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from setuptools import setup
from setuptools.command.build_py import build_py

try:
    from setuptools.command.bdist_wheel import bdist_wheel
except ImportError:  # setuptools before 70.1 takes it from wheel
    try:
        from wheel.bdist_wheel import bdist_wheel
    except ImportError:  # no wheel: only an sdist or a legacy install can be made
        bdist_wheel = None

REPOSITORY = Path(__file__).resolve().parent.parent
PURE_VARIABLE = "CVNAACCR_PURE_PYTHON"


def library_cmake():
    """CMake's path when the library is to be built into the package; else None, with the reason shown."""
    reason = None
    top = REPOSITORY / "CMakeLists.txt"
    cmake = os.environ.get("CMAKE") or shutil.which("cmake")
    if os.environ.get(PURE_VARIABLE):
        reason = f"{PURE_VARIABLE} is set"
    elif sys.platform == "win32":
        reason = "on Windows, cvnaaccr.dll comes from the release zip"
    elif not top.is_file() or "project(cvnaaccr" not in top.read_text(errors="replace"):
        reason = "python/ is not in a checkout of cvnaaccr"
    elif not cmake:
        reason = "CMake is not installed"
    if reason:
        print(f"cvnaaccr: a pure-Python package ({reason}); it loads an installed library", file=sys.stderr)
        return None
    return cmake


def build_library(cmake, package):
    """Builds the shared library in Release in a temporary folder and copies it into `package`."""
    with tempfile.TemporaryDirectory(prefix="cvnaaccr-library-") as build:
        configure = [cmake, "-S", str(REPOSITORY), "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                     "-DBUILD_TESTING=OFF", "-DBUILD_SHARED_LIBS=ON"]
        compile_library = [cmake, "--build", build, "--config", "Release", "--target", "cvnaaccr"]
        if not os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL"):
            compile_library += ["--parallel", str(os.cpu_count() or 1)]
        for command in (configure, compile_library):
            print("cvnaaccr:", " ".join(command), file=sys.stderr)
            if subprocess.call(command) != 0:
                raise SystemExit(
                    "cvnaaccr: CMake could not build the library (its output is above).  Install what it "
                    f"asks for, or set {PURE_VARIABLE}=1 to install the package without the library."
                )
        # python/CMakeLists.txt names the built file and the name it takes in the package.
        built, name = (Path(build) / "python" / "package-library-Release.txt").read_text().splitlines()[:2]
        shutil.copy(built, package / name)
        print(f"cvnaaccr: the package holds {name}", file=sys.stderr)


class BuildPy(build_py):
    """The package's files, and the library inside them when it is built."""

    def run(self):
        super().run()
        package = Path(self.build_lib) / "cvnaaccr"
        # A library left by an earlier build in the same folder goes first.
        for stale in list(package.glob("libcvnaaccr*")) + list(package.glob("cvnaaccr*.dll")):
            stale.unlink()
        if CMAKE and not getattr(self, "editable_mode", False):
            build_library(CMAKE, package)


commands = {"build_py": BuildPy}

if bdist_wheel is not None:

    class BdistWheel(bdist_wheel):
        """A wheel that holds the library is one of this platform's, for any Python 3."""

        def finalize_options(self):
            super().finalize_options()
            if CMAKE:
                self.root_is_pure = False

        def get_tag(self):
            python, abi, platform = super().get_tag()
            return (python, abi, platform) if self.root_is_pure else ("py3", "none", platform)

    commands["bdist_wheel"] = BdistWheel

# Decided once, before any command runs, so that the wheel's tag and its contents agree.
CMAKE = library_cmake()

setup(cmdclass=commands)
