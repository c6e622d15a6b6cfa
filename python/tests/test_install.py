"""The package installs with pip, offline and without build isolation, and imports from there."""

import importlib.util
import json
import os
import shutil
import subprocess
import sys
import sysconfig

import pytest

from conftest import REPOSITORY, SAMPLES

# What the installed package says about itself, as JSON: run in its venv.
PROBE = """
import importlib.metadata, json, os, sys
import cvnaaccr
wheel = importlib.metadata.distribution("cvnaaccr").read_text("WHEEL")
result = cvnaaccr.check_file(sys.argv[1], checksums=True)
print(json.dumps({
    "package": os.listdir(os.path.dirname(cvnaaccr.__file__)),
    "package_folder": os.path.dirname(cvnaaccr.__file__),
    "tags": [line[5:] for line in wheel.splitlines() if line.startswith("Tag: ")],
    "library": cvnaaccr.library_path(),
    "version": cvnaaccr.library_info().library_version,
    "records": result.summary.records,
    "checksums_matched": result.summary.checksums_matched,
    "problems": [str(problem) for problem in result.problems],
}))
"""


@pytest.fixture(scope="module")
def pip_python():
    """This Python, which must have pip, setuptools and wheel: a test that cannot install fails."""
    missing = [name for name in ("pip", "setuptools", "wheel") if importlib.util.find_spec(name) is None]
    if missing:
        pytest.fail(
            f"{sys.executable} has no {', '.join(missing)}: tools/install_packages.sh python installs them",
            pytrace=False,
        )
    return sys.executable


@pytest.fixture(scope="module")
def built_library():
    named = os.environ.get("CVNAACCR_LIBRARY")
    if not named:
        pytest.fail("no library of this build: set CVNAACCR_LIBRARY or build the native preset", pytrace=False)
    return named


def clean_environment(**extra):
    """The environment of a user's shell: no library named, no package on PYTHONPATH, pip offline."""
    env = dict(os.environ, PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_INPUT="1", PIP_NO_INDEX="1")
    for name in ("PYTHONPATH", "CVNAACCR_LIBRARY", "LD_LIBRARY_PATH", "CVNAACCR_PURE_PYTHON"):
        env.pop(name, None)
    env.update(extra)
    return env


@pytest.mark.parametrize(
    "cmake, outcome",
    [
        pytest.param("cmake", "library inside", id="checkout with CMake: the library inside, a wheel of this platform"),
        pytest.param(None, "pure", id="checkout without CMake: pure Python, the library CVNAACCR_LIBRARY names"),
        pytest.param("false", "refused", id="checkout whose CMake fails: the install stops and says why"),
    ],
)
def test_pip_installs_a_checkout_into_a_fresh_venv(tmp_path, pip_python, built_library, cmake, outcome):
    # A copy of the checkout, since pip builds in the source folder.
    checkout = tmp_path / "checkout"
    shutil.copytree(REPOSITORY, checkout, ignore=shutil.ignore_patterns(".git", "build", "*.egg-info", "__pycache__"))
    venv = tmp_path / "venv"
    made = subprocess.run([pip_python, "-m", "venv", "--system-site-packages", str(venv)],
                          capture_output=True, text=True, timeout=120)
    assert made.returncode == 0, "python3 -m venv failed (Debian: python3-venv):\n" + made.stdout + made.stderr
    python = str(venv / "bin" / "python")

    env = clean_environment()
    if cmake is None:
        env["PATH"] = str(venv / "bin")
        env.pop("CMAKE", None)
    elif cmake == "false":
        env["CMAKE"] = shutil.which("false")
    install = subprocess.run(
        [python, "-m", "pip", "install", "--no-build-isolation", str(checkout / "python")],
        env=env, capture_output=True, text=True, timeout=300, cwd=tmp_path,
    )
    if outcome == "refused":
        assert install.returncode != 0
        assert "CMake could not build the library" in install.stderr and "CVNAACCR_PURE_PYTHON=1" in install.stderr
        return
    assert install.returncode == 0, install.stdout + install.stderr
    library_inside = outcome == "library inside"

    # Without CVNAACCR_LIBRARY the package's own library is loaded (None); with it, the named one.
    runs = [("", None)] if library_inside else []
    runs.append((built_library, built_library))
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    for named, expected_library in runs:
        probe = subprocess.run(
            [python, "-c", PROBE, str(SAMPLES / "i-180-lf.txt")],
            env=clean_environment(CVNAACCR_LIBRARY=named), capture_output=True, text=True, timeout=60, cwd=tmp_path,
        )
        assert probe.returncode == 0, probe.stderr
        seen = json.loads(probe.stdout)
        assert seen["package_folder"].startswith(str(venv))
        assert seen["library"] == (expected_library or os.path.join(seen["package_folder"], "libcvnaaccr.so.1"))
        assert seen["tags"] == [f"py3-none-{platform}" if library_inside else "py3-none-any"]
        assert any(name.startswith("libcvnaaccr") for name in seen["package"]) == library_inside
        assert seen["version"] == cvnaaccr_version(checkout / "python")
        assert (seen["records"], seen["checksums_matched"], seen["problems"]) == (2, 2, [])


def test_pip_installs_the_package_into_a_target_folder(tmp_path, pip_python):
    # A copy of python/ alone, outside a checkout: pure Python.
    source = tmp_path / "source"
    shutil.copytree(REPOSITORY / "python", source, ignore=shutil.ignore_patterns("tests", "build", "*.egg-info", "__pycache__"))
    target = tmp_path / "site"
    env = dict(os.environ, PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_INPUT="1")
    env.pop("PYTHONPATH", None)
    install = subprocess.run(
        [pip_python, "-m", "pip", "install", "--no-build-isolation", "--no-index", "--target", str(target), str(source)],
        env=env, capture_output=True, text=True, timeout=300,
    )
    assert install.returncode == 0, install.stdout + install.stderr
    assert (target / "cvnaaccr" / "py.typed").exists()
    assert not list((target / "cvnaaccr").glob("libcvnaaccr*"))

    env["PYTHONPATH"] = str(target)
    imported = subprocess.run(
        [pip_python, "-c", "import cvnaaccr; print(cvnaaccr.__file__); print(cvnaaccr.library_info().library_version)"],
        env=env, capture_output=True, text=True, timeout=60, cwd=tmp_path,
    )
    assert imported.returncode == 0, imported.stderr
    location, version = imported.stdout.split()
    assert location.startswith(str(target)) and version == cvnaaccr_version(source)


def cvnaaccr_version(source):
    namespace = {}
    exec((source / "cvnaaccr" / "_version.py").read_text(), namespace)
    return namespace["__version__"]
