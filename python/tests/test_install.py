"""The package installs with pip, offline and without build isolation, and imports from there."""

import importlib.util
import os
import shutil
import subprocess
import sys

import pytest

from conftest import REPOSITORY


@pytest.mark.skipif(
    importlib.util.find_spec("pip") is None or importlib.util.find_spec("setuptools") is None,
    reason="pip or setuptools is not installed",
)
def test_pip_installs_the_package_into_a_target_folder(tmp_path):
    # A copy, since pip builds in the source folder.
    source = tmp_path / "source"
    shutil.copytree(REPOSITORY / "python", source, ignore=shutil.ignore_patterns("tests", "build", "*.egg-info", "__pycache__"))
    target = tmp_path / "site"
    env = dict(os.environ, PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_INPUT="1")
    env.pop("PYTHONPATH", None)
    install = subprocess.run(
        [sys.executable, "-m", "pip", "install", "--no-build-isolation", "--no-index", "--target", str(target), str(source)],
        env=env, capture_output=True, text=True, timeout=300,
    )
    assert install.returncode == 0, install.stdout + install.stderr
    assert (target / "cvnaaccr" / "py.typed").exists()

    env["PYTHONPATH"] = str(target)
    imported = subprocess.run(
        [sys.executable, "-c", "import cvnaaccr; print(cvnaaccr.__file__); print(cvnaaccr.library_info().library_version)"],
        env=env, capture_output=True, text=True, timeout=60, cwd=tmp_path,
    )
    assert imported.returncode == 0, imported.stderr
    location, version = imported.stdout.split()
    assert location.startswith(str(target)) and version == cvnaaccr_version(source)


def cvnaaccr_version(source):
    namespace = {}
    exec((source / "cvnaaccr" / "_version.py").read_text(), namespace)
    return namespace["__version__"]
