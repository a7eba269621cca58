"""The example notebook runs from top to bottom."""

import os
import pathlib

import nbformat
from nbclient import NotebookClient


def test_the_example_notebook_runs():
    path = pathlib.Path(os.environ["ORVEN_DOCS"]) / "python-example.ipynb"
    notebook = nbformat.read(path, as_version=4)
    NotebookClient(notebook, timeout=300, kernel_name="python3").execute()
    assert any(output.get("output_type") == "display_data"
               for cell in notebook.cells for output in cell.get("outputs", []))
