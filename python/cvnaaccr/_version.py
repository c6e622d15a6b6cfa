"""The package's version: the version of the cvnaaccr library it is written for."""

__version__ = "1.6.2"
