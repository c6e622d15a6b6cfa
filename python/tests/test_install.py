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

# What the installed package says about itself, run in its venv.
PROBE = """import importlib.metadata, json, sys, cvnaaccr
wheel = importlib.metadata.distribution("cvnaaccr").read_text("WHEEL")
result = cvnaaccr.check_file(sys.argv[1], checksums=True)
print(json.dumps([cvnaaccr.__file__, cvnaaccr.library_path(), wheel.split("Tag: ")[1].split()[0],
                  cvnaaccr.library_info().library_version, result.summary.checksums_matched, len(result.problems)]))"""
PLATFORM_TAG = "py3-none-" + sysconfig.get_platform().replace("-", "_").replace(".", "_")


@pytest.fixture(scope="module")
def pip_python():
    """This Python, which must have pip, setuptools and wheel: a test that cannot install fails."""
    missing = [name for name in ("pip", "setuptools", "wheel") if importlib.util.find_spec(name) is None]
    if missing:
        pytest.fail(f"{sys.executable} has no {', '.join(missing)}: tools/install_packages.sh python installs them")
    return sys.executable


def user_environment(**extra):
    """A user's shell: pip offline, no package on PYTHONPATH, no library named or on LD_LIBRARY_PATH."""
    left_out = ("PYTHONPATH", "CVNAACCR_LIBRARY", "LD_LIBRARY_PATH", "CVNAACCR_PURE_PYTHON")
    env = {name: value for name, value in os.environ.items() if name not in left_out}
    env.update(PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_INPUT="1", PIP_NO_INDEX="1", **extra)
    return env


@pytest.mark.parametrize(
    "cmake, wheel_tag",
    [
        pytest.param("cmake", PLATFORM_TAG, id="checkout with CMake: the library inside, a wheel of this platform"),
        pytest.param(None, "py3-none-any", id="checkout without CMake: pure Python"),
        pytest.param("false", None, id="checkout whose CMake fails: the install stops and says why"),
    ],
)
def test_pip_installs_a_checkout_into_a_fresh_venv(tmp_path, pip_python, cmake, wheel_tag):
    # A copy of the checkout, since pip builds in the source folder.
    checkout, venv = tmp_path / "checkout", tmp_path / "venv"
    shutil.copytree(REPOSITORY, checkout, ignore=shutil.ignore_patterns(".git", "build", "*.egg-info", "__pycache__"))
    made = subprocess.run([pip_python, "-m", "venv", "--system-site-packages", str(venv)],
                          capture_output=True, text=True, timeout=120)
    assert made.returncode == 0, "python3 -m venv failed (Debian: python3-venv): " + made.stderr
    python = str(venv / "bin" / "python")
    env = user_environment()
    if cmake is None:
        env.pop("CMAKE", None)
        env["PATH"] = str(venv / "bin")
    elif cmake == "false":
        env["CMAKE"] = shutil.which("false")
    install = subprocess.run([python, "-m", "pip", "install", "--no-build-isolation", str(checkout / "python")],
                             env=env, capture_output=True, text=True, timeout=300, cwd=tmp_path)
    if wheel_tag is None:
        assert install.returncode != 0 and "CMake could not build the library" in install.stderr
        assert "CVNAACCR_PURE_PYTHON=1" in install.stderr
        return
    assert install.returncode == 0, install.stdout + install.stderr

    # CVNAACCR_LIBRARY wins; without it, the package's own library is loaded.
    named = os.environ["CVNAACCR_LIBRARY"]
    for variable in [named, ""] if wheel_tag == PLATFORM_TAG else [named]:
        probe = subprocess.run([python, "-c", PROBE, str(SAMPLES / "i-180-lf.txt")],
                               env=user_environment(CVNAACCR_LIBRARY=variable), capture_output=True, text=True,
                               timeout=60, cwd=tmp_path)
        assert probe.returncode == 0, probe.stderr
        module, library, tag, version, checksums_matched, problems = json.loads(probe.stdout)
        inside = os.path.join(os.path.dirname(module), "libcvnaaccr.so.1")
        assert module.startswith(str(venv)) and tag == wheel_tag
        assert library == (variable or inside) and os.path.exists(inside) == (wheel_tag == PLATFORM_TAG)
        assert (version, checksums_matched, problems) == (cvnaaccr_version(checkout / "python"), 2, 0)


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
